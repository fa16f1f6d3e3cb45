// Fuzz target: the launcher's bitmap resources as its picture loader meets
// them. Whatever the bytes, a layout said to be whole must keep the colour
// table and every pixel row inside the resource, and the palette built
// from it must have one entry per colour.
#include <cstddef>
#include <cstdint>

#include "core/launcher/picture_layout.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  PictureLayout layout;
  if (ReadPictureLayout(data, size, &layout) != PictureCheck::kOk) return 0;
  if (layout.colors == 0 || layout.colors > 256) __builtin_trap();
  if (layout.pixelOffset > size || size - layout.pixelOffset < layout.imageSize) __builtin_trap();
  if (layout.header.biSize + 4ull * layout.colors > layout.pixelOffset) __builtin_trap();
  const auto palette = PicturePalette(data + layout.header.biSize, layout.colors);
  if (palette.size() != layout.colors) __builtin_trap();
  // What drawing reads: every byte of every row.
  volatile uint8_t sink = 0;
  for (uint32_t i = 0; i < layout.imageSize; i += 61) sink = sink ^ data[layout.pixelOffset + i];
  if (layout.imageSize) sink = sink ^ data[layout.pixelOffset + layout.imageSize - 1];
  return 0;
}
