// Format notes: the launcher's pictures are bitmap resources as the
// resource compiler stores them: a BITMAPINFOHEADER (biSize bytes), a
// colour table of biClrUsed entries (or 2^biBitCount up to 8 bits) and
// uncompressed pixel rows, each padded to 32 bits, bottom row first.
// core/launcher/picture_layout checks that all of it lies inside the
// resource before anything is copied; biSizeImage is never used.
#include "picture.h"

#include <cstdlib>
#include <cstring>

#include "core/launcher/picture_layout.h"
#include "report.h"

namespace {

// Where each diagnostic of this module says it comes from.
constexpr int kLineMalloc = 130, kLineNotFound = 143, kLineCreateDc = 167, kLineSection = 180;

Picture* Fail(Picture* picture) {
  if (picture->section) DeleteObject(picture->section);
  if (picture->palette) DeleteObject(picture->palette);
  if (picture->memoryDc) DeleteDC(picture->memoryDc);
  std::free(picture);
  return nullptr;
}

HPALETTE MakePalette(const Picture& picture, uint32_t colors) {
  const std::vector<PictureColor> entries =
      PicturePalette(reinterpret_cast<const uint8_t*>(picture.info.bmiColors), colors);
  struct {
    WORD version, count;
    PALETTEENTRY entries[256];
  } record{};
  record.version = kPicturePaletteVersion;
  record.count = static_cast<WORD>(entries.size());
  for (size_t i = 0; i < entries.size(); ++i)
    record.entries[i] = {entries[i].red, entries[i].green, entries[i].blue, entries[i].flags};
  return CreatePalette(reinterpret_cast<LOGPALETTE*>(&record));
}

// A resource name for the diagnostics: an id is shown as "#108".
const char* NameText(LPCSTR name, char (&buffer)[16]) {
  if (!IS_INTRESOURCE(name)) return name;
  wsprintfA(buffer, "#%u", static_cast<unsigned>(reinterpret_cast<ULONG_PTR>(name)));
  return buffer;
}

}  // namespace

Picture* LoadPicture(HINSTANCE instance, LPCSTR name, int /*unused*/) {
  Picture* picture = static_cast<Picture*>(std::calloc(1, sizeof(Picture)));
  if (!picture) {
    ReportError(1, LAUNCH_REPORT_MALLOC, LAUNCH_REPORT_FILE_GRAPHICS, kLineMalloc);
    return nullptr;
  }
  HRSRC found = FindResourceA(instance, name, reinterpret_cast<LPCSTR>(RT_BITMAP));
  if (!found) {
    char buffer[16];
    ReportError(1, LAUNCH_REPORT_NOT_FOUND, LAUNCH_REPORT_FILE_GRAPHICS, kLineNotFound, NameText(name, buffer));
    return Fail(picture);
  }
  HGLOBAL loaded = LoadResource(instance, found);
  const uint8_t* data = loaded ? static_cast<const uint8_t*>(LockResource(loaded)) : nullptr;
  PictureLayout layout;
  if (!data || ReadPictureLayout(data, SizeofResource(instance, found), &layout) != PictureCheck::kOk)
    return Fail(picture);

  std::memcpy(&picture->info.bmiHeader, data, sizeof(BITMAPINFOHEADER));
  picture->info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);  // a longer header's extra fields stay behind
  std::memcpy(picture->info.bmiColors, data + layout.header.biSize, 4 * layout.colors);
  picture->width = layout.header.biWidth;
  picture->height = layout.header.biHeight;

  picture->memoryDc = CreateCompatibleDC(nullptr);
  if (!picture->memoryDc) {
    ReportError(1, LAUNCH_REPORT_CREATE_DC, LAUNCH_REPORT_FILE_GRAPHICS, kLineCreateDc);
    return Fail(picture);
  }
  picture->section = CreateDIBSection(picture->memoryDc, reinterpret_cast<BITMAPINFO*>(&picture->info),
                                      DIB_RGB_COLORS, &picture->pixels, nullptr, 0);
  if (!picture->section || !picture->pixels) {
    ReportError(1, LAUNCH_REPORT_SECTION, LAUNCH_REPORT_FILE_GRAPHICS, kLineSection);
    return Fail(picture);
  }
  picture->palette = MakePalette(*picture, layout.colors);
  if (!picture->palette) return Fail(picture);

  picture->stride = static_cast<int>(layout.stride);
  picture->imageSize = static_cast<int>(layout.imageSize);
  std::memcpy(picture->pixels, data + layout.pixelOffset, layout.imageSize);
  DeleteDC(picture->memoryDc);
  picture->memoryDc = nullptr;
  return picture;
}

void FreePicture(Picture* picture) {
  if (!picture) return;
  if (picture->section) DeleteObject(picture->section);
  if (picture->palette) DeleteObject(picture->palette);
  std::free(picture);
}

HDC BeginPictureDraw(HDC target, Picture* picture) {
  HDC memory = CreateCompatibleDC(target);
  if (!memory) return nullptr;
  if (target && picture->palette) {
    picture->previousPalette = SelectPalette(target, picture->palette, FALSE);
    RealizePalette(target);
  }
  picture->previousBitmap = SelectObject(memory, picture->section);
  picture->memoryDc = memory;
  return memory;
}

void EndPictureDraw(HDC target, Picture* picture) {
  if (!picture->memoryDc) return;
  SelectObject(picture->memoryDc, picture->previousBitmap);
  if (target && picture->previousPalette) {
    SelectPalette(target, picture->previousPalette, FALSE);
    RealizePalette(target);
  }
  DeleteDC(picture->memoryDc);
  picture->memoryDc = nullptr;
  picture->previousBitmap = nullptr;
  picture->previousPalette = nullptr;
}

BOOL BlitPicture(HDC target, const RECT* dest, Picture* picture, const RECT* source, DWORD rop) {
  if (!picture->memoryDc) return FALSE;
  RECT whole = {0, 0, picture->width, picture->height};
  if (!source) source = &whole;
  HPALETTE previous = nullptr;
  if (picture->palette) {
    previous = SelectPalette(target, picture->palette, FALSE);
    RealizePalette(target);
  }
  SetStretchBltMode(target, COLORONCOLOR);
  const int dw = dest->right - dest->left, dh = dest->bottom - dest->top;
  const int sw = source->right - source->left, sh = source->bottom - source->top;
  const BOOL copied =
      dw == sw && dh == sh
          ? BitBlt(target, dest->left, dest->top, dw, dh, picture->memoryDc, source->left, source->top, rop)
          : StretchBlt(target, dest->left, dest->top, dw, dh, picture->memoryDc, source->left, source->top, sw,
                       sh, rop);
  if (previous) {
    SelectPalette(target, previous, FALSE);
    RealizePalette(target);
  }
  return copied;
}
