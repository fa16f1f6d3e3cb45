#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "core/dib/dib_palette.h"

namespace {

std::vector<uint8_t> Table(uint32_t n) {
  std::vector<uint8_t> t;
  for (uint32_t i = 0; i < n; ++i) {
    t.push_back(static_cast<uint8_t>(i));       // blue
    t.push_back(static_cast<uint8_t>(i + 1));   // green
    t.push_back(static_cast<uint8_t>(i + 2));   // red
    t.push_back(0xEE);
  }
  return t;
}

DibInfoHeader Header(uint16_t bits, uint32_t used) {
  DibInfoHeader h;
  h.biBitCount = bits;
  h.biClrUsed = used;
  return h;
}

TEST(DibPaletteFromHeader, FourBitsWithThreeUsedColoursGives13BlackEntries) {
  std::vector<uint8_t> t = Table(3);
  std::vector<DibPalEntry> p = DibPaletteFromHeader(Header(4, 3), t.data());
  ASSERT_EQ(p.size(), 16u);
  EXPECT_EQ(p[2].red, 4);
  EXPECT_EQ(p[2].green, 3);
  EXPECT_EQ(p[2].blue, 2);
  EXPECT_EQ(p[2].flags, kPalPlain);
  for (size_t i = 3; i < 16; ++i) EXPECT_EQ(p[i].red | p[i].green | p[i].blue | p[i].flags, 0);
}

TEST(DibPaletteFromHeader, SizeComesFromTheDepthAndUsedCountIsClamped) {
  std::vector<uint8_t> t = Table(256);
  EXPECT_EQ(DibPaletteFromHeader(Header(24, 0), t.data()).size(), 0u);
  EXPECT_EQ(DibPaletteFromHeader(Header(24, 12), t.data()).size(), 0u);
  EXPECT_EQ(DibPaletteFromHeader(Header(8, 0), t.data()).size(), 256u);
  // A used count above 2^depth reads no more than 2^depth table entries.
  EXPECT_EQ(DibPaletteTableEntries(Header(1, 200)), 2u);
  EXPECT_EQ(DibPaletteFromHeader(Header(1, 200), t.data()).size(), 2u);
}

TEST(DibPaletteFromColors, CarriesTheGivenFlags) {
  std::vector<uint8_t> t = Table(4);
  std::vector<DibPalEntry> p = DibPaletteFromColors(t.data(), 4, kPalNoCollapse);
  ASSERT_EQ(p.size(), 4u);
  EXPECT_EQ(p[3].red, 5);
  EXPECT_EQ(p[3].flags, kPalNoCollapse);
}

TEST(DibNonBlackEntries, KeepsOrderDropsPureBlackClearsFlags) {
  std::vector<DibPalEntry> in = {
      {0, 0, 0, 1}, {1, 0, 0, 4}, {0, 0, 0, 0}, {0, 0, 9, 1}, {0, 2, 0, 0}};
  std::vector<DibPalEntry> out = DibNonBlackEntries(in.data(), in.size());
  ASSERT_EQ(out.size(), 3u);
  EXPECT_EQ(out[0].red, 1);
  EXPECT_EQ(out[0].flags, 0);
  EXPECT_EQ(out[1].blue, 9);
  EXPECT_EQ(out[2].green, 2);
  std::vector<DibPalEntry> black(256, DibPalEntry{0, 0, 0, 1});
  EXPECT_TRUE(DibNonBlackEntries(black.data(), black.size()).empty());
}

}  // namespace
