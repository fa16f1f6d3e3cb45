// A small drawing surface for the programs' small pictures (icons, the
// cursor, the dialogs' animations and tree pictures): a handful of shapes in
// 4-bit colour on a fixed 16-colour palette whose entry 0 is the picture's
// transparent colour.
#pragma once
#include <algorithm>
#include <cstdint>
#include <cstdlib>

#include "core/dib/dib_writer.h"

namespace small_art {

// The palette: 0 is the transparent colour (magenta for the animations,
// pure red for the tree pictures), then the colours the shapes use.
enum Ink : uint32_t {
  kClear = 0, kBlack, kWhite, kGrey, kDarkGrey, kFolder, kFolderDark, kPaper,
  kBlue, kDarkBlue, kGreen, kBrown, kDarkBrown, kRed, kCyan, kOrange,
};
constexpr uint32_t kPalette[16] = {0,        0x000000, 0xFFFFFF, 0xC0C0C0, 0x606060, 0xF8D048,
                                   0xC09018, 0xF8F8F0, 0x3070E0, 0x183880, 0x30A040, 0xA06030,
                                   0x603818, 0xD02020, 0x40C8E8, 0xF09020};

class Canvas {
 public:
  Canvas(int w, int h, uint32_t clear) {
    image.width = w;
    image.height = h;
    image.bitCount = 4;
    for (int i = 0; i < 16; ++i) {
      const uint32_t rgb = i == 0 ? clear : kPalette[i];
      image.colors.insert(image.colors.end(), {static_cast<uint8_t>(rgb), static_cast<uint8_t>(rgb >> 8),
                                               static_cast<uint8_t>(rgb >> 16), 0});
    }
    image.pixels.assign(static_cast<size_t>(w) * h, kClear);
  }
  // (x, y) from the top left; outside points are dropped.
  void Put(int x, int y, uint32_t ink) {
    if (x < 0 || y < 0 || x >= image.width || y >= image.height) return;
    image.pixels[static_cast<size_t>(image.height - 1 - y) * image.width + x] = ink;
  }
  void Fill(int x, int y, int w, int h, uint32_t ink) {
    for (int j = y; j < y + h; ++j)
      for (int i = x; i < x + w; ++i) Put(i, j, ink);
  }
  void Frame(int x, int y, int w, int h, uint32_t ink) {
    Fill(x, y, w, 1, ink);
    Fill(x, y + h - 1, w, 1, ink);
    Fill(x, y, 1, h, ink);
    Fill(x + w - 1, y, 1, h, ink);
  }
  void Box(int x, int y, int w, int h, uint32_t fill, uint32_t edge) {
    Fill(x, y, w, h, fill);
    Frame(x, y, w, h, edge);
  }
  void Disc(int cx, int cy, int r, uint32_t ink) {
    for (int j = -r; j <= r; ++j)
      for (int i = -r; i <= r; ++i)
        if (i * i + j * j <= r * r) Put(cx + i, cy + j, ink);
  }
  // The same picture in 24-bit colour. The image lists that show these
  // pictures copy palette pictures by index into their own palette under
  // Wine, which scrambles the colours; direct colours come through as drawn.
  DibImage TrueColor() const {
    DibImage out = image;
    out.bitCount = 24;
    out.clrUsed = 0;
    out.colors.clear();
    for (uint32_t& p : out.pixels) {
      const uint8_t* q = &image.colors[4 * p];
      p = static_cast<uint32_t>(q[2]) << 16 | static_cast<uint32_t>(q[1]) << 8 | q[0];
    }
    return out;
  }
  void Line(int x0, int y0, int x1, int y1, uint32_t ink) {
    const int n = std::max(std::abs(x1 - x0), std::abs(y1 - y0));
    for (int k = 0; k <= n; ++k)
      Put(x0 + (n ? (x1 - x0) * k / n : 0), y0 + (n ? (y1 - y0) * k / n : 0), ink);
  }
  DibImage image;
};

}  // namespace small_art
