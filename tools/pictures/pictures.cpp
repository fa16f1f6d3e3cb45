#include "pictures.h"

namespace {
void PutColor(std::vector<uint8_t>& table, uint32_t rgb) {
  table.push_back(static_cast<uint8_t>(rgb));
  table.push_back(static_cast<uint8_t>(rgb >> 8));
  table.push_back(static_cast<uint8_t>(rgb >> 16));
  table.push_back(0);
}

uint32_t Rgb(int r, int g, int b) {
  return static_cast<uint32_t>(r) << 16 | static_cast<uint32_t>(g) << 8 | static_cast<uint32_t>(b);
}

int Lerp(int a, int b, int i, int n) { return a + (b - a) * i / (n - 1); }

// The capital letters of the word marks and labels, 5 x 7, top row first,
// bit 4 the leftmost column.
const uint8_t* Glyph(char c) {
  static const struct {
    char c;
    uint8_t rows[7];
  } kGlyphs[] = {
      {'A', {0x0E, 0x11, 0x11, 0x1F, 0x11, 0x11, 0x11}}, {'B', {0x1E, 0x11, 0x11, 0x1E, 0x11, 0x11, 0x1E}},
      {'C', {0x0E, 0x11, 0x10, 0x10, 0x10, 0x11, 0x0E}}, {'D', {0x1C, 0x12, 0x11, 0x11, 0x11, 0x12, 0x1C}},
      {'E', {0x1F, 0x10, 0x10, 0x1E, 0x10, 0x10, 0x1F}}, {'F', {0x1F, 0x10, 0x10, 0x1E, 0x10, 0x10, 0x10}},
      {'G', {0x0E, 0x11, 0x10, 0x17, 0x11, 0x11, 0x0F}}, {'H', {0x11, 0x11, 0x11, 0x1F, 0x11, 0x11, 0x11}},
      {'I', {0x0E, 0x04, 0x04, 0x04, 0x04, 0x04, 0x0E}}, {'J', {0x07, 0x02, 0x02, 0x02, 0x02, 0x12, 0x0C}},
      {'K', {0x11, 0x12, 0x14, 0x18, 0x14, 0x12, 0x11}}, {'L', {0x10, 0x10, 0x10, 0x10, 0x10, 0x10, 0x1F}},
      {'M', {0x11, 0x1B, 0x15, 0x15, 0x11, 0x11, 0x11}}, {'N', {0x11, 0x19, 0x15, 0x13, 0x11, 0x11, 0x11}},
      {'O', {0x0E, 0x11, 0x11, 0x11, 0x11, 0x11, 0x0E}}, {'P', {0x1E, 0x11, 0x11, 0x1E, 0x10, 0x10, 0x10}},
      {'Q', {0x0E, 0x11, 0x11, 0x11, 0x15, 0x12, 0x0D}}, {'R', {0x1E, 0x11, 0x11, 0x1E, 0x14, 0x12, 0x11}},
      {'S', {0x0F, 0x10, 0x10, 0x0E, 0x01, 0x01, 0x1E}}, {'T', {0x1F, 0x04, 0x04, 0x04, 0x04, 0x04, 0x04}},
      {'U', {0x11, 0x11, 0x11, 0x11, 0x11, 0x11, 0x0E}}, {'V', {0x11, 0x11, 0x11, 0x11, 0x11, 0x0A, 0x04}},
      {'W', {0x11, 0x11, 0x11, 0x15, 0x15, 0x15, 0x0A}}, {'X', {0x11, 0x11, 0x0A, 0x04, 0x0A, 0x11, 0x11}},
      {'Y', {0x11, 0x11, 0x0A, 0x04, 0x04, 0x04, 0x04}}, {'Z', {0x1F, 0x01, 0x02, 0x04, 0x08, 0x10, 0x1F}},
  };
  for (const auto& g : kGlyphs)
    if (g.c == c) return g.rows;
  return nullptr;  // a blank
}

}  // namespace

bool InWordmark(int x, int y, const char* text, int scale) {
  if (x < 0 || y < 0 || y >= 7 * scale) return false;
  const int advance = 6 * scale;
  const int index = x / advance, column = x % advance / scale;
  for (int i = 0; i < index; ++i)
    if (!text[i]) return false;
  const uint8_t* rows = Glyph(text[index]);
  return rows && column < 5 && (rows[y / scale] >> (4 - column) & 1);
}

