#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "core/dib/dib_header.h"
#include "core/dib/dib_pixels.h"
#include "core/dib/dib_resource.h"
#include "core/dib/dib_writer.h"

namespace {

TEST(DibWidening, NextMultipleOf8AndTheSmallerHalfLeft) {
  EXPECT_EQ(DibWidenedWidth(372), 376u);
  EXPECT_EQ(DibWidenedWidth(61), 64u);
  EXPECT_EQ(DibWidenedWidth(64), 64u);
  EXPECT_EQ(DibWidenedWidth(1), 8u);
  EXPECT_EQ(DibWidenedWidth(0x7FFFFFFFu), 0u);
  EXPECT_EQ(DibSplitFill(372, 376).left, 2u);
  EXPECT_EQ(DibSplitFill(372, 376).right, 2u);
  EXPECT_EQ(DibSplitFill(61, 64).left, 1u);
  EXPECT_EQ(DibSplitFill(61, 64).right, 2u);
  EXPECT_EQ(DibSplitFill(64, 64).left + DibSplitFill(64, 64).right, 0u);
}

TEST(DibPixels, GetAndSetAtEveryDepth) {
  for (uint16_t bits : {1, 4, 8, 16, 24, 32}) {
    std::vector<uint8_t> row(64, 0);
    uint32_t top = bits == 32 ? 0xFFFFFFFFu : (1u << bits) - 1;
    for (uint32_t x = 0; x < 13; ++x) DibSetPixel(row.data(), x, bits, (x * 2654435761u) & top);
    for (uint32_t x = 0; x < 13; ++x)
      EXPECT_EQ(DibGetPixel(row.data(), x, bits), (x * 2654435761u) & top) << bits << " " << x;
  }
}

// A bottom-up 8-bit picture whose rows are `stride` apart.
std::vector<uint8_t> Rows8(uint32_t w, uint32_t h, uint32_t stride) {
  std::vector<uint8_t> bits(static_cast<size_t>(stride) * h, 0xAA);
  for (uint32_t y = 0; y < h; ++y)
    for (uint32_t x = 0; x < w; ++x) bits[y * stride + x] = static_cast<uint8_t>(10 + x + 3 * y);
  return bits;
}

TEST(DibWidenRows, EightBitRowsGetFillColumnsOfTheBottomLeftPixel) {
  const uint32_t w = 372, h = 3, W = 376;
  std::vector<uint8_t> src = Rows8(w, h, w);
  std::vector<uint8_t> dst(W * h, 0);
  DibWidenRows(src.data(), w, w, h, 8, dst.data(), W, W);
  for (uint32_t y = 0; y < h; ++y) {
    const uint8_t* row = &dst[y * W];
    EXPECT_EQ(row[0], 10);
    EXPECT_EQ(row[1], 10);
    EXPECT_EQ(row[2], static_cast<uint8_t>(10 + 3 * y));
    EXPECT_EQ(row[373], static_cast<uint8_t>(10 + 371 + 3 * y));
    EXPECT_EQ(row[374], 10);
    EXPECT_EQ(row[375], 10);
  }
}

TEST(DibWidenRows, SourceRowsFollowTheirPaddedStride) {
  // 61 pixels at 8 bits: the resource's rows are 64 bytes apart.
  std::vector<uint8_t> src = Rows8(61, 4, 64);
  std::vector<uint8_t> dst(64 * 4, 0xFF);
  DibWidenRows(src.data(), 64, 61, 4, 8, dst.data(), 64, 64);
  EXPECT_EQ(dst[64 * 3 + 1], 10 + 9);  // row 3 starts with its own first pixel
  EXPECT_EQ(dst[64 * 3 + 61], 10 + 60 + 9);
  EXPECT_EQ(dst[64 * 3 + 62], 10);
}

TEST(DibWidenRows, FourBitPicturesWidenByPixelsNotBytes) {
  std::vector<uint8_t> src(32 * 2, 0);  // 61 pixels, 4 bits: 31 bytes, padded to 32
  for (uint32_t x = 0; x < 61; ++x) {
    DibSetPixel(&src[0], x, 4, (x + 5) % 16);
    DibSetPixel(&src[32], x, 4, x % 16);
  }
  std::vector<uint8_t> dst(32 * 2, 0xFF);
  DibWidenRows(src.data(), 32, 61, 2, 4, dst.data(), 32, 64);
  EXPECT_EQ(DibGetPixel(&dst[0], 0, 4), 5u);   // fill: bottom-left pixel
  EXPECT_EQ(DibGetPixel(&dst[0], 1, 4), 5u);   // first real pixel
  EXPECT_EQ(DibGetPixel(&dst[0], 2, 4), 6u);
  EXPECT_EQ(DibGetPixel(&dst[32], 61, 4), 60u % 16);
  EXPECT_EQ(DibGetPixel(&dst[32], 62, 4), 5u);
  EXPECT_EQ(DibGetPixel(&dst[32], 63, 4), 5u);
}

TEST(DibBuildMask, TopRowFirstKeyBitsWhiteRowsPaddedTo16Bits) {
  // 24 x 2 picture: 3 mask bytes a row, padded to 4.
  const uint32_t w = 24, h = 2;
  std::vector<uint8_t> bits(w * h, 9);
  bits[0] = 7;            // bottom-left: the key
  bits[5] = 7;            // bottom row, x 5
  bits[w + 23] = 7;       // top row, x 23
  std::vector<uint8_t> mask = DibBuildMask(bits.data(), w, w, h, 8);
  ASSERT_EQ(DibMaskRowBytes(w), 4u);
  ASSERT_EQ(mask.size(), 8u);
  EXPECT_EQ(mask[0], 0x00);  // top row first
  EXPECT_EQ(mask[2], 0x01);
  EXPECT_EQ(mask[3], 0x00);  // padding
  EXPECT_EQ(mask[4], 0x84);  // bottom row: x 0 and x 5
  EXPECT_EQ(mask[5], 0x00);
  EXPECT_EQ(DibMaskRowBytes(376), 48u);
  EXPECT_EQ(DibMaskRowBytes(64), 8u);
  EXPECT_EQ(DibMaskRowBytes(8), 2u);
}

DibImage Pattern(int w, int h, uint16_t bits, uint32_t colors) {
  DibImage image;
  image.width = w;
  image.height = h;
  image.bitCount = bits;
  image.colors.assign(4 * colors, 1);
  image.pixels.assign(static_cast<size_t>(w) * h, 0);
  return image;
}

TEST(DibPlanResource, WidensAndSizesFromTheHeader) {
  std::vector<uint8_t> res = DibMakePacked(Pattern(372, 237, 8, 256));
  DibResourcePlan plan;
  ASSERT_TRUE(DibPlanResource(res.data(), res.size(), &plan));
  EXPECT_EQ(plan.widened, 376u);
  EXPECT_EQ(plan.pixelOffset, 40u + 1024u);
  EXPECT_EQ(plan.pixelSize, 376u * 237u);
  EXPECT_TRUE(plan.needsMask);
  res = DibMakePacked(Pattern(40, 8, 1, 2));
  ASSERT_TRUE(DibPlanResource(res.data(), res.size(), &plan));
  EXPECT_FALSE(plan.needsMask);
  EXPECT_EQ(plan.dstStride, 8u);
  res = DibMakePacked(Pattern(30, 7, 24, 0));
  ASSERT_TRUE(DibPlanResource(res.data(), res.size(), &plan));
  EXPECT_EQ(plan.widened, 32u);
  EXPECT_EQ(plan.dstStride, 96u);
  EXPECT_FALSE(plan.needsMask);
}

TEST(DibPlanResource, RefusesResourcesShorterThanTheirHeaderSays) {
  std::vector<uint8_t> res = DibMakePacked(Pattern(61, 10, 8, 256));
  DibResourcePlan plan;
  for (size_t len : {size_t{0}, size_t{39}, size_t{40}, size_t{40 + 1024}, res.size() - 1})
    EXPECT_FALSE(DibPlanResource(res.data(), len, &plan)) << len;
  EXPECT_TRUE(DibPlanResource(res.data(), res.size(), &plan));
  res[32] = 0x01;  // biClrUsed 257
  res[33] = 0x01;
  EXPECT_FALSE(DibPlanResource(res.data(), res.size(), &plan));
}

}  // namespace
