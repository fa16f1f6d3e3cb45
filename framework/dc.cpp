#include "dc.h"

#include "wnd.h"

VT_IMPLEMENT_DYNAMIC(CDC, CObject)

CDC::~CDC() { DeleteDC(); }

BOOL CDC::Attach(HDC dc) {
  if (!dc) return FALSE;
  DeleteDC();
  m_hDC = dc;
  return TRUE;
}

HDC CDC::Detach() {
  HDC dc = m_hDC;
  m_hDC = nullptr;
  return dc;
}

BOOL CDC::DeleteDC() {
  if (!m_hDC) return FALSE;
  return ::DeleteDC(Detach());
}

BOOL CDC::CreateCompatibleDC(CDC* pDC) {
  return Attach(::CreateCompatibleDC(pDC ? pDC->m_hDC : nullptr));
}

HGDIOBJ CDC::SelectObject(CGdiObject* object) {
  return object ? SelectObject(object->m_hObject) : nullptr;
}

HGDIOBJ CDC::SelectObject(HGDIOBJ object) {
  return m_hDC && object ? ::SelectObject(m_hDC, object) : nullptr;
}

HPALETTE CDC::SelectPalette(CPalette* palette, BOOL forceBackground) {
  return palette ? SelectPalette(static_cast<HPALETTE>(*palette), forceBackground) : nullptr;
}

HPALETTE CDC::SelectPalette(HPALETTE palette, BOOL forceBackground) {
  return m_hDC && palette ? ::SelectPalette(m_hDC, palette, forceBackground) : nullptr;
}

UINT CDC::RealizePalette() { return m_hDC ? ::RealizePalette(m_hDC) : GDI_ERROR; }

BOOL CDC::BitBlt(int x, int y, int width, int height, CDC* src, int xSrc, int ySrc, DWORD rop) {
  return ::BitBlt(m_hDC, x, y, width, height, src ? src->m_hDC : nullptr, xSrc, ySrc, rop);
}

void CDC::FillSolidRect(const RECT& rc, COLORREF color) {
  COLORREF old = ::SetBkColor(m_hDC, color);
  ::ExtTextOutA(m_hDC, 0, 0, ETO_OPAQUE, &rc, nullptr, 0, nullptr);
  ::SetBkColor(m_hDC, old);
}

int CDC::GetDeviceCaps(int index) const { return ::GetDeviceCaps(m_hDC, index); }

CPaintDC::CPaintDC(CWnd* wnd) : m_hWnd(wnd->m_hWnd) { Attach(::BeginPaint(m_hWnd, &m_ps)); }

CPaintDC::~CPaintDC() {
  if (Detach()) ::EndPaint(m_hWnd, &m_ps);
}

CClientDC::CClientDC(CWnd* wnd) : m_hWnd(wnd ? wnd->m_hWnd : nullptr) {
  Attach(::GetDC(m_hWnd));
}

CClientDC::~CClientDC() {
  HDC dc = Detach();
  if (dc) ::ReleaseDC(m_hWnd, dc);
}
