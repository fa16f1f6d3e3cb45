#include "core/launcher/picture_layout.h"

PictureCheck ReadPictureLayout(const uint8_t* data, size_t size, PictureLayout* layout) {
  *layout = PictureLayout{};
  if (!data || size < kDibInfoHeaderSize) return PictureCheck::kTooShort;
  const DibInfoHeader h = DibReadInfoHeader(data);
  layout->header = h;
  if (h.biSize < kDibInfoHeaderSize || h.biSize > size || h.biWidth <= 0 || h.biHeight == 0 ||
      h.biCompression != kDibRgb || !DibIsValidBitCount(h.biBitCount))
    return PictureCheck::kBadHeader;
  const uint32_t colors = DibColorCount(h.biClrUsed, h.biBitCount);
  if (colors == 0) return PictureCheck::kNoColorTable;
  // The loader keeps room for 256 entries after the header.
  if (colors > kDibMaxColors) return PictureCheck::kTooManyColors;
  layout->colors = colors;
  layout->stride = DibRowStride(h.biWidth, h.biBitCount);
  const int64_t height = h.biHeight < 0 ? -static_cast<int64_t>(h.biHeight) : h.biHeight;
  if (layout->stride == 0 || !DibImageSize(h.biWidth, height, h.biBitCount, &layout->imageSize))
    return PictureCheck::kBadHeader;
  layout->pixelOffset = h.biSize + 4 * colors;
  if (static_cast<uint64_t>(layout->pixelOffset) + layout->imageSize > size) return PictureCheck::kPixelsOutside;
  return PictureCheck::kOk;
}

std::vector<PictureColor> PicturePalette(const uint8_t* colorTable, uint32_t count) {
  std::vector<PictureColor> entries;
  entries.reserve(count);
  for (uint32_t i = 0; i < count; ++i) {
    const uint8_t* q = colorTable + 4 * i;
    entries.push_back({q[2], q[1], q[0], 0});
  }
  return entries;
}
