#include "core/dib/dib_header.h"

namespace {
uint16_t Get16(const uint8_t* p) { return static_cast<uint16_t>(p[0] | p[1] << 8); }
uint32_t Get32(const uint8_t* p) {
  return static_cast<uint32_t>(p[0]) | static_cast<uint32_t>(p[1]) << 8 |
         static_cast<uint32_t>(p[2]) << 16 | static_cast<uint32_t>(p[3]) << 24;
}
void Put16(uint8_t* p, uint16_t v) {
  p[0] = static_cast<uint8_t>(v);
  p[1] = static_cast<uint8_t>(v >> 8);
}
void Put32(uint8_t* p, uint32_t v) {
  for (int i = 0; i < 4; ++i) p[i] = static_cast<uint8_t>(v >> (8 * i));
}
}  // namespace

DibFileHeader DibReadFileHeader(const uint8_t* p) {
  DibFileHeader h;
  h.bfType = Get16(p);
  h.bfSize = Get32(p + 2);
  h.bfOffBits = Get32(p + 10);
  return h;
}

void DibWriteFileHeader(const DibFileHeader& h, uint8_t* p) {
  Put16(p, h.bfType);
  Put32(p + 2, h.bfSize);
  Put32(p + 6, 0);
  Put32(p + 10, h.bfOffBits);
}

DibInfoHeader DibReadInfoHeader(const uint8_t* p) {
  DibInfoHeader h;
  h.biSize = Get32(p);
  h.biWidth = static_cast<int32_t>(Get32(p + 4));
  h.biHeight = static_cast<int32_t>(Get32(p + 8));
  h.biPlanes = Get16(p + 12);
  h.biBitCount = Get16(p + 14);
  h.biCompression = Get32(p + 16);
  h.biSizeImage = Get32(p + 20);
  h.biXPelsPerMeter = static_cast<int32_t>(Get32(p + 24));
  h.biYPelsPerMeter = static_cast<int32_t>(Get32(p + 28));
  h.biClrUsed = Get32(p + 32);
  h.biClrImportant = Get32(p + 36);
  return h;
}

void DibWriteInfoHeader(const DibInfoHeader& h, uint8_t* p) {
  Put32(p, h.biSize);
  Put32(p + 4, static_cast<uint32_t>(h.biWidth));
  Put32(p + 8, static_cast<uint32_t>(h.biHeight));
  Put16(p + 12, h.biPlanes);
  Put16(p + 14, h.biBitCount);
  Put32(p + 16, h.biCompression);
  Put32(p + 20, h.biSizeImage);
  Put32(p + 24, static_cast<uint32_t>(h.biXPelsPerMeter));
  Put32(p + 28, static_cast<uint32_t>(h.biYPelsPerMeter));
  Put32(p + 32, h.biClrUsed);
  Put32(p + 36, h.biClrImportant);
}

uint32_t DibColorCount(uint32_t clrUsed, uint16_t bitCount) {
  if (clrUsed != 0) return clrUsed;
  if (bitCount >= 1 && bitCount <= 8) return 1u << bitCount;
  return 0;
}

bool DibIsValidBitCount(uint16_t bitCount) {
  switch (bitCount) {
    case 1: case 4: case 8: case 16: case 24: case 32:
      return true;
    default:
      return false;
  }
}

uint32_t DibRowStride(int64_t width, uint16_t bitCount) {
  if (width <= 0 || bitCount == 0 || bitCount > 32) return 0;
  uint64_t bits = static_cast<uint64_t>(width) * bitCount;
  uint64_t stride = (bits + 31) / 32 * 4;
  return stride > 0xFFFFFFFFull ? 0 : static_cast<uint32_t>(stride);
}

bool DibImageSize(int64_t width, int64_t height, uint16_t bitCount, uint32_t* size) {
  uint32_t stride = DibRowStride(width, bitCount);
  if (stride == 0 || height == 0) return false;
  uint64_t rows = static_cast<uint64_t>(height < 0 ? -height : height);
  uint64_t total = rows * stride;
  if (total > 0x7FFFFFFFull) return false;
  *size = static_cast<uint32_t>(total);
  return true;
}
