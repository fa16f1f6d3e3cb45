// The setup screen's logo: the Vantora emblem (a shaded disc with a ring
// and a white V) on black, in two sizes, and the masks the screen draws it
// through. 8 bits with a short colour table, so that the screen's palette
// has room for the logo's colours after the background's.
#include <cmath>

#include "pictures.h"

namespace {

constexpr int kDiscShades = 32;  // 1..32: the disc, dark edge to light centre
constexpr int kRingShades = 12;  // 33..44: the ring, lower left to upper right
constexpr uint32_t kWhite = 45;
constexpr uint32_t kLogoColors = 46;

void Put(std::vector<uint8_t>& table, int r, int g, int b) {
  table.insert(table.end(), {static_cast<uint8_t>(b), static_cast<uint8_t>(g), static_cast<uint8_t>(r), 0});
}

// Distance of (px, py) from the segment (ax, ay)-(bx, by).
double SegmentDistance(double px, double py, double ax, double ay, double bx, double by) {
  const double vx = bx - ax, vy = by - ay;
  double t = ((px - ax) * vx + (py - ay) * vy) / (vx * vx + vy * vy);
  t = t < 0 ? 0 : t > 1 ? 1 : t;
  const double dx = px - (ax + t * vx), dy = py - (ay + t * vy);
  return std::sqrt(dx * dx + dy * dy);
}

// The emblem's colour index at (x, y) from the top left; 0 is black (clear).
uint32_t EmblemAt(int x, int y, int w, int h) {
  const double cx = (w - 1) / 2.0, cy = (h - 1) / 2.0;
  const double radius = 0.47 * (w < h ? w : h);
  const double dx = x - cx, dy = y - cy, d = std::sqrt(dx * dx + dy * dy);
  if (d > radius) return 0;
  const double u = dx / radius, v = dy / radius;  // -1..1
  // The V: two strokes from the upper corners to the bottom point.
  const double stroke = 0.11;
  if (SegmentDistance(u, v, -0.45, -0.42, 0.0, 0.48) < stroke ||
      SegmentDistance(u, v, 0.45, -0.42, 0.0, 0.48) < stroke)
    return kWhite;
  if (d > 0.82 * radius) {
    const int shade = static_cast<int>((u - v + 2.0) / 4.0 * (kRingShades - 1) + 0.5);
    return 1 + kDiscShades + static_cast<uint32_t>(shade);
  }
  const int shade = static_cast<int>((1.0 - d / (0.82 * radius)) * (kDiscShades - 1) + 0.5);
  return 1 + static_cast<uint32_t>(shade);
}

}  // namespace

DibImage MakeLogo(int width, int height) {
  DibImage image;
  image.width = width;
  image.height = height;
  image.bitCount = 8;
  image.clrUsed = kLogoColors;
  Put(image.colors, 0, 0, 0);
  for (int i = 0; i < kDiscShades; ++i)
    Put(image.colors, 10 + i * 40 / kDiscShades, 40 + i * 120 / kDiscShades, 120 + i * 135 / kDiscShades);
  for (int i = 0; i < kRingShades; ++i)
    Put(image.colors, 200 + i * 55 / kRingShades, 120 + i * 100 / kRingShades, 20 + i * 30 / kRingShades);
  Put(image.colors, 255, 255, 255);
  image.pixels.resize(static_cast<size_t>(width) * height);
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x)
      image.pixels[static_cast<size_t>(height - 1 - y) * width + x] = EmblemAt(x, y, width, height);
  return image;
}

DibImage MakeLogoMask(int width, int height) {
  DibImage mask = MakeLogo(width, height);
  mask.clrUsed = 2;
  mask.colors.clear();
  // Pure black and white: a near-white (252) would clear the two low bits
  // of the background around the emblem and show the logo's square on a
  // true-colour display.
  Put(mask.colors, 0, 0, 0);        // the emblem: drawn
  Put(mask.colors, 255, 255, 255);  // around it: the background stays
  for (uint32_t& p : mask.pixels) p = p == 0 ? 1 : 0;
  return mask;
}

DibImage MakeScreenBackground() {
  // 0..127 the sky from night blue at the top to a lighter blue; 128..175
  // the light of the horizon, a wide arc low on the screen.
  constexpr int kSky = 128, kGlow = 48, kWidth = 640, kHeight = 480;
  DibImage image;
  image.width = kWidth;
  image.height = kHeight;
  image.bitCount = 8;
  image.clrUsed = kSky + kGlow;
  for (int i = 0; i < kSky; ++i)
    Put(image.colors, 0x06 + (0x2c - 0x06) * i / (kSky - 1), 0x14 + (0x6f - 0x14) * i / (kSky - 1),
        0x3f + (0xc4 - 0x3f) * i / (kSky - 1));
  for (int i = 0; i < kGlow; ++i)
    Put(image.colors, 0x50 + (0xe8 - 0x50) * i / (kGlow - 1), 0x90 + (0xf4 - 0x90) * i / (kGlow - 1),
        0xe0 + (0xff - 0xe0) * i / (kGlow - 1));
  image.pixels.resize(static_cast<size_t>(kWidth) * kHeight);
  for (int y = 0; y < kHeight; ++y) {
    for (int x = 0; x < kWidth; ++x) {
      uint32_t v = static_cast<uint32_t>(y * (kSky - 1) / (kHeight - 1));
      // Distance in pixels from the arc of an ellipse centred below the
      // screen; the light falls off over 16 pixels on each side.
      const double ex = (x - 320) / 560.0, ey = (y - 760) / 520.0;
      const double off = std::fabs(std::sqrt(ex * ex + ey * ey) - 1.0) * 520.0;
      const double glow = 1.0 - off / 16.0;
      if (glow > 0.1 && y > 200) v = kSky + static_cast<uint32_t>(glow * (kGlow - 1));
      image.pixels[static_cast<size_t>(kHeight - 1 - y) * kWidth + x] = v;
    }
  }
  return image;
}

std::vector<NamedPicture> ScreenArtPictures() {
  return {
      {"screen.bmp", MakeScreenBackground()},
      {"logo156.bmp", MakeLogo(257, 256)},
      {"logo157.bmp", MakeLogo(128, 128)},
      {"mask158.bmp", MakeLogoMask(257, 256)},
      {"mask159.bmp", MakeLogoMask(128, 128)},
  };
}
