// splash_target: shows a picture file in the splash window beside a small
// button of the same thread, for end-to-end tests that click with the real
// mouse. Exit code 0 when the splash closed before its time-out, 1 when it
// timed out, 2 when it could not be shown.
//   splash_target PICTURE.bmp TIMEOUT_MS
#include <windows.h>

#include <cstdlib>

#include "gui/qrmgui.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  if (__argc != 3) return 2;
  const UINT timeout = static_cast<UINT>(std::strtoul(__argv[2], nullptr, 10));
  // "Elsewhere": a window of this thread, so the click passes through the
  // same message loop as one on the splash.
  HWND other = CreateWindowExA(0, "BUTTON", "other", WS_POPUP | WS_VISIBLE | WS_BORDER, 10, 10, 80, 30,
                               nullptr, nullptr, nullptr, nullptr);
  VTSplashWnd splash;
  if (!other || !splash.Create(__argv[1], timeout)) return 2;
  const DWORD start = GetTickCount();
  MSG msg;
  while (splash.m_hWnd && GetMessageA(&msg, nullptr, 0, 0) > 0) {
    if (CWnd::WalkPreTranslateTree(nullptr, &msg)) continue;
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
  }
  const DWORD took = GetTickCount() - start;
  DestroyWindow(other);
  return took + 100 < timeout ? 0 : 1;
}
