#include "setup/screen/screen_wnd.h"

#include <vector>

#include "core/config/token_table.h"
#include "core/log/log_sink.h"
#include "core/paths/path_ops.h"
#include "core/screen/fade_cycle.h"
#include "core/screen/screen_geometry.h"
#include "setup/app/setup_app.h"
#include "setup/archive/extract_archive.h"
#include "setup/paths/file_paths.h"
#include "setup/res/resource.h"

VT_BEGIN_MESSAGE_MAP(CScreenWnd, CWnd)
  VT_ON_WM_PAINT()
  VT_ON_WM_CREATE()
  VT_ON_WM_QUERYENDSESSION()
  VT_ON_WM_QUERYNEWPALETTE()
VT_END_MESSAGE_MAP()

namespace {
constexpr DWORD kScreenStyle = 0x12CC0000;  // visible, clip children, caption, system menu, sizing frame
constexpr DWORD kFadeSleepMs = 5;
constexpr DWORD kSlideSleepMs = 10;

CRect ToRect(const ScreenRect& r) { return CRect(r.left, r.top, r.right, r.bottom); }
ScreenRect ToScreenRect(const RECT& r) { return {r.left, r.top, r.right, r.bottom}; }
}  // namespace

CScreenWnd::CScreenWnd() : m_hIcon(::LoadIconA(AfxGetResourceHandle(), MAKEINTRESOURCEA(IDI_SETUP))) {}

CScreenWnd::~CScreenWnd() {
  delete m_pLogoMask;
  delete m_pBackground;
  m_palette.DeleteObject();
}

void CScreenWnd::InitBackground() {
  CSetupVTApp* app = VTApp();
  {
    CClientDC screen(nullptr);
    const int width = screen.GetDeviceCaps(HORZRES);
    const int height = screen.GetDeviceCaps(VERTRES);
    m_nScreenWidth = width;
    if (ScreenGraphicsSupported(width, height, screen.GetDeviceCaps(BITSPIXEL))) {
      LogPrintf("Graphics supported\n");
      app->m_bGraphicsOK = true;
      m_bPaletteDevice = (screen.GetDeviceCaps(RASTERCAPS) & RC_PALETTE) != 0;
    } else {
      app->m_bGraphicsOK = false;
      m_bPaletteDevice = 0;
      LogPrintf("This system doesn't support our graphics.\n");
    }
  }
  LoadBackground();
  if (app->m_bGraphicsOK) LoadLogo();
}

// The background picture from the temporary folder, unpacked there first
// when it is not there yet; its palette black and ready to fade on a
// palette display, else in its own colours.
void CScreenWnd::LoadBackground() {
  CSetupVTApp* app = VTApp();
  const char* error = nullptr;
  const std::string temp = app->m_tokens.Get(tok::TEMP);
  if (temp.empty()) {
    error = "CScreenWnd::InitBackground(): No temp dir\n";
  } else if (!FileExistsIn("screen.qrm", temp)) {
    // Unpacked even without graphics: a later run with a better display
    // finds it in place.
    const std::string runDir = app->m_tokens.Get(tok::RUN_DIR);
    if (!FileExistsIn("VTScreen.z", runDir)) {
      error = "CScreenWnd::InitBackground(): VTScreen.z not found\n";
    } else {
      std::string packed = runDir;
      AppendPath(packed, "VTScreen.z");
      if (UnpackArchive(packed, temp) != 1) error = "CScreenWnd::InitBackground(): error unpacking VTScreen.z\n";
    }
  }
  if (!error && app->m_bGraphicsOK) {
    std::string picture = temp;
    AppendPath(picture, "Screen.qrm");
    m_pBackground = new CDIBitmap;
    if (!m_pBackground->LoadDIB(CString(picture))) {
      error = "CScreenWnd::InitBackground(): error loading DIB from Screen.qrm\n";
    } else if (m_bPaletteDevice) {
      m_palette.CreateBlack(static_cast<unsigned long>(m_pBackground->GetNumClrEntries()));
    } else {
      m_palette.Create(m_pBackground, 0);
    }
  }
  if (error) {
    LogPrintf("%s", error);
    delete m_pBackground;
    m_pBackground = nullptr;
  }
}

