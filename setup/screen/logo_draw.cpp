// Drawing the logo: always the big logo picture, stretched into where the
// logo is now; through its mask once the background shows.
#include <windows.h>

#include <new>

#include "core/log/log_sink.h"
#include "core/screen/screen_geometry.h"
#include "framework/app.h"
#include "setup/res/resource.h"
#include "setup/screen/screen_wnd.h"

namespace {

// The big logo's header and pixels inside the program's resources; false
// when the resource is missing or its pixels would lie outside it.
bool FindLogo(const BITMAPINFO** info, const void** bits) {
  HINSTANCE module = AfxGetResourceHandle();
  HRSRC found = ::FindResourceA(module, MAKEINTRESOURCEA(IDB_LOGO_BIG), MAKEINTRESOURCEA(2) /* RT_BITMAP */);
  HGLOBAL loaded = found ? ::LoadResource(module, found) : nullptr;
  const BYTE* data = loaded ? static_cast<const BYTE*>(::LockResource(loaded)) : nullptr;
  const DWORD size = found ? ::SizeofResource(module, found) : 0;
  if (!data || size < sizeof(BITMAPINFOHEADER)) return false;
  const BITMAPINFOHEADER* h = reinterpret_cast<const BITMAPINFOHEADER*>(data);
  const uint32_t offset = PackedPixelOffset(h->biSize, h->biClrUsed, h->biBitCount);
  if (h->biSize < sizeof(BITMAPINFOHEADER) || offset >= size) return false;
  *info = reinterpret_cast<const BITMAPINFO*>(data);
  *bits = data + offset;
  return true;
}

bool StretchLogo(CDC* dc, const CRect& where, DWORD rop) {
  const BITMAPINFO* info;
  const void* bits;
  if (!FindLogo(&info, &bits)) return false;
  const int w = info->bmiHeader.biWidth, h = info->bmiHeader.biHeight;
  const int lines = ::StretchDIBits(dc->GetSafeHdc(), where.left, where.top, where.Width(), where.Height(), 0, 0,
                                    w, h < 0 ? -h : h, bits, info, DIB_RGB_COLORS, rop);
  return lines != 0 && lines != static_cast<int>(GDI_ERROR);
}

}  // namespace

void CScreenWnd::ShowLogoBmp(CDC* pDC, int bTransparent) {
  const char* error = nullptr;
  CDC* mask = nullptr;
  if (bTransparent && m_pBackground) {
    LogPrintf("CScreenWnd::ShowLogoBmp() - draw transparent logo\n");
    mask = new (std::nothrow) CDC;
    if (!mask)
      error = "Error creating pdcMask object";
    else if (!mask->CreateCompatibleDC(pDC))
      error = "Error creating compatible DC for pdcMask";
    else if (!m_pLogoMask || !mask->SelectObject(m_pLogoMask))
      error = "Error selecting bitmap into pdcMask";
    // The logo is inverted in, the mask blackens the emblem's place, and
    // the second inversion leaves the logo there and the background
    // around it (the logo is black around its emblem).
    else if (!StretchLogo(pDC, m_rcLogoCur, SRCINVERT))
      error = "Error in StretchBlt for pdcBmp";
    else if (!pDC->BitBlt(m_rcLogoCur.left, m_rcLogoCur.top, m_rcLogo.Width(), m_rcLogo.Height(), mask, 0, 0,
                          SRCAND))
      error = "Error in BitBlt 3";
    else if (!StretchLogo(pDC, m_rcLogoCur, SRCINVERT))
      error = "Error in StretchBlt for pdcBmp";
    if (!error && !mask->DeleteDC()) error = "Error DeleteDC() for pdcMask";
  } else {
    LogPrintf("CScreenWnd::ShowLogoBmp() - draw logo\n");
    if (!StretchLogo(pDC, m_rcLogoCur, SRCCOPY)) error = "Error in StretchBlt for pdcBmp";
  }
  if (error) LogPrintf("ShowLogoBmp error: %s.\n", error);
  delete mask;  // deletes a DC still made
}
