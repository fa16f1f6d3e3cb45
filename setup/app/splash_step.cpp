// The splash shown while the setup program starts: the media's own picture
// "splash.bmp" when there is one, else the picture built into the program.
#include <string>

#include "setup/paths/file_paths.h"
#include "setup/res/resource.h"
#include "setup_app.h"
#include "setup/status/registry.h"

namespace {
constexpr UINT kFileTimeout = 2500;
constexpr UINT kResourceTimeout = 10000;
constexpr DWORD kShowTime = 3000;

// A pause in which nothing is dispatched, so that neither the splash's
// timer nor a click can end it early. Looking at the queue now and then
// (without taking anything from it) is what lets Wine put the window's
// drawing on the screen; a plain Sleep would leave it blank there.
void PauseShowing(DWORD ms) {
  const DWORD start = GetTickCount();
  MSG msg;
  do {
    PeekMessageA(&msg, nullptr, 0, 0, PM_NOREMOVE);
    Sleep(20);
  } while (GetTickCount() - start < ms);
}
}  // namespace

void CSetupVTApp::ShowStartupSplash() {
  if (DeveloperSwitch("SkipSplash")) return;
  std::string file = GetRunDir();
  AppendPath(file, "splash.bmp");
  if (!FileExistsIn(file, "") || !m_wndSplash.Create(CString(file), kFileTimeout))
    m_wndSplash.Create(m_hInstance, IDB_SPLASH, kResourceTimeout);
  m_wndSplash.ShowWindow(SW_SHOW);
  m_wndSplash.UpdateWindow();
  PauseShowing(kShowTime);
}

void CSetupVTApp::CloseStartupSplash() {
  if (m_wndSplash.m_hWnd) m_wndSplash.DestroyWindow();
}
