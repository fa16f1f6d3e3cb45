// Palette arithmetic: the entries of a logical palette built from a DIB's
// colour table, and the non-black colours one palette lends another.
#pragma once
#include <cstddef>
#include <cstdint>
#include <vector>

#include "core/dib/dib_header.h"

// Same layout as the platform's palette entry.
struct DibPalEntry {
  uint8_t red, green, blue, flags;
};

// Entry flags: plain, reserved (may be animated), no-collapse.
enum : uint8_t { kPalPlain = 0, kPalReserved = 1, kPalNoCollapse = 4 };

// Entries of a palette for a header: 2^biBitCount up to 8 bits, else 0.
uint32_t DibPaletteSize(const DibInfoHeader& h);

// How many entries are taken from the colour table: biClrUsed (clamped to
// the palette size) when it is not 0, else the whole palette.
uint32_t DibPaletteTableEntries(const DibInfoHeader& h);

// The palette of a header whose RGB colour table (blue, green, red,
// reserved) is `table`: the first DibPaletteTableEntries from it with flags
// 0, the rest black.
std::vector<DibPalEntry> DibPaletteFromHeader(const DibInfoHeader& h, const uint8_t* table);

// n entries from an RGB colour table, all with the given flags.
std::vector<DibPalEntry> DibPaletteFromColors(const uint8_t* table, uint32_t n, uint8_t flags);

// The entries that are not pure black, in order, with flags 0.
std::vector<DibPalEntry> DibNonBlackEntries(const DibPalEntry* entries, size_t n);
