#include "uninst/window_ui.h"

#include <commctrl.h>

#include "uninst/texts.h"

namespace {

const char kWindowClass[] = "VantoraUninstallProgress";
constexpr int kWidth = 380, kHeight = 120;
constexpr int kBarRange = 1000;  // the bar's 16-bit range, whatever the step count

LRESULT CALLBACK ProgressProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  // The removal cannot be stopped half-way without leaving a half-installed
  // product: the window has no close box, and Alt+F4 is ignored.
  if (message == WM_CLOSE) return 0;
  return DefWindowProcA(window, message, wParam, lParam);
}

void PumpMessages() {
  MSG msg;
  while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
  }
}

}  // namespace

WindowUi::~WindowUi() {
  if (m_window) DestroyWindow(m_window);
}

bool WindowUi::ShowProgress() {
  InitCommonControls();
  WNDCLASSA wc = {};
  wc.lpfnWndProc = ProgressProc;
  wc.hInstance = m_instance;
  wc.hCursor = LoadCursorA(nullptr, IDC_ARROW);
  wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  wc.lpszClassName = kWindowClass;
  RegisterClassA(&wc);  // fails harmlessly when already registered
  const int x = (GetSystemMetrics(SM_CXSCREEN) - kWidth) / 2, y = (GetSystemMetrics(SM_CYSCREEN) - kHeight) / 2;
  m_window = CreateWindowExA(WS_EX_DLGMODALFRAME, kWindowClass, kUninstCaption, WS_POPUP | WS_CAPTION | WS_BORDER, x, y,
                             kWidth, kHeight, nullptr, nullptr, m_instance, nullptr);
  if (!m_window) return false;
  const HGDIOBJ font = GetStockObject(DEFAULT_GUI_FONT);
  HWND title = CreateWindowExA(0, "STATIC", kProgressTitle, WS_CHILD | WS_VISIBLE | SS_LEFTNOWORDWRAP, 12, 10,
                               kWidth - 30, 16, m_window, nullptr, m_instance, nullptr);
  m_text = CreateWindowExA(0, "STATIC", kProgressStart, WS_CHILD | WS_VISIBLE | SS_LEFTNOWORDWRAP | SS_NOPREFIX, 12,
                           30, kWidth - 30, 16, m_window, nullptr, m_instance, nullptr);
  m_bar = CreateWindowExA(0, PROGRESS_CLASSA, "", WS_CHILD | WS_VISIBLE, 12, 54, kWidth - 30, 18, m_window, nullptr,
                          m_instance, nullptr);
  for (HWND child : {title, m_text}) SendMessageA(child, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
  SendMessageA(m_bar, PBM_SETRANGE, 0, MAKELPARAM(0, kBarRange));
  ShowWindow(m_window, SW_SHOW);
  UpdateWindow(m_window);
  PumpMessages();
  return true;
}

bool WindowUi::AskYesNo(const std::string& text) {
  return Message(text, MB_YESNO | MB_ICONQUESTION | MB_DEFBUTTON2) == IDYES;
}

void WindowUi::Progress(size_t done, size_t total, const std::string& item) {
  if (m_window) {
    const size_t position = total ? (done > total ? total : done) * kBarRange / total : 0;
    SendMessageA(m_bar, PBM_SETPOS, static_cast<WPARAM>(position), 0);
    SetWindowTextA(m_text, item.c_str());
  }
  PumpMessages();
}

int WindowUi::Message(const std::string& text, UINT style) const {
  return MessageBoxA(m_window, text.c_str(), kUninstCaption, style);
}
