// Icon and cursor files of one image. The two formats are one: a directory
// (type 1 for an icon, 2 for a cursor) whose entry holds, after the size and
// colour count, an icon's planes and depth or a cursor's hotspot; then the
// picture as a bitmap whose height counts its colour rows and its mask rows,
// and the mask (1 = what is behind shows, each row padded to 32 bits) after
// the colour rows.
#include "canvas.h"
#include "pictures.h"

namespace {

// `image` holds the colour rows; the mask is 1 where `shape` has colour 0.
std::vector<uint8_t> IconDirectoryFile(uint16_t type, const DibImage& image, const DibImage& shape,
                                       uint16_t word1, uint16_t word2) {
  DibImage rows = image;
  rows.writeSizeImage = false;  // may be 0 uncompressed, as the resource compilers write it
  std::vector<uint8_t> packed = DibMakePacked(rows);
  const uint32_t height = static_cast<uint32_t>(image.height) * 2;
  for (int i = 0; i < 4; ++i) packed[8 + i] = static_cast<uint8_t>(height >> (8 * i));
  const size_t maskStride = (static_cast<size_t>(image.width) + 31) / 32 * 4;
  for (int y = 0; y < image.height; ++y) {
    std::vector<uint8_t> row(maskStride, 0);
    for (int x = 0; x < image.width; ++x)
      if (shape.At(x, y) == 0) row[x / 8] |= static_cast<uint8_t>(0x80 >> (x % 8));
    packed.insert(packed.end(), row.begin(), row.end());
  }
  std::vector<uint8_t> file = {0, 0, static_cast<uint8_t>(type), 0, 1, 0,  // reserved, type, one image
                               static_cast<uint8_t>(image.width), static_cast<uint8_t>(image.height),
                               static_cast<uint8_t>(image.clrUsed), 0};
  for (uint16_t v : {word1, word2})
    for (int i = 0; i < 2; ++i) file.push_back(static_cast<uint8_t>(v >> (8 * i)));
  for (uint32_t v : {static_cast<uint32_t>(packed.size()), 22u})
    for (int i = 0; i < 4; ++i) file.push_back(static_cast<uint8_t>(v >> (8 * i)));
  file.insert(file.end(), packed.begin(), packed.end());
  return file;
}

}  // namespace

std::vector<uint8_t> MakeIconFile(const DibImage& image) {
  return IconDirectoryFile(1, image, image, 1, image.bitCount);
}

std::vector<uint8_t> MakeCursorFile(const DibImage& drawing, int hotX, int hotY) {
  // A monochrome cursor: the colour rows are 1 where the drawing is white
  // (the canvas's white), 0 (black) elsewhere; under the mask a 0 row shows what is
  // behind.
  DibImage mono;
  mono.width = drawing.width;
  mono.height = drawing.height;
  mono.bitCount = 1;
  mono.colors = {0, 0, 0, 0, 255, 255, 255, 0};
  for (uint32_t p : drawing.pixels) mono.pixels.push_back(p == small_art::kWhite ? 1 : 0);
  return IconDirectoryFile(2, mono, drawing, static_cast<uint16_t>(hotX), static_cast<uint16_t>(hotY));
}
