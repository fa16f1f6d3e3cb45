#include "core/dib/dib_palette.h"

uint32_t DibPaletteSize(const DibInfoHeader& h) {
  return h.biBitCount >= 1 && h.biBitCount <= 8 ? 1u << h.biBitCount : 0;
}

uint32_t DibPaletteTableEntries(const DibInfoHeader& h) {
  uint32_t n = DibPaletteSize(h);
  return h.biClrUsed != 0 && h.biClrUsed < n ? h.biClrUsed : n;
}

std::vector<DibPalEntry> DibPaletteFromColors(const uint8_t* table, uint32_t n, uint8_t flags) {
  std::vector<DibPalEntry> entries(n);
  for (uint32_t i = 0; i < n; ++i)
    entries[i] = {table[4 * i + 2], table[4 * i + 1], table[4 * i], flags};
  return entries;
}

std::vector<DibPalEntry> DibPaletteFromHeader(const DibInfoHeader& h, const uint8_t* table) {
  std::vector<DibPalEntry> entries = DibPaletteFromColors(table, DibPaletteTableEntries(h), kPalPlain);
  entries.resize(DibPaletteSize(h), DibPalEntry{0, 0, 0, kPalPlain});
  return entries;
}

std::vector<DibPalEntry> DibNonBlackEntries(const DibPalEntry* entries, size_t n) {
  std::vector<DibPalEntry> kept;
  for (size_t i = 0; i < n; ++i)
    if (entries[i].red || entries[i].green || entries[i].blue)
      kept.push_back({entries[i].red, entries[i].green, entries[i].blue, kPalPlain});
  return kept;
}
