// cdmenu: the CD's launcher. One window of 600 x 420 client pixels shows a
// page picture with picture buttons on it; a button starts one of the
// setups on the CD from its folder below the launcher's and closes the
// launcher, turns the page, or ends the launcher.
#include "launcher.h"
#include "report.h"

HINSTANCE g_instance;
HWND g_mainWindow;
BOOL g_active;
Picture* g_background;
LaunchButton* g_buttons[kLaunchButtons];
HWND g_focusedButton;
HCURSOR g_handCursor;
char g_moduleDir[kLaunchPathMax];
int g_exitCode;

namespace {

const char kClassName[] = "Brightwall Setup";
const char kTitle[] = "Brightwall Setup";
constexpr DWORD kWindowStyle = 0x00CE0000;  // caption, system menu, sizing frame, minimise box
constexpr int kClientWidth = 600, kClientHeight = 420;
constexpr int kLineRegisterClass = 550, kLineCreateWindow = 566;

// Shows the page's picture behind the page's buttons. The old picture is
// released once the new one is in place; a picture that cannot be loaded
// leaves the page as it was.
void TurnPage(HWND window, int page) {
  Picture* picture = LoadPicture(g_instance, MAKEINTRESOURCEA(page == 1 ? kPage1Picture : kPage2Picture), 0);
  if (!picture) return;
  FreePicture(g_background);
  g_background = picture;
  InvalidateRect(window, nullptr, TRUE);
  ShowPage(page);
}

// Realises the page's palette in the window; the number of entries that
// changed.
LRESULT RealizeBackground(HWND window) {
  if (!g_background) return 0;
  HDC dc = GetDC(window);
  HPALETTE previous = SelectPalette(dc, g_background->palette, FALSE);
  const UINT changed = RealizePalette(dc);
  if (changed) InvalidateRect(window, nullptr, TRUE);
  SelectPalette(dc, previous, TRUE);
  RealizePalette(dc);
  ReleaseDC(window, dc);
  return changed;
}

void Paint(HWND window) {
  if (!g_background) {
    ValidateRect(window, nullptr);
    return;
  }
  PAINTSTRUCT ps;
  HDC dc = BeginPaint(window, &ps);
  if (BeginPictureDraw(dc, g_background)) {
    BlitPicture(dc, &ps.rcPaint, g_background, &ps.rcPaint, SRCCOPY);
    EndPictureDraw(dc, g_background);
  }
  EndPaint(window, &ps);
}

LRESULT OnCreate(HWND window) {
  g_mainWindow = window;
  g_background = LoadPicture(g_instance, MAKEINTRESOURCEA(kPage1Picture), 0);
  if (!g_background || !CreateLaunchButtons(window)) return -1;
  ShowPage(1);
  ReadModuleDir();
  PlayLaunchSound(kStartSound);
  return 0;
}

void OnDestroy() {
  FreePicture(g_background);
  g_background = nullptr;
  DestroyLaunchButtons();
  PostQuitMessage(g_exitCode);
}

void OnActive(HWND window, BOOL active) {
  g_active = active;
  if (active)
    InvalidateRect(window, nullptr, TRUE);
  else
    g_focusedButton = nullptr;
}

void OnCommand(HWND window, int id) {
  if (id < 0 || id >= kLaunchButtons) return;
  PlayLaunchSound(kClickSound);
  switch (CommandOf(id)) {
    case LaunchCommand::kStart: LaunchTarget(window, TargetOf(id)); break;
    case LaunchCommand::kPage2: TurnPage(window, 2); break;
    case LaunchCommand::kPage1: TurnPage(window, 1); break;
    case LaunchCommand::kExit:
      ShowWindow(window, SW_HIDE);
      DestroyWindow(window);
      break;
  }
}

LRESULT CALLBACK MainProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_CREATE: return OnCreate(window);
    case WM_DESTROY: OnDestroy(); return 0;
    case WM_ACTIVATE: OnActive(window, LOWORD(wParam)); break;
    case WM_ACTIVATEAPP: OnActive(window, static_cast<BOOL>(wParam)); break;
    case WM_SETFOCUS:
      if (g_focusedButton) SetFocus(g_focusedButton);
      return 0;
    case WM_KILLFOCUS: g_focusedButton = nullptr; return 0;
    case WM_PAINT: Paint(window); return 0;
    case WM_SETCURSOR: SetCursor(LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW))); return TRUE;
    case WM_DRAWITEM: DrawLaunchButton(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam)); return TRUE;
    case WM_COMMAND: OnCommand(window, LOWORD(wParam)); return 0;
    case WM_SYSCOMMAND: {
      const WPARAM command = wParam & 0xFFF0;
      if (command == SC_MINIMIZE) PlayLaunchSound(kMinimiseSound);
      if (command == SC_CLOSE) PlayLaunchSound(kClickSound);
      return DefWindowProcA(window, message, command, lParam);
    }
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORSTATIC: {
      HDC dc = reinterpret_cast<HDC>(wParam);
      SetTextColor(dc, RGB(0, 0, 0));
      SetBkColor(dc, RGB(255, 255, 255));
      return reinterpret_cast<LRESULT>(GetStockObject(WHITE_BRUSH));
    }
    case WM_QUERYNEWPALETTE: return RealizeBackground(window);
    case WM_PALETTECHANGED:
      if (reinterpret_cast<HWND>(wParam) != window) RealizeBackground(window);
      return 0;
  }
  return DefWindowProcA(window, message, wParam, lParam);
}

bool RegisterLauncherClass() {
  WNDCLASSA wc{};
  wc.style = CS_HREDRAW | CS_VREDRAW;
  wc.lpfnWndProc = MainProc;
  wc.hInstance = g_instance;
  wc.hIcon = LoadIconA(g_instance, MAKEINTRESOURCEA(kProgramIcon));
  wc.hCursor = LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
  wc.hbrBackground = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
  wc.lpszClassName = kClassName;
  return RegisterClassA(&wc) != 0;
}

// The window is sized from its client area, with the frame its style really
// has (a sizing frame is wider than a dialog frame).
HWND CreateLauncherWindow() {
  RECT frame = {0, 0, kClientWidth, kClientHeight};
  AdjustWindowRect(&frame, kWindowStyle, FALSE);
  const int width = frame.right - frame.left;
  const int height = frame.bottom - frame.top;
  const int x = (GetSystemMetrics(SM_CXSCREEN) - width) / 2;
  const int y = (GetSystemMetrics(SM_CYSCREEN) - height) / 2;
  return CreateWindowExA(0, kClassName, kTitle, kWindowStyle, x, y, width, height, nullptr, nullptr, g_instance,
                         nullptr);
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int show) {
  g_instance = instance;
  if (!RegisterLauncherClass()) {
    ReportError(1, LAUNCH_REPORT_REGISTER_CLASS, LAUNCH_REPORT_FILE_MAIN, kLineRegisterClass);
    return -1;
  }
  HWND window = CreateLauncherWindow();
  if (!window) {
    ReportError(1, LAUNCH_REPORT_CREATE_WINDOW, LAUNCH_REPORT_FILE_MAIN, kLineCreateWindow);
    return -1;
  }
  ShowWindow(window, show);
  UpdateWindow(window);
  MSG msg;
  while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
  }
  return static_cast<int>(msg.wParam);
}
