// Graphics objects: a wrapper owns one GDI handle and deletes it with itself.
#pragma once
#include <windows.h>

#include "object.h"

class CGdiObject : public CObject {
  VT_DECLARE_DYNAMIC(CGdiObject)
 public:
  CGdiObject() = default;
  ~CGdiObject() override { DeleteObject(); }
  CGdiObject(const CGdiObject&) = delete;
  CGdiObject& operator=(const CGdiObject&) = delete;

  HGDIOBJ GetSafeHandle() const { return m_hObject; }
  // Takes ownership of a handle; FALSE (and nothing attached) for NULL.
  BOOL Attach(HGDIOBJ handle);
  HGDIOBJ Detach();
  BOOL DeleteObject();
  int GetObject(int size, void* buffer) const;

  HGDIOBJ m_hObject = nullptr;
};

class CPalette : public CGdiObject {
  VT_DECLARE_DYNAMIC(CPalette)
 public:
  BOOL CreatePalette(const LOGPALETTE* record);
  operator HPALETTE() const { return static_cast<HPALETTE>(m_hObject); }  // NOLINT

  // Number of entries, 0 without a palette.
  int GetEntryCount() const;
  UINT GetPaletteEntries(UINT start, UINT count, PALETTEENTRY* entries) const;
  UINT SetPaletteEntries(UINT start, UINT count, const PALETTEENTRY* entries);
  BOOL ResizePalette(UINT count);
  void AnimatePalette(UINT start, UINT count, const PALETTEENTRY* entries);
  UINT GetNearestPaletteIndex(COLORREF color) const;
};

class CBitmap : public CGdiObject {
  VT_DECLARE_DYNAMIC(CBitmap)
 public:
  // From the framework's current resource module (AfxGetResourceHandle).
  BOOL LoadBitmap(UINT id);
  BOOL LoadBitmap(const char* name);
  BOOL CreateBitmap(int width, int height, UINT planes, UINT bitsPerPixel, const void* bits);
  BOOL CreateCompatibleBitmap(HDC dc, int width, int height);
  int GetBitmap(BITMAP* info) const { return GetObject(sizeof(BITMAP), info); }
  operator HBITMAP() const { return static_cast<HBITMAP>(m_hObject); }  // NOLINT
};