uint32_t TestColor(uint32_t i) { return Rgb(255 - static_cast<int>(i), (i * 7) & 255, i); }

uint32_t TestPixel(int x, int y, uint16_t bitCount, uint32_t colors) {
  switch (bitCount) {
    case 1: return static_cast<uint32_t>(x / 3 + y) % 2;
    case 24: return Rgb((x * 5) & 255, (y * 9) & 255, (x + y) & 255);
    default: return static_cast<uint32_t>(x + 3 * y) % colors;
  }
}

DibImage MakeTestPicture(int width, int height, uint16_t bitCount, uint32_t clrUsed) {
  DibImage image;
  image.width = width;
  image.height = height;
  image.bitCount = bitCount;
  image.clrUsed = clrUsed;
  uint32_t colors = DibColorCount(clrUsed, bitCount);
  for (uint32_t i = 0; i < colors; ++i) PutColor(image.colors, TestColor(i));
  image.pixels.resize(static_cast<size_t>(width) * height);
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x)
      image.pixels[static_cast<size_t>(y) * width + x] = TestPixel(x, y, bitCount, colors);
  return image;
}

DibImage MakeMaskPicture(int width, int height) {
  DibImage image = MakeTestPicture(width, height, 1);
  image.colors.clear();
  PutColor(image.colors, 0x000000);
  PutColor(image.colors, 0xFFFFFF);
  return image;
}

DibImage MakeSplashPicture(int accent) {
  // Palette: 0-127 a night-blue to sky gradient, 128-191 the accent ramp,
  // 192-255 greys to white.
  DibImage image;
  image.width = 372;
  image.height = 237;
  image.bitCount = 8;
  for (int i = 0; i < 128; ++i) PutColor(image.colors, Rgb(Lerp(8, 96, i, 128), Lerp(16, 160, i, 128), Lerp(64, 235, i, 128)));
  for (int i = 0; i < 64; ++i)
    PutColor(image.colors, accent == 0 ? Rgb(Lerp(160, 255, i, 64), Lerp(60, 200, i, 64), 16)
                                       : Rgb(16, Lerp(110, 240, i, 64), Lerp(60, 150, i, 64)));
  for (int i = 0; i < 64; ++i) PutColor(image.colors, Rgb(Lerp(96, 255, i, 64), Lerp(96, 255, i, 64), Lerp(96, 255, i, 64)));

  image.pixels.resize(372 * 237);
  const int cx = 96, cy = 118;
  for (int y = 0; y < 237; ++y) {
    for (int x = 0; x < 372; ++x) {
      int top = 236 - y;  // rows are stored bottom-up
      uint32_t v = static_cast<uint32_t>(127 - top * 127 / 236);
      int dx = x - cx, dy = y - cy, d2 = dx * dx + dy * dy;
      if (d2 >= 58 * 58 && d2 <= 78 * 78) {
        // The ring: shaded from its lower left to its upper right.
        v = 128 + static_cast<uint32_t>((dx + dy + 156) * 63 / 312);
      } else if (d2 <= 40 * 40) {
        v = 192 + static_cast<uint32_t>((40 * 40 - d2) * 63 / (40 * 40));
      } else if (InWordmark(x - 196, top - 84, "VANTORA", 4) || InWordmark(x - 197, top - 126, "INTERNET SETUP", 2)) {
        v = top < 120 ? 255 : 224;
      }
      if (x < 3 || y < 3 || x >= 369 || y >= 234) v = 200;  // frame
      image.pixels[static_cast<size_t>(y) * 372 + x] = v;
    }
  }
  return image;
}

std::vector<NamedPicture> GeneratedPictures() {
  return {
      {"splash150.bmp", MakeSplashPicture(0)},
      {"splash.bmp", MakeSplashPicture(1)},
      {"test8_372.bmp", MakeTestPicture(372, 20, 8)},
      {"test8_64.bmp", MakeTestPicture(64, 16, 8)},
      {"test8_61.bmp", MakeTestPicture(61, 10, 8)},
      {"test4_61.bmp", MakeTestPicture(61, 9, 4)},
      {"test4_used.bmp", MakeTestPicture(24, 6, 4, 3)},
      {"test1_40.bmp", MakeTestPicture(40, 8, 1)},
      {"test24_30.bmp", MakeTestPicture(30, 7, 24)},
      {"testmask_64.bmp", MakeMaskPicture(64, 16)},
  };
}
