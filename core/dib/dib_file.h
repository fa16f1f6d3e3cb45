// What the file form of the picture loader reads, and from where: decided
// from the first bytes of a bitmap file and its size, before any buffer is
// sized. The loader then reads the colour table and the pixel rows the plan
// names, and each read must deliver every byte.
#pragma once
#include <cstddef>
#include <cstdint>

#include "core/dib/dib_header.h"

// The reasons a file is refused; the texts are the loader's own.
enum class DibFileError {
  kNone,
  kFileHeader,      // shorter than the file header
  kNotBitmap,       // no "BM"
  kInfoHeader,      // shorter than the info header
  kCoreHeader,      // a 12-byte header of the older format
  kBadGeometry,     // width, height, depth or compression we cannot draw
  kTooManyColors,   // a colour count above the 256 of the reference table
  kColorTable,      // colour table beyond the end of the file
  kBitmapData,      // pixel rows beyond the file, or fewer than the picture needs
};
const char* DibFileErrorText(DibFileError error);

struct DibFilePlan {
  DibFileHeader file;
  DibInfoHeader info;
  uint32_t colors = 0;          // entries of the colour table (at most 256)
  uint32_t colorTableOffset = 0;  // right after the 40 header bytes
  uint32_t pixelOffset = 0;     // bfOffBits
  uint32_t pixelSize = 0;       // bfSize - bfOffBits
};

// `head` holds the first min(fileSize, headLen) bytes of the file (54 are
// enough). Fills `plan` and returns kNone when the file can be loaded.
DibFileError DibPlanFile(const uint8_t* head, size_t headLen, uint64_t fileSize,
                         DibFilePlan* plan);

// The 16-bit palette-index table that replaces the colour table of a file
// picture: entry i holds i. `out` takes 2 * count bytes.
void DibWriteIndexTable(uint32_t count, uint8_t* out);