// The logo for this screen's width, its mask, and its colours after the
// background's in the window's palette.
void CScreenWnd::LoadLogo() {
  const LogoChoice choice = ChooseLogo(m_nScreenWidth);
  m_nLogoID = choice.logoId;
  const char* error = nullptr;
  {
    CBitmap logo;
    BITMAP info{};
    if (logo.LoadBitmap(m_nLogoID) && logo.GetBitmap(&info)) m_rcLogo = CRect(0, 0, info.bmWidth, info.bmHeight);
    m_rcLogoCur = m_rcLogo;
  }
  HINSTANCE module = AfxGetResourceHandle();
  if (m_pBackground) {
    m_pLogoMask = new CBitmap;
    if (!m_pLogoMask->LoadBitmap(choice.maskId)) {
      error = "CScreenWnd::InitBackground(): Error loading logo mask bitmap\n";
    } else {
      CDIBPalette logoPalette;
      if (!logoPalette.Create(module, m_nLogoID))
        error = "CScreenWnd::InitBackground(): Error creating palette for logo\n";
      else
        m_palette += logoPalette;
    }
  } else if (!m_palette.Create(module, m_nLogoID)) {
    error = "CScreenWnd::InitBackground(): Error creating palette for logo\n";
  }
  if (error) {
    LogPrintf("%s", error);
    delete m_pLogoMask;
    m_pLogoMask = nullptr;
  }
}

int CScreenWnd::Create() {
  const char* cls = AfxRegisterWndClass(0, nullptr, static_cast<HBRUSH>(::GetStockObject(BLACK_BRUSH)), m_hIcon);
  if (!cls) return 0;
  RECT desktop;
  ::GetWindowRect(::GetDesktopWindow(), &desktop);
  m_nWidth = desktop.right - desktop.left;
  m_nHeight = desktop.bottom - desktop.top;
  return CreateEx(0, cls, "Vantora Setup", kScreenStyle, 0, 0, m_nWidth, m_nHeight, nullptr, nullptr);
}

int CScreenWnd::OnCreate(CREATESTRUCTA*) {
  if (Default() == -1) return -1;
  // The screen stays until the setup ends it.
  ::EnableMenuItem(::GetSystemMenu(m_hWnd, FALSE), SC_CLOSE, MF_BYCOMMAND | MF_GRAYED);
  return 0;
}

BOOL CScreenWnd::OnQueryEndSession() { return static_cast<BOOL>(Default()); }

BOOL CScreenWnd::OnQueryNewPalette() {
  if (!m_pBackground) {
    LogPrintf("CScreenWnd::OnQueryNewPalette() - No palette\n");
    return static_cast<BOOL>(Default());
  }
  CClientDC dc(this);
  HPALETTE old = dc.SelectPalette(&m_palette, FALSE);
  dc.RealizePalette();
  dc.SelectPalette(old, TRUE);
  LogPrintf("CScreenWnd::OnQueryNewPalette() - Palette realized\n");
  return TRUE;
}

void CScreenWnd::OnPaint() {
  LogPrintf("Paint\n");
  CPaintDC dc(this);
  if (::IsRectEmpty(&dc.m_ps.rcPaint)) return;
  HPALETTE old = nullptr;
  bool drawLogo = true;
  if (m_pBackground) {
    old = dc.SelectPalette(&m_palette, TRUE);
    if (!old) LogPrintf("Error selection palette\n");
    dc.RealizePalette();
    if (m_bShowBmp) {
      LogPrintf("m_bShowBmp == TRUE\n ");
      m_bLogoVisible = TRUE;
      CRect whole(0, 0, m_nWidth, m_nHeight);
      m_pBackground->DrawBitmap(&dc, whole, SRCCOPY);
      RECT overlap;
      drawLogo = ::IntersectRect(&overlap, &dc.m_ps.rcPaint, &m_rcLogo) != FALSE;
    }
  }
  if (drawLogo && m_bLogoVisible) ShowLogoBmp(&dc, m_bShowBmp);
  if (m_pBackground && old) dc.SelectPalette(old, TRUE);
}

