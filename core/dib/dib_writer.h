// Writes pictures in the bitmap file format (and the packed form that
// resources hold), for the asset generator and the tests.
#pragma once
#include <cstdint>
#include <vector>

#include "core/dib/dib_header.h"

struct DibImage {
  int32_t width = 0;
  int32_t height = 0;  // rows bottom-up
  uint16_t bitCount = 8;
  uint32_t clrUsed = 0;  // written as biClrUsed
  // False writes biSizeImage as 0, which an uncompressed picture may have.
  bool writeSizeImage = true;
  // RGB colour table entries as blue, green, red, 0 (the file's order).
  std::vector<uint8_t> colors;
  // Pixel values, row 0 the bottom row, width * height of them.
  std::vector<uint32_t> pixels;

  uint32_t At(int x, int y) const { return pixels[static_cast<size_t>(y) * width + x]; }
};

// Header, colour table and pixel rows, without the 14-byte file header.
std::vector<uint8_t> DibMakePacked(const DibImage& image);
// The whole file: file header, then the packed form.
std::vector<uint8_t> DibMakeFile(const DibImage& image);
