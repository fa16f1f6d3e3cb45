#include "gdi.h"

#include "app.h"

VT_IMPLEMENT_DYNAMIC(CGdiObject, CObject)
VT_IMPLEMENT_DYNAMIC(CPalette, CGdiObject)
VT_IMPLEMENT_DYNAMIC(CBitmap, CGdiObject)

BOOL CGdiObject::Attach(HGDIOBJ handle) {
  if (!handle) return FALSE;
  DeleteObject();
  m_hObject = handle;
  return TRUE;
}

HGDIOBJ CGdiObject::Detach() {
  HGDIOBJ handle = m_hObject;
  m_hObject = nullptr;
  return handle;
}

BOOL CGdiObject::DeleteObject() {
  if (!m_hObject) return FALSE;
  return ::DeleteObject(Detach());
}

int CGdiObject::GetObject(int size, void* buffer) const {
  return m_hObject ? ::GetObjectA(m_hObject, size, buffer) : 0;
}

BOOL CPalette::CreatePalette(const LOGPALETTE* record) {
  return Attach(::CreatePalette(record));
}

int CPalette::GetEntryCount() const {
  WORD count = 0;
  if (!m_hObject || !::GetObjectA(m_hObject, sizeof count, &count)) return 0;
  return count;
}

UINT CPalette::GetPaletteEntries(UINT start, UINT count, PALETTEENTRY* entries) const {
  return m_hObject ? ::GetPaletteEntries(*this, start, count, entries) : 0;
}

UINT CPalette::SetPaletteEntries(UINT start, UINT count, const PALETTEENTRY* entries) {
  return m_hObject ? ::SetPaletteEntries(*this, start, count, entries) : 0;
}

BOOL CPalette::ResizePalette(UINT count) {
  return m_hObject ? ::ResizePalette(*this, count) : FALSE;
}

void CPalette::AnimatePalette(UINT start, UINT count, const PALETTEENTRY* entries) {
  if (m_hObject) ::AnimatePalette(*this, start, count, entries);
}

UINT CPalette::GetNearestPaletteIndex(COLORREF color) const {
  return m_hObject ? ::GetNearestPaletteIndex(*this, color) : CLR_INVALID;
}

BOOL CBitmap::LoadBitmap(UINT id) { return LoadBitmap(MAKEINTRESOURCEA(id)); }

BOOL CBitmap::LoadBitmap(const char* name) {
  return Attach(::LoadBitmapA(AfxGetResourceHandle(), name));
}

BOOL CBitmap::CreateBitmap(int width, int height, UINT planes, UINT bitsPerPixel,
                           const void* bits) {
  return Attach(::CreateBitmap(width, height, planes, bitsPerPixel, bits));
}

BOOL CBitmap::CreateCompatibleBitmap(HDC dc, int width, int height) {
  return Attach(::CreateCompatibleBitmap(dc, width, height));
}
