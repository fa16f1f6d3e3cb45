#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "core/dib/dib_file.h"
#include "core/dib/dib_writer.h"

namespace {

DibImage Picture(int w, int h, uint16_t bits, uint32_t used = 0) {
  DibImage image;
  image.width = w;
  image.height = h;
  image.bitCount = bits;
  image.clrUsed = used;
  image.colors.assign(4 * DibColorCount(used, bits), 0x55);
  image.pixels.assign(static_cast<size_t>(w) * h, 1);
  return image;
}

DibFileError Plan(const std::vector<uint8_t>& file, DibFilePlan* plan = nullptr) {
  DibFilePlan scratch;
  return DibPlanFile(file.data(), file.size(), file.size(), plan ? plan : &scratch);
}

void Patch32(std::vector<uint8_t>& f, size_t at, uint32_t v) {
  for (int i = 0; i < 4; ++i) f[at + i] = static_cast<uint8_t>(v >> (8 * i));
}

TEST(DibPlanFile, EightBitFileReadsItsTableAndRows) {
  std::vector<uint8_t> file = DibMakeFile(Picture(61, 10, 8));
  DibFilePlan plan;
  ASSERT_EQ(Plan(file, &plan), DibFileError::kNone);
  EXPECT_EQ(plan.colors, 256u);
  EXPECT_EQ(plan.colorTableOffset, 54u);
  EXPECT_EQ(plan.pixelOffset, 54u + 1024u);
  EXPECT_EQ(plan.pixelSize, 640u);
}

TEST(DibPlanFile, TwentyFourBitsWithoutUsedCountHasNoTable) {
  DibFilePlan plan;
  ASSERT_EQ(Plan(DibMakeFile(Picture(30, 7, 24)), &plan), DibFileError::kNone);
  EXPECT_EQ(plan.colors, 0u);
  ASSERT_EQ(Plan(DibMakeFile(Picture(30, 7, 24, 12)), &plan), DibFileError::kNone);
  EXPECT_EQ(plan.colors, 12u);
}

TEST(DibPlanFile, EveryTruncationFailsWithTheRightReason) {
  std::vector<uint8_t> file = DibMakeFile(Picture(13, 5, 4, 9));
  for (size_t len = 0; len < file.size(); ++len) {
    std::vector<uint8_t> cut(file.begin(), file.begin() + static_cast<long>(len));
    DibFilePlan plan;
    DibFileError e = DibPlanFile(cut.data(), cut.size(), cut.size(), &plan);
    if (len < 14) EXPECT_EQ(e, DibFileError::kFileHeader) << len;
    else if (len < 54) EXPECT_EQ(e, DibFileError::kInfoHeader) << len;
    else if (len < 54 + 36) EXPECT_EQ(e, DibFileError::kColorTable) << len;
    else EXPECT_EQ(e, DibFileError::kBitmapData) << len;
  }
  EXPECT_EQ(Plan(file), DibFileError::kNone);
}

TEST(DibPlanFile, RefusesWhatItCannotKeep) {
  std::vector<uint8_t> good = DibMakeFile(Picture(16, 4, 8));
  std::vector<uint8_t> f = good;
  f[0] = 'X';
  EXPECT_EQ(Plan(f), DibFileError::kNotBitmap);
  f = good;
  Patch32(f, 14, 12);
  EXPECT_EQ(Plan(f), DibFileError::kCoreHeader);
  EXPECT_STREQ(DibFileErrorText(DibFileError::kCoreHeader),
               "This is Presentation Manager format. We don't support it.");
  f = good;
  Patch32(f, 14, 108);  // any other header size is read as 40 bytes
  EXPECT_EQ(Plan(f), DibFileError::kNone);
  f = good;
  Patch32(f, 46, 257);
  EXPECT_EQ(Plan(f), DibFileError::kTooManyColors);
  f = good;
  Patch32(f, 46, 0xFFFFFFFFu);
  EXPECT_EQ(Plan(f), DibFileError::kTooManyColors);
}

TEST(DibPlanFile, RefusesGeometryThatOverflowsOrOutgrowsThePixels) {
  std::vector<uint8_t> good = DibMakeFile(Picture(16, 4, 8));
  struct {
    size_t at;
    uint32_t value;
    DibFileError want;
  } cases[] = {
      {18, 0x7FFFFFFF, DibFileError::kBitmapData},   // width: rows beyond the pixels
      {22, 0x7FFFFFFF, DibFileError::kBitmapData},   // height
      {18, 0, DibFileError::kBadGeometry},
      {18, 0x80000000u, DibFileError::kBadGeometry},  // negative width
      {22, 0, DibFileError::kBadGeometry},
      {22, 0x80000000u, DibFileError::kBitmapData},   // most negative height
      {18, 17, DibFileError::kBitmapData},  // one pixel wider: a row more than there is
  };
  for (const auto& c : cases) {
    std::vector<uint8_t> f = good;
    Patch32(f, c.at, c.value);
    EXPECT_EQ(Plan(f), c.want) << c.at << " " << c.value;
  }
  std::vector<uint8_t> f = good;
  f[28] = 7;  // 7 bits per pixel
  EXPECT_EQ(Plan(f), DibFileError::kBadGeometry);
  f = good;
  Patch32(f, 30, 3);  // bit fields
  EXPECT_EQ(Plan(f), DibFileError::kBadGeometry);
  f = good;
  Patch32(f, 30, 2);  // run lengths of 4 bits in an 8-bit picture
  EXPECT_EQ(Plan(f), DibFileError::kBadGeometry);
}

TEST(DibPlanFile, RefusesOffsetsOutsideTheFile) {
  std::vector<uint8_t> good = DibMakeFile(Picture(16, 4, 8));
  std::vector<uint8_t> f = good;
  Patch32(f, 10, static_cast<uint32_t>(f.size()) + 1);  // bfOffBits beyond bfSize
  EXPECT_EQ(Plan(f), DibFileError::kBitmapData);
  f = good;
  Patch32(f, 2, static_cast<uint32_t>(f.size()) + 64);  // bfSize beyond the file
  EXPECT_EQ(Plan(f), DibFileError::kBitmapData);
  f = good;
  Patch32(f, 10, 0xFFFFFFF0u);
  Patch32(f, 2, 0xFFFFFFFFu);
  EXPECT_EQ(Plan(f), DibFileError::kBitmapData);
  f = good;
  f.resize(f.size() + 100, 0);  // trailing bytes past bfSize are fine
  EXPECT_EQ(Plan(f), DibFileError::kNone);
}

TEST(DibPlanFile, RunLengthPixelsMustHoldTheirStatedSize) {
  std::vector<uint8_t> f = DibMakeFile(Picture(16, 4, 8));
  Patch32(f, 30, 1);
  Patch32(f, 34, 64);  // biSizeImage = all the pixel bytes
  EXPECT_EQ(Plan(f), DibFileError::kNone);
  Patch32(f, 34, 65);
  EXPECT_EQ(Plan(f), DibFileError::kBitmapData);
  Patch32(f, 34, 0);
  EXPECT_EQ(Plan(f), DibFileError::kBitmapData);
}

TEST(DibWriteIndexTable, EntryIHoldsI) {
  std::vector<uint8_t> t(2 * 256, 0xEE);
  DibWriteIndexTable(256, t.data());
  EXPECT_EQ(t[0], 0);
  EXPECT_EQ(t[2 * 200], 200);
  EXPECT_EQ(t[2 * 200 + 1], 0);
  EXPECT_EQ(t[2 * 255], 255);
}

}  // namespace
