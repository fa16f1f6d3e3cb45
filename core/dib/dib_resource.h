// Layout of a bitmap resource (a packed DIB: header, RGB colour table,
// pixel rows) and of the picture the resource form of the loader makes of
// it, checked against the resource's size before anything is copied.
#pragma once
#include <cstddef>
#include <cstdint>

#include "core/dib/dib_header.h"

struct DibResourcePlan {
  DibInfoHeader info;          // as in the resource
  uint32_t colors = 0;         // colour table entries (at most 256)
  uint32_t tableOffset = 0;    // biSize: the colour table follows the header
  uint32_t pixelOffset = 0;    // biSize + 4 * colors
  uint32_t width = 0;          // the resource's width w
  uint32_t height = 0;
  uint32_t srcStride = 0;      // bytes between the resource's rows
  uint32_t widened = 0;        // the stored width W (a multiple of 8)
  uint32_t dstStride = 0;      // bytes between the stored rows
  uint32_t pixelSize = 0;      // dstStride * height
  bool needsMask = false;      // 4 and 8-bit pictures get a transparency mask
};

// False when the resource is too short for what its header describes, or
// describes a picture we do not keep (compressed, top-down, odd depth, more
// than 256 colours).
bool DibPlanResource(const uint8_t* res, size_t size, DibResourcePlan* plan);
