// The launcher's pictures as they lie in its bitmap resources: a 40-byte
// header, a colour table and uncompressed pixel rows. Before the launcher
// sizes anything from a resource it asks here where each part is and
// whether all of it lies inside the resource.
#pragma once
#include <cstddef>
#include <cstdint>
#include <vector>

#include "core/dib/dib_header.h"

struct PictureLayout {
  DibInfoHeader header;
  uint32_t colors = 0;       // the colour count: biClrUsed, else 2^bits up to 8 bits, else 0
  uint32_t stride = 0;       // bytes of a pixel row, padded to 32 bits
  uint32_t imageSize = 0;    // |height| x stride (biSizeImage is not used)
  uint32_t pixelOffset = 0;  // biSize + 4 x colours
};

// What a resource is, for the launcher's picture loader.
enum class PictureCheck {
  kOk,
  kTooShort,        // shorter than the header
  kBadHeader,       // header size, width, height or depth the launcher cannot draw
  kNoColorTable,    // no colour table (24 bits and more without biClrUsed): no palette
  kTooManyColors,   // a colour table of more than 256 entries
  kPixelsOutside,   // the colour table or the pixel rows run past the resource
};

PictureCheck ReadPictureLayout(const uint8_t* data, size_t size, PictureLayout* layout);

// The logical palette's entries from a colour table of `count` entries
// (blue, green, red, reserved each): red, green, blue and flags 0.
struct PictureColor {
  uint8_t red, green, blue, flags;
};
std::vector<PictureColor> PicturePalette(const uint8_t* colorTable, uint32_t count);
// The palette record's version.
constexpr uint16_t kPicturePaletteVersion = 0x300;
