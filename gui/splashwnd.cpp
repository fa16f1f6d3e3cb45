// VTSplashWnd: the start-up picture in a topmost popup centred on the
// screen, closed by its timer or by a key or button pressed on it.
#include "core/dib/dib_resource.h"
#include "qrmgui.h"

VT_BEGIN_MESSAGE_MAP(VTSplashWnd, CWnd)
  VT_ON_WM_PAINT()
  VT_ON_WM_TIMER()
VT_END_MESSAGE_MAP()

VTSplashWnd::VTSplashWnd() : m_nBitmapID(0) {}

VTSplashWnd::~VTSplashWnd() {
  if (m_hWnd) DestroyWindow();
}

int VTSplashWnd::Create(const CString& strFile, UINT nTimeout) {
  if (!m_dib.LoadDIB(strFile)) return FALSE;  // "Cannot load dib from %s\n"
  if (!m_pal.Create(&m_dib, 0)) return FALSE;  // "Error creating palette\n"
  m_nBitmapID = 0;  // paint the file picture
  m_cx = m_dib.GetBMWidth();
  m_cy = m_dib.GetBMHeight();
  m_nTimeout = nTimeout;
  return Create();
}

int VTSplashWnd::Create(HINSTANCE hInst, UINT nID, UINT nTimeout) {
  if (nID == 0) return FALSE;
  m_nBitmapID = nID;
  m_hInst = hInst ? hInst : AfxGetInstanceHandle();
  if (!m_pal.Create(m_hInst, nID)) return FALSE;  // "Error creating palette\n"
  HBITMAP bitmap = ::LoadBitmapA(m_hInst, MAKEINTRESOURCEA(nID));
  if (!bitmap) return FALSE;  // "Error loading bitmap\n"
  BITMAP info{};
  int got = ::GetObjectA(bitmap, sizeof info, &info);
  ::DeleteObject(bitmap);
  if (!got) return FALSE;  // "Error GetObject for bitmap\n"
  m_nTimeout = nTimeout;
  m_cx = info.bmWidth;
  m_cy = info.bmHeight;
  return Create();
}

int VTSplashWnd::Create() {
  const char* cls = AfxRegisterWndClass(CS_CLASSDC);
  if (!cls) return FALSE;
  int x = (::GetSystemMetrics(SM_CXSCREEN) - m_cx) / 2;
  int y = (::GetSystemMetrics(SM_CYSCREEN) - m_cy) / 2;
  // This library's own CreateEx, not a program's copy through the virtual
  // table: the class is registered in this module, and only this module's
  // window procedure ties the new window to the object as it is created.
  BOOL created = CWnd::CreateEx(WS_EX_TOPMOST, cls, "VTSplashWnd", WS_POPUP | WS_VISIBLE, x, y,
                                m_cx, m_cy, nullptr, nullptr);
  // Without a window the timer would belong to the thread, not to us.
  if (created) m_nTimerID = static_cast<unsigned>(SetTimer(kTimerId, m_nTimeout));
  return created;
}

void VTSplashWnd::OnPaint() {
  CPaintDC dc(this);
  HPALETTE oldPalette = dc.SelectPalette(&m_pal, TRUE);
  dc.RealizePalette();
  if (m_nBitmapID != 0) {
    // Draw the resource as it is, RGB colours, at its own size.
    HRSRC found = ::FindResourceA(m_hInst, MAKEINTRESOURCEA(m_nBitmapID), MAKEINTRESOURCEA(2));
    HGLOBAL loaded = found ? ::LoadResource(m_hInst, found) : nullptr;
    const auto* res = static_cast<const uint8_t*>(loaded ? ::LockResource(loaded) : nullptr);
    DibResourcePlan plan;
    if (res && DibPlanResource(res, ::SizeofResource(m_hInst, found), &plan))
      ::StretchDIBits(dc, 0, 0, plan.info.biWidth, plan.info.biHeight, 0, 0, m_cx, m_cy,
                      res + plan.pixelOffset, reinterpret_cast<const BITMAPINFO*>(res),
                      DIB_RGB_COLORS, SRCCOPY);
  } else {
    CRect rc(0, 0, m_cx, m_cy);
    m_dib.DrawBitmap(&dc, rc, SRCCOPY);
  }
  // The class DC outlives this window: it must not keep our palette.
  if (oldPalette) dc.SelectPalette(oldPalette, TRUE);
}

void VTSplashWnd::OnTimer(UINT_PTR nIDEvent) {
  if (nIDEvent == m_nTimerID) Close();
}

void VTSplashWnd::Close() {
  KillTimer(kTimerId);
  DestroyWindow();  // clears m_hWnd
}

BOOL VTSplashWnd::PreTranslateMessage(MSG* pMsg) {
  switch (pMsg->message) {
    case WM_KEYDOWN: case WM_SYSKEYDOWN:
    case WM_LBUTTONDOWN: case WM_RBUTTONDOWN: case WM_MBUTTONDOWN:
    case WM_NCLBUTTONDOWN: case WM_NCRBUTTONDOWN: case WM_NCMBUTTONDOWN:
      if (m_hWnd && pMsg->hwnd == m_hWnd) {
        Close();
        return TRUE;
      }
      break;
    default:
      break;
  }
  return CWnd::PreTranslateMessage(pMsg);
}
