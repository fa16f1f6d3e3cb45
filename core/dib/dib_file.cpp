#include "core/dib/dib_file.h"

const char* DibFileErrorText(DibFileError error) {
  switch (error) {
    case DibFileError::kNone: return "";
    case DibFileError::kFileHeader: return "Error reading file header";
    case DibFileError::kNotBitmap: return "Not a bitmap file";
    case DibFileError::kInfoHeader: return "Error reading header information";
    case DibFileError::kCoreHeader:
      return "This is Presentation Manager format. We don't support it.";
    case DibFileError::kBadGeometry: return "Unsupported bitmap format";
    case DibFileError::kTooManyColors: return "Too many colors in the color table";
    case DibFileError::kColorTable: return "Error reading color table";
    case DibFileError::kBitmapData: return "Error reading bitmap data";
  }
  return "";
}

namespace {
// The pixel rows must hold what the header says the drawing call will read.
bool PixelsCoverPicture(const DibInfoHeader& h, uint32_t pixelSize) {
  switch (h.biCompression) {
    case kDibRgb: {
      uint32_t need = 0;
      return DibImageSize(h.biWidth, h.biHeight, h.biBitCount, &need) && pixelSize >= need;
    }
    // Run-length pictures: the decoder reads biSizeImage bytes, bottom-up only.
    case kDibRle8:
    case kDibRle4:
      return h.biHeight > 0 && h.biSizeImage != 0 && h.biSizeImage <= pixelSize;
    default:
      return false;
  }
}

bool DrawableGeometry(const DibInfoHeader& h) {
  if (h.biWidth <= 0 || h.biHeight == 0 || !DibIsValidBitCount(h.biBitCount)) return false;
  if (h.biCompression == kDibRle8) return h.biBitCount == 8;
  if (h.biCompression == kDibRle4) return h.biBitCount == 4;
  // Bit-field masks would sit where the index table goes: not supported.
  return h.biCompression == kDibRgb;
}
}  // namespace

DibFileError DibPlanFile(const uint8_t* head, size_t headLen, uint64_t fileSize,
                         DibFilePlan* plan) {
  size_t have = headLen < fileSize ? headLen : static_cast<size_t>(fileSize);
  if (have < kDibFileHeaderSize) return DibFileError::kFileHeader;
  DibFilePlan p;
  p.file = DibReadFileHeader(head);
  if (p.file.bfType != kDibFileType) return DibFileError::kNotBitmap;
  if (have < kDibFileHeaderSize + kDibInfoHeaderSize) return DibFileError::kInfoHeader;
  p.info = DibReadInfoHeader(head + kDibFileHeaderSize);
  // Whatever else biSize says, the header is taken as 40 bytes.
  if (p.info.biSize == kDibCoreHeaderSize) return DibFileError::kCoreHeader;
  if (!DrawableGeometry(p.info)) return DibFileError::kBadGeometry;
  uint32_t colors = DibColorCount(p.info);
  if (colors > kDibMaxColors) return DibFileError::kTooManyColors;
  p.colors = colors;
  p.colorTableOffset = kDibFileHeaderSize + kDibInfoHeaderSize;
  if (p.colorTableOffset + 4ull * colors > fileSize) return DibFileError::kColorTable;
  // The pixel block runs from bfOffBits to bfSize, and all of it must be in
  // the file.
  if (p.file.bfOffBits > p.file.bfSize || p.file.bfSize > fileSize)
    return DibFileError::kBitmapData;
  p.pixelOffset = p.file.bfOffBits;
  p.pixelSize = p.file.bfSize - p.file.bfOffBits;
  if (!PixelsCoverPicture(p.info, p.pixelSize)) return DibFileError::kBitmapData;
  *plan = p;
  return DibFileError::kNone;
}

void DibWriteIndexTable(uint32_t count, uint8_t* out) {
  for (uint32_t i = 0; i < count; ++i) {
    out[2 * i] = static_cast<uint8_t>(i);
    out[2 * i + 1] = static_cast<uint8_t>(i >> 8);
  }
}
