#include <gtest/gtest.h>

#include <vector>

#include "core/dib/dib_writer.h"
#include "core/launcher/picture_layout.h"

namespace {

std::vector<uint8_t> Packed(int width, int height, uint16_t bits, uint32_t clrUsed) {
  DibImage image;
  image.width = width;
  image.height = height;
  image.bitCount = bits;
  image.clrUsed = clrUsed;
  const uint32_t colors = DibColorCount(clrUsed, bits);
  for (uint32_t i = 0; i < colors; ++i) image.colors.insert(image.colors.end(), {uint8_t(i), uint8_t(2 * i), 200, 0});
  image.pixels.assign(static_cast<size_t>(width) * height, 0);
  return DibMakePacked(image);
}

}  // namespace

TEST(LauncherPicture, TheBackgroundWith255ColoursUsesTheComputedSize) {
  std::vector<uint8_t> r = Packed(600, 420, 8, 255);
  r[20] = r[21] = r[22] = r[23] = 0;  // biSizeImage 0, as the picture has it
  PictureLayout l;
  ASSERT_EQ(ReadPictureLayout(r.data(), r.size(), &l), PictureCheck::kOk);
  EXPECT_EQ(l.colors, 255u);
  EXPECT_EQ(l.stride, 600u);
  EXPECT_EQ(l.imageSize, 600u * 420u);
  EXPECT_EQ(l.pixelOffset, 40u + 4u * 255u);
  const std::vector<PictureColor> palette = PicturePalette(r.data() + 40, l.colors);
  ASSERT_EQ(palette.size(), 255u);
  EXPECT_EQ(palette[7].red, 200);
  EXPECT_EQ(palette[7].green, 14);
  EXPECT_EQ(palette[7].blue, 7);
  EXPECT_EQ(palette[7].flags, 0);
}

TEST(LauncherPicture, RowsArePaddedTo32Bits) {
  std::vector<uint8_t> r = Packed(61, 3, 8, 0);
  PictureLayout l;
  ASSERT_EQ(ReadPictureLayout(r.data(), r.size(), &l), PictureCheck::kOk);
  EXPECT_EQ(l.stride, 64u);
  EXPECT_EQ(l.colors, 256u);
  EXPECT_EQ(l.imageSize, 192u);
}

TEST(LauncherPicture, PicturesItCannotUseAreRefusedBeforeAnythingIsSized) {
  PictureLayout l;
  std::vector<uint8_t> trueColour = Packed(8, 8, 24, 0);
  EXPECT_EQ(ReadPictureLayout(trueColour.data(), trueColour.size(), &l), PictureCheck::kNoColorTable);
  std::vector<uint8_t> r = Packed(16, 4, 8, 0);
  EXPECT_EQ(ReadPictureLayout(r.data(), 39, &l), PictureCheck::kTooShort);
  EXPECT_EQ(ReadPictureLayout(nullptr, 0, &l), PictureCheck::kTooShort);
  EXPECT_EQ(ReadPictureLayout(r.data(), r.size() - 1, &l), PictureCheck::kPixelsOutside);
  std::vector<uint8_t> many = r;
  many[32] = 0x01, many[33] = 0x01;  // biClrUsed 257
  EXPECT_EQ(ReadPictureLayout(many.data(), many.size(), &l), PictureCheck::kTooManyColors);
  std::vector<uint8_t> huge = r;
  huge[32] = 0xFF, huge[33] = 0xFF, huge[34] = 0xFF, huge[35] = 0xFF;
  EXPECT_EQ(ReadPictureLayout(huge.data(), huge.size(), &l), PictureCheck::kTooManyColors);
  std::vector<uint8_t> wide = r;
  wide[4] = 0xFF, wide[5] = 0xFF, wide[6] = 0xFF, wide[7] = 0x7F;  // biWidth 2^31 - 1
  EXPECT_NE(ReadPictureLayout(wide.data(), wide.size(), &l), PictureCheck::kOk);
  std::vector<uint8_t> packed = r;
  packed[16] = 1;  // RLE8
  EXPECT_EQ(ReadPictureLayout(packed.data(), packed.size(), &l), PictureCheck::kBadHeader);
  std::vector<uint8_t> badSize = r;
  badSize[0] = 0xFF, badSize[1] = 0xFF;
  EXPECT_EQ(ReadPictureLayout(badSize.data(), badSize.size(), &l), PictureCheck::kBadHeader);
}

TEST(LauncherPicture, TopDownRowsCountByTheirNumber) {
  std::vector<uint8_t> r = Packed(4, 5, 8, 2);
  r[8] = 0xFB, r[9] = 0xFF, r[10] = 0xFF, r[11] = 0xFF;  // biHeight -5
  PictureLayout l;
  ASSERT_EQ(ReadPictureLayout(r.data(), r.size(), &l), PictureCheck::kOk);
  EXPECT_EQ(l.imageSize, 20u);
}
