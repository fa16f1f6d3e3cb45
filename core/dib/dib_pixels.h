// Pixel-row work for pictures read from resources: widening a picture to a
// multiple of 8 pixels (so that its mask rows fall on byte boundaries) and
// building the monochrome transparency mask.
#pragma once
#include <cstddef>
#include <cstdint>
#include <vector>

// Value of pixel x of a row of a 1, 4, 8, 16, 24 or 32-bit picture.
uint32_t DibGetPixel(const uint8_t* row, uint32_t x, uint16_t bitCount);
void DibSetPixel(uint8_t* row, uint32_t x, uint16_t bitCount, uint32_t value);

// The stored width of a resource picture: w itself when it is a multiple of
// 8, else the next multiple of 8. 0 when that does not fit in 31 bits.
uint32_t DibWidenedWidth(uint32_t width);

// Fill columns added on each side when w pixels are widened to W: the
// smaller half on the left.
struct DibFillSplit {
  uint32_t left;
  uint32_t right;
};
DibFillSplit DibSplitFill(uint32_t width, uint32_t widened);

// Copies `height` rows of `width` pixels (rows srcStride bytes apart) into
// rows of `widened` pixels (dstStride bytes apart), centred, with the fill
// columns set to the bottom-left pixel's value. dst must hold
// height * dstStride bytes, src height * srcStride bytes.
void DibWidenRows(const uint8_t* src, uint32_t srcStride, uint32_t width, uint32_t height,
                  uint16_t bitCount, uint8_t* dst, uint32_t dstStride, uint32_t widened);

// Bytes of one mask row: one bit per pixel, padded to 16 bits as the
// platform's monochrome bitmaps want.
uint32_t DibMaskRowBytes(uint32_t width);

// The transparency mask of a bottom-up picture, top row first: a bit is 1
// (white) where the pixel equals the bottom-left pixel, most significant bit
// first. Rows DibMaskRowBytes(width) apart; padding bits are 0.
std::vector<uint8_t> DibBuildMask(const uint8_t* bits, uint32_t stride, uint32_t width,
                                  uint32_t height, uint16_t bitCount);
