// A stand-in for the other installers that the setup program runs. Its
// command line says what it does, word by word, in order:
//   /wait MS                 sleep MS milliseconds
//   /window TITLE CLASS MS   show a window of that title and class for MS ms
//   /marker PATH             write a marker file (its command line and id)
//   /child WORDS...          start itself with WORDS as its command line and
//                            exit at once (the child does the rest)
//   /exit CODE               end with CODE
// Unknown words end it with 2. Quote words with blanks.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

std::string Quoted(const char* word) {
  std::string w = word;
  return w.find(' ') == std::string::npos && !w.empty() ? w : "\"" + w + "\"";
}

LRESULT CALLBACK SampleProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_PAINT) {
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(hwnd, &ps);
    RECT rc;
    GetClientRect(hwnd, &rc);
    DrawTextA(dc, "A sample installer is installing its software...", -1, &rc,
              DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    EndPaint(hwnd, &ps);
    return 0;
  }
  return DefWindowProcA(hwnd, message, wParam, lParam);
}

void ShowWindowFor(const char* title, const char* cls, DWORD ms) {
  WNDCLASSA wc{};
  wc.lpfnWndProc = SampleProc;
  wc.hInstance = GetModuleHandleA(nullptr);
  wc.hCursor = LoadCursorA(nullptr, IDC_ARROW);
  wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
  wc.lpszClassName = cls;
  RegisterClassA(&wc);
  HWND hwnd = CreateWindowExA(0, cls, title, WS_OVERLAPPEDWINDOW | WS_VISIBLE, 120, 120, 360, 140,
                              nullptr, nullptr, wc.hInstance, nullptr);
  // A message loop that waits for input, as installers have, so that the
  // setup sees the program idle once its window is up.
  SetTimer(hwnd, 1, ms, nullptr);
  MSG msg;
  while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
    if (msg.message == WM_TIMER && msg.hwnd == hwnd) break;
    DispatchMessageA(&msg);
  }
  DestroyWindow(hwnd);
}

bool WriteMarker(const char* path) {
  std::FILE* f = std::fopen(path, "w");
  if (!f) return false;
  std::fprintf(f, "%s\nprocess %lu\n", GetCommandLineA(), GetCurrentProcessId());
  return std::fclose(f) == 0;
}

int StartChild(int first, int argc, char** argv) {
  char self[MAX_PATH];
  GetModuleFileNameA(nullptr, self, MAX_PATH);
  std::string line = Quoted(self);
  for (int i = first; i < argc; ++i) line += " " + Quoted(argv[i]);
  STARTUPINFOA si{};
  si.cb = sizeof si;
  PROCESS_INFORMATION pi{};
  if (!CreateProcessA(nullptr, &line[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi)) return 3;
  CloseHandle(pi.hThread);
  CloseHandle(pi.hProcess);
  return 0;
}

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  const int argc = __argc;
  char** argv = __argv;
  for (int i = 1; i < argc; ++i) {
    const std::string word = argv[i];
    const int left = argc - i - 1;
    if (word == "/wait" && left >= 1) {
      Sleep(static_cast<DWORD>(std::atoi(argv[++i])));
    } else if (word == "/window" && left >= 3) {
      ShowWindowFor(argv[i + 1], argv[i + 2], static_cast<DWORD>(std::atoi(argv[i + 3])));
      i += 3;
    } else if (word == "/marker" && left >= 1) {
      if (!WriteMarker(argv[++i])) return 4;
    } else if (word == "/child" && left >= 1) {
      return StartChild(i + 1, argc, argv);
    } else if (word == "/exit" && left >= 1) {
      return std::atoi(argv[i + 1]);
    } else {
      return 2;
    }
  }
  return 0;
}
