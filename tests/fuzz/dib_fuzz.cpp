// Fuzz target: bitmap file and resource parsing, and the pixel work that
// follows a plan (colour table, index table, widening, mask, palette). The
// input is taken once as a whole file and once as a bitmap resource; every
// read and write must stay inside the buffers the plans size.
#include <cstdint>
#include <cstring>
#include <vector>

#include "core/dib/dib_file.h"
#include "core/dib/dib_palette.h"
#include "core/dib/dib_pixels.h"
#include "core/dib/dib_resource.h"

namespace {
void AsFile(const uint8_t* data, size_t size) {
  DibFilePlan plan;
  if (DibPlanFile(data, size, size, &plan) != DibFileError::kNone) return;
  // What the loader reads: the colour table into the 256-entry reference
  // table, the index table after the header, the pixel block.
  if (plan.colors > kDibMaxColors) __builtin_trap();
  uint8_t etalon[4 * kDibMaxColors];
  std::memcpy(etalon, data + plan.colorTableOffset, 4 * plan.colors);
  std::vector<uint8_t> header(kDibInfoHeaderSize + 2 * plan.colors);
  DibWriteIndexTable(plan.colors, header.data() + kDibInfoHeaderSize);
  std::vector<uint8_t> bits(data + plan.pixelOffset, data + plan.pixelOffset + plan.pixelSize);
  // The drawing call reads stride x |height| bytes of an uncompressed picture.
  uint32_t need = 0;
  if (plan.info.biCompression == kDibRgb &&
      (!DibImageSize(plan.info.biWidth, plan.info.biHeight, plan.info.biBitCount, &need) ||
       need > bits.size()))
    __builtin_trap();
}

void AsResource(const uint8_t* data, size_t size) {
  DibResourcePlan plan;
  if (!DibPlanResource(data, size, &plan)) return;
  std::vector<uint8_t> bits(plan.pixelSize);
  const uint8_t* src = data + plan.pixelOffset;
  if (plan.widened == plan.width)
    std::memcpy(bits.data(), src, plan.pixelSize);
  else
    DibWidenRows(src, plan.srcStride, plan.width, plan.height, plan.info.biBitCount, bits.data(),
                 plan.dstStride, plan.widened);
  if (plan.needsMask) {
    std::vector<uint8_t> mask =
        DibBuildMask(bits.data(), plan.dstStride, plan.widened, plan.height, plan.info.biBitCount);
    if (mask.size() != static_cast<size_t>(DibMaskRowBytes(plan.widened)) * plan.height)
      __builtin_trap();
  }
  std::vector<DibPalEntry> pal = DibPaletteFromHeader(plan.info, data + plan.tableOffset);
  DibNonBlackEntries(pal.data(), pal.size());
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  AsFile(data, size);
  if (size >= kDibFileHeaderSize) AsResource(data + kDibFileHeaderSize, size - kDibFileHeaderSize);
  AsResource(data, size);
  return 0;
}
