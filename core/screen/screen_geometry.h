// The setup screen's arithmetic: whether a display can show its graphics,
// which logo suits the screen, and where the logo is drawn while it zooms
// out of the screen centre and slides towards the top left corner. All
// divisions truncate towards zero, as the window code always did.
#pragma once
#include <cstdint>
#include <vector>

struct ScreenRect {
  int left = 0, top = 0, right = 0, bottom = 0;
  int Width() const { return right - left; }
  int Height() const { return bottom - top; }
  bool operator==(const ScreenRect& o) const {
    return left == o.left && top == o.top && right == o.right && bottom == o.bottom;
  }
};

// At least 640 x 480 pixels and 8 bits per pixel.
bool ScreenGraphicsSupported(int width, int height, int bitsPerPixel);

// The logo bitmap and its mask for a screen this wide: the big logo only on
// screens wider than 800 pixels.
struct LogoChoice {
  unsigned logoId;
  unsigned maskId;
};
LogoChoice ChooseLogo(int screenWidth);
constexpr unsigned kBigLogoId = 156, kSmallLogoId = 157, kBigMaskId = 158, kSmallMaskId = 159;

// The zoom: a logo 1/64 of its size in the centre of `desktop`, growing by
// `step` on every side until it is wider than the logo.
struct LogoZoom {
  ScreenRect start;
  int step = 1;
};
LogoZoom StartLogoZoom(const ScreenRect& desktop, int logoWidth, int logoHeight);
// Every rectangle the zoom draws, in order (the last is where the slide
// starts).
std::vector<ScreenRect> LogoZoomFrames(const ScreenRect& desktop, int logoWidth, int logoHeight);

// The slide from where the zoom ended: each step moves the logo by
// (-dx, -dy) and scrolls the fixed area, until its left edge is at most 25.
struct LogoSlide {
  int dx = 0, dy = 0;
  ScreenRect scrollArea;
  // Where the logo is after each step; empty when it is already at most 25
  // pixels from the left edge.
  std::vector<ScreenRect> frames;
};
// A logo closer than 64 pixels to the left edge would get dx = 0 and never
// arrive: it then moves by one pixel a step, so the slide always ends, in
// at most `left` steps.
LogoSlide PlanLogoSlide(const ScreenRect& zoomed);
constexpr int kSlideStopLeft = 25;

// Where the logo's pixels start in its packed resource: header size plus
// four bytes per colour (the used-colour count, or 2^bits for 1 to 8 bits).
// The caller checks the result against the resource's size.
uint32_t PackedPixelOffset(uint32_t headerSize, uint32_t clrUsed, uint16_t bitCount);
