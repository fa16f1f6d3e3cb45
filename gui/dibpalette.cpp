// CDIBPalette: logical palettes from a picture's colours, all-black
// palettes for fading, and the merge of another palette's colours.
#include <cstdlib>
#include <vector>

#include "core/dib/dib_palette.h"
#include "qrmgui.h"

namespace {
constexpr WORD kPaletteVersion = 0x300;
constexpr unsigned long kMaxEntries = 0xFFFF;  // the record's count is 16 bits

// The palette record handed to the platform: version, count, entries. Built
// in a heap block that is released once the palette exists.
LOGPALETTE* NewRecord(unsigned long n) {
  if (n > kMaxEntries) return nullptr;
  auto* rec = static_cast<LOGPALETTE*>(std::calloc(1, 8 + 4 * static_cast<size_t>(n)));
  if (!rec) return nullptr;
  rec->palVersion = kPaletteVersion;
  rec->palNumEntries = static_cast<WORD>(n);
  return rec;
}

void Fill(LOGPALETTE* rec, const std::vector<DibPalEntry>& entries) {
  for (size_t i = 0; i < entries.size(); ++i)
    rec->palPalEntry[i] = {entries[i].red, entries[i].green, entries[i].blue, entries[i].flags};
}

const char kNoMemory[] = "Insufficient memory for the logical palette";
}  // namespace

CDIBPalette::CDIBPalette() = default;
CDIBPalette::~CDIBPalette() = default;

int CDIBPalette::Create(BITMAPINFO* pbmi) {
  if (!pbmi) return FALSE;
  const auto* raw = reinterpret_cast<const uint8_t*>(pbmi);
  DibInfoHeader info = DibReadInfoHeader(raw);
  std::vector<DibPalEntry> entries = DibPaletteFromHeader(info, raw + kDibInfoHeaderSize);
  if (entries.empty()) return TRUE;  // nothing to build above 8 bits
  LOGPALETTE* rec = NewRecord(entries.size());
  if (!rec) return FALSE;
  Fill(rec, entries);
  CreatePalette(rec);  // the outcome is not reported
  std::free(rec);
  return TRUE;
}

int CDIBPalette::Create(CDIBitmap* pBmp, int bReserved) {
  int n = pBmp ? pBmp->GetNumClrEntries() : 0;
  if (n <= 0) {
    AfxMessageBox("No color table in this DIB", MB_OK);
    return FALSE;
  }
  // A file picture's header holds palette indices; its colours are in the
  // reference table.
  const RGBQUAD* colors = pBmp->GetEtalonColors() && n <= kDibMaxColors
                              ? pBmp->GetEtalonColors()
                              : pBmp->GetBMColorTabPtr();
  LOGPALETTE* rec = NewRecord(static_cast<unsigned long>(n));
  if (!rec) {
    AfxMessageBox(kNoMemory, MB_OK);
    return FALSE;
  }
  Fill(rec, DibPaletteFromColors(reinterpret_cast<const uint8_t*>(colors), n,
                                 bReserved ? kPalReserved : kPalNoCollapse));
  int ok = CreatePalette(rec);
  std::free(rec);
  return ok;
}

int CDIBPalette::Create(HINSTANCE hInst, UINT nID) {
  HRSRC found = ::FindResourceA(hInst, MAKEINTRESOURCEA(nID), MAKEINTRESOURCEA(2) /* RT_BITMAP */);
  if (!found) return FALSE;  // "Resource not found\n"
  HGLOBAL loaded = ::LoadResource(hInst, found);
  if (!loaded) return FALSE;  // "Error loading resource\n"
  auto* res = static_cast<BITMAPINFO*>(::LockResource(loaded));
  if (!res) return FALSE;  // "Error locking resource\n"
  // The header and the colours the palette takes must lie in the resource.
  DWORD size = ::SizeofResource(hInst, found);
  if (size < kDibInfoHeaderSize) return FALSE;
  DibInfoHeader info = DibReadInfoHeader(reinterpret_cast<const uint8_t*>(res));
  if (size < kDibInfoHeaderSize + 4 * DibPaletteTableEntries(info)) return FALSE;
  return Create(res) ? TRUE : FALSE;  // "Error creating palette\n"
}

int CDIBPalette::CreateBlack(unsigned long n) {
  LOGPALETTE* rec = NewRecord(n);
  if (!rec) {
    AfxMessageBox(kNoMemory, MB_OK);
    return FALSE;
  }
  for (unsigned long i = 0; i < n; ++i) rec->palPalEntry[i] = {0, 0, 0, PC_RESERVED};
  int ok = n > 0 && CreatePalette(rec);
  std::free(rec);
  return ok;
}

CDIBPalette& CDIBPalette::operator+=(CPalette& other) {
  int m = GetEntryCount();
  int k = other.GetEntryCount();
  if (k <= 0) return *this;
  std::vector<PALETTEENTRY> theirs(static_cast<size_t>(k));
  k = static_cast<int>(other.GetPaletteEntries(0, k, theirs.data()));
  std::vector<DibPalEntry> given(static_cast<size_t>(k));
  for (int i = 0; i < k; ++i)
    given[i] = {theirs[i].peRed, theirs[i].peGreen, theirs[i].peBlue, theirs[i].peFlags};
  std::vector<DibPalEntry> kept = DibNonBlackEntries(given.data(), given.size());
  if (kept.empty() || !ResizePalette(m + static_cast<UINT>(kept.size()))) return *this;
  std::vector<PALETTEENTRY> add(kept.size());
  for (size_t i = 0; i < kept.size(); ++i)
    add[i] = {kept[i].red, kept[i].green, kept[i].blue, kept[i].flags};
  SetPaletteEntries(m, static_cast<UINT>(add.size()), add.data());
  return *this;
}
