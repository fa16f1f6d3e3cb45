// The setup program's full-screen background window: a branded picture that
// fades in from black by palette animation, and the product logo, which
// zooms out of the screen centre and slides into the top left corner. It is
// the program's main window and the parent of every dialog. The background
// travels packed as VTScreen.z beside the program and is unpacked into the
// temporary folder as Screen.qrm.
//
// Made and driven by the application (setup/app/screen_step.cpp):
// InitBackground before Create; AnimateLogo for the logo animation step;
// FadeIn when the sequence fades the background in.
#pragma once
#include <windows.h>

#include "framework/wnd.h"
#include "gui/qrmgui.h"

class CScreenWnd : public CWnd {
 public:
  CScreenWnd();
  ~CScreenWnd() override;

  // The graphics test, the background picture and palette, the logo for
  // this screen size. Every failure is logged and only degrades the screen.
  void InitBackground();
  // The window over the whole desktop; non-zero on success.
  int Create();
  void FadeIn();
  void AnimateLogo();
  // Draws the logo into m_rcLogoCur: through its mask (bTransparent, with a
  // background) or plainly.
  void ShowLogoBmp(CDC* pDC, int bTransparent);

  int m_bPaletteDevice = 0;
  CDIBitmap* m_pBackground = nullptr;
  CDIBPalette m_palette;
  int m_nWidth = 0;
  int m_nHeight = 0;
  unsigned int m_nLogoID = 0;
  CBitmap* m_pLogoMask = nullptr;
  CRect m_rcLogo;
  CRect m_rcLogoCur;
  int m_bLogoVisible = FALSE;
  HICON m_hIcon;  // a shared resource icon: not destroyed
  int m_bShowBmp = FALSE;

 protected:
  int OnCreate(CREATESTRUCTA* cs);
  void OnPaint();
  BOOL OnQueryEndSession();
  BOOL OnQueryNewPalette();
  VT_DECLARE_MESSAGE_MAP()

 private:
  int m_nScreenWidth = 0;  // from the graphics test, for the logo choice
  void LoadBackground();
  void LoadLogo();
  void RedrawNow(BOOL erase);
  void FadePalette(int count, const RGBQUAD* reference);
};
