#include <gtest/gtest.h>

#include <cstdint>

#include "core/dib/dib_header.h"

namespace {

TEST(DibColorCount, UsedCountWinsElseDepthUpTo8Bits) {
  EXPECT_EQ(DibColorCount(0, 1), 2u);
  EXPECT_EQ(DibColorCount(0, 4), 16u);
  EXPECT_EQ(DibColorCount(0, 8), 256u);
  EXPECT_EQ(DibColorCount(0, 16), 0u);
  EXPECT_EQ(DibColorCount(0, 24), 0u);
  EXPECT_EQ(DibColorCount(0, 0), 0u);
  EXPECT_EQ(DibColorCount(3, 4), 3u);
  EXPECT_EQ(DibColorCount(12, 24), 12u);
  EXPECT_EQ(DibColorCount(100000, 8), 100000u);  // unclamped: callers refuse it
}

TEST(DibRowStride, RowsArePaddedTo32Bits) {
  EXPECT_EQ(DibRowStride(372, 8), 372u);
  EXPECT_EQ(DibRowStride(61, 8), 64u);
  EXPECT_EQ(DibRowStride(61, 4), 32u);
  EXPECT_EQ(DibRowStride(40, 1), 8u);
  EXPECT_EQ(DibRowStride(8, 1), 4u);
  EXPECT_EQ(DibRowStride(30, 24), 92u);
  EXPECT_EQ(DibRowStride(0, 8), 0u);
  EXPECT_EQ(DibRowStride(-5, 8), 0u);
  EXPECT_EQ(DibRowStride(INT32_MAX, 32), 0u);  // does not fit in 32 bits
}

TEST(DibImageSize, RefusesSizesThatWouldOverflow) {
  uint32_t size = 0;
  ASSERT_TRUE(DibImageSize(372, 237, 8, &size));
  EXPECT_EQ(size, 372u * 237u);
  ASSERT_TRUE(DibImageSize(61, -10, 8, &size));  // top-down rows count the same
  EXPECT_EQ(size, 640u);
  EXPECT_FALSE(DibImageSize(65536, 65536, 8, &size));
  EXPECT_FALSE(DibImageSize(0x40000000, 2, 32, &size));
  EXPECT_FALSE(DibImageSize(10, 0, 8, &size));
  EXPECT_FALSE(DibImageSize(10, INT32_MIN, 8, &size));
}

}  // namespace
