#include "core/dib/dib_pixels.h"

uint32_t DibGetPixel(const uint8_t* row, uint32_t x, uint16_t bitCount) {
  switch (bitCount) {
    case 1: return (row[x / 8] >> (7 - x % 8)) & 1u;
    case 4: return x % 2 ? row[x / 2] & 0x0Fu : row[x / 2] >> 4;
    case 8: return row[x];
    case 16: return row[2 * x] | row[2 * x + 1] << 8;
    case 24: return row[3 * x] | row[3 * x + 1] << 8 | static_cast<uint32_t>(row[3 * x + 2]) << 16;
    case 32:
      return row[4 * x] | row[4 * x + 1] << 8 | static_cast<uint32_t>(row[4 * x + 2]) << 16 |
             static_cast<uint32_t>(row[4 * x + 3]) << 24;
    default: return 0;
  }
}

void DibSetPixel(uint8_t* row, uint32_t x, uint16_t bitCount, uint32_t value) {
  switch (bitCount) {
    case 1: {
      uint8_t bit = static_cast<uint8_t>(0x80u >> (x % 8));
      row[x / 8] = static_cast<uint8_t>(value & 1 ? row[x / 8] | bit : row[x / 8] & ~bit);
      return;
    }
    case 4: {
      uint8_t& b = row[x / 2];
      b = static_cast<uint8_t>(x % 2 ? (b & 0xF0) | (value & 0x0F) : (b & 0x0F) | (value & 0x0F) << 4);
      return;
    }
    default:
      for (uint32_t i = 0; i < bitCount / 8u; ++i)
        row[bitCount / 8u * x + i] = static_cast<uint8_t>(value >> (8 * i));
  }
}

uint32_t DibWidenedWidth(uint32_t width) {
  if (width % 8 == 0) return width;
  uint32_t widened = (width & ~7u) + 8;
  return widened > 0x7FFFFFFFu ? 0 : widened;
}

DibFillSplit DibSplitFill(uint32_t width, uint32_t widened) {
  uint32_t extra = widened > width ? widened - width : 0;
  return {extra / 2, extra - extra / 2};
}

void DibWidenRows(const uint8_t* src, uint32_t srcStride, uint32_t width, uint32_t height,
                  uint16_t bitCount, uint8_t* dst, uint32_t dstStride, uint32_t widened) {
  if (height == 0) return;
  const uint32_t fill = DibGetPixel(src, 0, bitCount);
  const DibFillSplit split = DibSplitFill(width, widened);
  for (uint32_t y = 0; y < height; ++y) {
    const uint8_t* in = src + static_cast<size_t>(y) * srcStride;
    uint8_t* out = dst + static_cast<size_t>(y) * dstStride;
    for (uint32_t x = 0; x < widened; ++x) {
      bool inside = x >= split.left && x < split.left + width;
      DibSetPixel(out, x, bitCount, inside ? DibGetPixel(in, x - split.left, bitCount) : fill);
    }
    // Row padding after the last pixel stays 0.
    for (uint32_t i = (static_cast<uint64_t>(widened) * bitCount + 7) / 8; i < dstStride; ++i)
      out[i] = 0;
  }
}

uint32_t DibMaskRowBytes(uint32_t width) { return (width + 15) / 16 * 2; }

std::vector<uint8_t> DibBuildMask(const uint8_t* bits, uint32_t stride, uint32_t width,
                                  uint32_t height, uint16_t bitCount) {
  const uint32_t rowBytes = DibMaskRowBytes(width);
  std::vector<uint8_t> mask(static_cast<size_t>(rowBytes) * height, 0);
  if (height == 0 || width == 0) return mask;
  const uint32_t key = DibGetPixel(bits, 0, bitCount);
  for (uint32_t k = 0; k < height; ++k) {
    // Mask row k from the top is picture row k from the top: the picture's
    // rows are stored bottom row first.
    const uint8_t* row = bits + static_cast<size_t>(height - 1 - k) * stride;
    uint8_t* out = mask.data() + static_cast<size_t>(k) * rowBytes;
    for (uint32_t x = 0; x < width; ++x)
      if (DibGetPixel(row, x, bitCount) == key) out[x / 8] |= static_cast<uint8_t>(0x80u >> (x % 8));
  }
  return mask;
}
