// The device-independent bitmap headers as they lie in files and resources
// (little-endian, packed), and the arithmetic every picture user shares:
// the colour count, row strides and the pixel size of a picture.
#pragma once
#include <cstddef>
#include <cstdint>

constexpr size_t kDibFileHeaderSize = 14;
constexpr size_t kDibInfoHeaderSize = 40;
constexpr uint16_t kDibFileType = 0x4D42;  // "BM"
constexpr uint32_t kDibCoreHeaderSize = 12;
constexpr int kDibMaxColors = 256;

// Compression values of the info header.
enum : uint32_t { kDibRgb = 0, kDibRle8 = 1, kDibRle4 = 2 };

struct DibFileHeader {
  uint16_t bfType = 0;
  uint32_t bfSize = 0;
  uint32_t bfOffBits = 0;
};

struct DibInfoHeader {
  uint32_t biSize = 0;
  int32_t biWidth = 0;
  int32_t biHeight = 0;
  uint16_t biPlanes = 0;
  uint16_t biBitCount = 0;
  uint32_t biCompression = 0;
  uint32_t biSizeImage = 0;
  int32_t biXPelsPerMeter = 0;
  int32_t biYPelsPerMeter = 0;
  uint32_t biClrUsed = 0;
  uint32_t biClrImportant = 0;
};

// Readers of exactly kDibFileHeaderSize / kDibInfoHeaderSize bytes.
DibFileHeader DibReadFileHeader(const uint8_t* p);
DibInfoHeader DibReadInfoHeader(const uint8_t* p);
void DibWriteInfoHeader(const DibInfoHeader& h, uint8_t* p);
void DibWriteFileHeader(const DibFileHeader& h, uint8_t* p);

// The colour count: biClrUsed when not 0; else 2^biBitCount for 1 to 8 bits
// per pixel; else 0. Unclamped: callers decide what a count above 256 means.
uint32_t DibColorCount(uint32_t clrUsed, uint16_t bitCount);
inline uint32_t DibColorCount(const DibInfoHeader& h) {
  return DibColorCount(h.biClrUsed, h.biBitCount);
}

// True for the pixel depths the platform draws: 1, 4, 8, 16, 24, 32.
bool DibIsValidBitCount(uint16_t bitCount);

// Bytes of one pixel row, padded to 32 bits as the format wants; 0 when the
// width is not positive or the row would not fit in 32 bits.
uint32_t DibRowStride(int64_t width, uint16_t bitCount);

// Bytes of the uncompressed pixel rows of a width x |height| picture; false
// for a non-positive width, a zero height, or a size beyond 2^31.
bool DibImageSize(int64_t width, int64_t height, uint16_t bitCount, uint32_t* size);
