#include "core/screen/screen_geometry.h"

#include "core/dib/dib_header.h"

bool ScreenGraphicsSupported(int width, int height, int bitsPerPixel) {
  return width >= 640 && height >= 480 && bitsPerPixel >= 8;
}

LogoChoice ChooseLogo(int screenWidth) {
  if (screenWidth > 800) return {kBigLogoId, kBigMaskId};
  return {kSmallLogoId, kSmallMaskId};
}

LogoZoom StartLogoZoom(const ScreenRect& desktop, int logoWidth, int logoHeight) {
  LogoZoom zoom;
  const int x = (desktop.left + desktop.right) / 2 - logoWidth / 128;
  const int y = (desktop.top + desktop.bottom) / 2 - logoHeight / 128;
  zoom.start = {x, y, x + logoWidth / 64, y + logoHeight / 64};
  zoom.step = (logoWidth - zoom.start.Width()) / 128;
  if (zoom.step <= 0) zoom.step = 1;
  return zoom;
}

std::vector<ScreenRect> LogoZoomFrames(const ScreenRect& desktop, int logoWidth, int logoHeight) {
  const LogoZoom zoom = StartLogoZoom(desktop, logoWidth, logoHeight);
  std::vector<ScreenRect> frames;
  ScreenRect r = zoom.start;
  // The step is at least 1 and the width grows by twice that, so this ends
  // after at most logoWidth / 2 + 1 frames.
  while (r.Width() <= logoWidth) {
    r = {r.left - zoom.step, r.top - zoom.step, r.right + zoom.step, r.bottom + zoom.step};
    frames.push_back(r);
  }
  return frames;
}

LogoSlide PlanLogoSlide(const ScreenRect& zoomed) {
  LogoSlide slide;
  slide.dx = zoomed.left / 64;
  slide.dy = zoomed.top / 64;
  slide.scrollArea = {0, 0, zoomed.right + 2, zoomed.bottom + 2};
  if (zoomed.left <= kSlideStopLeft) return slide;
  if (slide.dx <= 0) slide.dx = 1;
  ScreenRect r = zoomed;
  while (r.left > kSlideStopLeft) {
    r = {r.left - slide.dx, r.top - slide.dy, r.right - slide.dx, r.bottom - slide.dy};
    slide.frames.push_back(r);
  }
  return slide;
}

uint32_t PackedPixelOffset(uint32_t headerSize, uint32_t clrUsed, uint16_t bitCount) {
  // 16 and 32 bits without a used-colour count have no table (not 2^16
  // entries of one).
  return headerSize + 4 * DibColorCount(clrUsed, bitCount);
}
