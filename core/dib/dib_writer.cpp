#include "core/dib/dib_writer.h"

#include <algorithm>

#include "core/dib/dib_pixels.h"

std::vector<uint8_t> DibMakePacked(const DibImage& image) {
  DibInfoHeader h;
  h.biSize = kDibInfoHeaderSize;
  h.biWidth = image.width;
  h.biHeight = image.height;
  h.biPlanes = 1;
  h.biBitCount = image.bitCount;
  h.biCompression = kDibRgb;
  h.biClrUsed = image.clrUsed;
  uint32_t stride = DibRowStride(image.width, image.bitCount);
  const uint32_t imageSize = stride * static_cast<uint32_t>(image.height);
  h.biSizeImage = image.writeSizeImage ? imageSize : 0;
  std::vector<uint8_t> out(kDibInfoHeaderSize + image.colors.size() + imageSize, 0);
  DibWriteInfoHeader(h, out.data());
  std::copy(image.colors.begin(), image.colors.end(), out.begin() + kDibInfoHeaderSize);
  uint8_t* bits = out.data() + kDibInfoHeaderSize + image.colors.size();
  for (int y = 0; y < image.height; ++y)
    for (int x = 0; x < image.width; ++x)
      DibSetPixel(bits + static_cast<size_t>(y) * stride, x, image.bitCount, image.At(x, y));
  return out;
}

std::vector<uint8_t> DibMakeFile(const DibImage& image) {
  std::vector<uint8_t> packed = DibMakePacked(image);
  std::vector<uint8_t> out(kDibFileHeaderSize, 0);
  DibFileHeader f;
  f.bfType = kDibFileType;
  f.bfSize = static_cast<uint32_t>(kDibFileHeaderSize + packed.size());
  f.bfOffBits = static_cast<uint32_t>(kDibFileHeaderSize + kDibInfoHeaderSize + image.colors.size());
  DibWriteFileHeader(f, out.data());
  out.insert(out.end(), packed.begin(), packed.end());
  return out;
}