void CScreenWnd::RedrawNow(BOOL erase) {
  ::RedrawWindow(m_hWnd, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | (erase ? RDW_ERASE : 0));
}

void CScreenWnd::FadeIn() {
  if (!VTApp()->m_bGraphicsOK || !m_pBackground) return;
  RedrawNow(TRUE);
  m_bShowBmp = TRUE;
  int n = m_pBackground->GetNumClrEntries();
  const RGBQUAD* reference = m_pBackground->GetEtalonColors();
  if (n > m_palette.GetEntryCount()) n = m_palette.GetEntryCount();
  if (n > 0 && reference) {
    if (m_bPaletteDevice) {
      FadePalette(n, reference);
    } else {
      std::vector<PALETTEENTRY> entries(static_cast<size_t>(n));
      for (int i = 0; i < n; ++i)
        entries[i] = {reference[i].rgbRed, reference[i].rgbGreen, reference[i].rgbBlue, PC_NOCOLLAPSE};
      m_palette.SetPaletteEntries(0, static_cast<UINT>(n), entries.data());
      RedrawNow(TRUE);
    }
  }
  // From now on what the window uncovers is white, not black.
  ::SetClassLongPtrA(m_hWnd, GCLP_HBRBACKGROUND, reinterpret_cast<LONG_PTR>(::GetStockObject(WHITE_BRUSH)));
}

// Palette animation from black: one step of every channel a cycle, 5 ms
// apart, until nothing moves.
void CScreenWnd::FadePalette(int count, const RGBQUAD* reference) {
  CClientDC dc(this);
  LogPrintf("Reselect palette for fade in\n");
  HPALETTE old = dc.SelectPalette(&m_palette, FALSE);
  if (dc.RealizePalette() > 0) Invalidate(FALSE);
  RedrawNow(TRUE);
  const UINT n = static_cast<UINT>(count);
  std::vector<PALETTEENTRY> entries(n);
  m_palette.GetPaletteEntries(0, n, entries.data());
  std::vector<FadeEntry> fade(n);
  std::vector<FadeColor> target(n);
  for (UINT i = 0; i < n; ++i) {
    fade[i] = {entries[i].peRed, entries[i].peGreen, entries[i].peBlue, entries[i].peFlags};
    target[i] = {reference[i].rgbRed, reference[i].rgbGreen, reference[i].rgbBlue};
  }
  RunFade(fade, target, [&](const std::vector<FadeEntry>& step) {
    Sleep(kFadeSleepMs);
    for (UINT i = 0; i < n; ++i) entries[i] = {step[i].red, step[i].green, step[i].blue, step[i].flags};
    m_palette.AnimatePalette(0, n, entries.data());
  });
  Sleep(kFadeSleepMs);
  dc.SelectPalette(old, TRUE);
}

void CScreenWnd::AnimateLogo() {
  // Without graphics there is no logo to show.
  if (!m_nLogoID || m_rcLogo.IsRectEmpty()) return;
  RECT desktop;
  ::GetWindowRect(::GetDesktopWindow(), &desktop);
  const ScreenRect d = ToScreenRect(desktop);
  const int w = m_rcLogo.Width(), h = m_rcLogo.Height();
  m_rcLogoCur = ToRect(StartLogoZoom(d, w, h).start);
  m_bLogoVisible = TRUE;
  for (const ScreenRect& frame : LogoZoomFrames(d, w, h)) {
    m_rcLogoCur = ToRect(frame);
    ::InvalidateRect(m_hWnd, &m_rcLogoCur, FALSE);
    UpdateWindow();
  }
  const LogoSlide slide = PlanLogoSlide(ToScreenRect(m_rcLogoCur));
  const CRect area = ToRect(slide.scrollArea);
  for (const ScreenRect& frame : slide.frames) {
    m_rcLogoCur = ToRect(frame);
    ::ScrollWindowEx(m_hWnd, -slide.dx, -slide.dy, &area, &area, nullptr, nullptr, SW_INVALIDATE);
    UpdateWindow();
    Sleep(kSlideSleepMs);
  }
}
