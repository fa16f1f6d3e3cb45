#include "core/dib/dib_resource.h"

#include "core/dib/dib_pixels.h"

bool DibPlanResource(const uint8_t* res, size_t size, DibResourcePlan* plan) {
  if (!res || size < kDibInfoHeaderSize) return false;
  DibResourcePlan p;
  p.info = DibReadInfoHeader(res);
  const DibInfoHeader& h = p.info;
  if (h.biSize < kDibInfoHeaderSize || h.biSize > size) return false;
  if (h.biWidth <= 0 || h.biHeight <= 0 || !DibIsValidBitCount(h.biBitCount)) return false;
  if (h.biCompression != kDibRgb) return false;
  uint32_t colors = DibColorCount(h);
  if (colors > kDibMaxColors) return false;
  p.colors = colors;
  p.tableOffset = h.biSize;
  p.pixelOffset = h.biSize + 4 * colors;
  p.width = static_cast<uint32_t>(h.biWidth);
  p.height = static_cast<uint32_t>(h.biHeight);
  p.srcStride = DibRowStride(p.width, h.biBitCount);
  uint32_t srcSize = 0;
  if (!DibImageSize(p.width, p.height, h.biBitCount, &srcSize)) return false;
  if (static_cast<uint64_t>(p.pixelOffset) + srcSize > size) return false;
  p.widened = DibWidenedWidth(p.width);
  if (p.widened == 0 || !DibImageSize(p.widened, p.height, h.biBitCount, &p.pixelSize))
    return false;
  p.dstStride = DibRowStride(p.widened, h.biBitCount);
  p.needsMask = h.biBitCount > 1 && h.biBitCount <= 8;
  *plan = p;
  return true;
}
