// A stand-in for the other installers that the setup program runs. Its
// command line says what it does, word by word, in order:
//   /wait MS                 sleep MS milliseconds
//   /window TITLE CLASS MS   show a window of that title and class for MS ms
//   /marker PATH             write a marker file (its command line and id)
//   /child WORDS...          start itself with WORDS as its command line and
//                            exit at once (the child does the rest)
//   /exit CODE               end with CODE
// Unknown words end it with 2. Quote words with blanks.
//
// With no words at all, as the CD launcher starts the installers on the
// disc, it shows a window of its own for 4 seconds, titled after its file
// name ("Msie - sample installer"), saying which program it is and which
// folder it runs in, and ends with 0.
//
// Whatever its command line, when VT_SAMPLE_LOG names a file it first
// appends one line there: "MODULE|CURRENT DIRECTORY|COMMAND LINE", CR LF
// ended, so that a test can tell which program was started where and how.
#include <windows.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "crt/command_tail.h"

namespace {

constexpr DWORD kStandInMs = 4000;
constexpr int kTextId = 100;

std::string Quoted(const char* word) {
  std::string w = word;
  return w.find(' ') == std::string::npos && !w.empty() ? w : "\"" + w + "\"";
}

std::string ModulePath() {
  char self[MAX_PATH] = "";
  GetModuleFileNameA(nullptr, self, MAX_PATH);
  return self;
}

std::string CurrentDirectory() {
  char dir[MAX_PATH] = "";
  GetCurrentDirectoryA(MAX_PATH, dir);
  return dir;
}

LRESULT CALLBACK SampleProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_PAINT && !GetDlgItem(hwnd, kTextId)) {
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

// A window of that title and class for `ms` milliseconds, or until it is
// closed; with `text`, the window says so in a static control.
void ShowWindowFor(const char* title, const char* cls, DWORD ms, const char* text = nullptr) {
  WNDCLASSA wc{};
  wc.lpfnWndProc = SampleProc;
  wc.hInstance = GetModuleHandleA(nullptr);
  wc.hCursor = LoadCursorA(nullptr, IDC_ARROW);
  wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
  wc.lpszClassName = cls;
  RegisterClassA(&wc);
  HWND hwnd = CreateWindowExA(0, cls, title, WS_OVERLAPPEDWINDOW, 120, 120, text ? 440 : 360, text ? 160 : 140,
                              nullptr, nullptr, wc.hInstance, nullptr);
  if (!hwnd) return;
  if (text) {
    RECT rc;
    GetClientRect(hwnd, &rc);
    CreateWindowExA(0, "STATIC", text, WS_CHILD | WS_VISIBLE | SS_LEFT, 12, 12, rc.right - 24, rc.bottom - 24,
                    hwnd, reinterpret_cast<HMENU>(kTextId), wc.hInstance, nullptr);
  }
  ShowWindow(hwnd, SW_SHOW);  // whole, text and all, when it first shows
  // A message loop that waits for input, as installers have, so that the
  // setup sees the program idle once its window is up. Closing the window
  // ends it early.
  SetTimer(hwnd, 1, ms, nullptr);
  MSG msg;
  while (IsWindow(hwnd) && GetMessageA(&msg, nullptr, 0, 0) > 0) {
    if (msg.message == WM_TIMER && msg.hwnd == hwnd) break;
    DispatchMessageA(&msg);
  }
  if (IsWindow(hwnd)) DestroyWindow(hwnd);
}

// The stand-in a user of the demo CD sees: which program this is, and where.
void ShowStandIn() {
  const std::string self = ModulePath();
  const std::string file = self.substr(self.find_last_of("\\/:") + 1);
  const std::string stem = file.substr(0, file.rfind('.'));
  const std::string title = stem + " - sample installer";
  const std::string text = "This is " + file + ", a sample installer of the Vantora demo CD.\r\n" +
                           "It runs in " + CurrentDirectory() + " and installs nothing.";
  ShowWindowFor(title.c_str(), "VtSampleInstaller", kStandInMs, text.c_str());
}

// Writes TEXT to PATH, at its end when APPEND, else in place of it.
bool WriteText(const char* path, const std::string& text, bool append) {
  HANDLE f = CreateFileA(path, GENERIC_WRITE, FILE_SHARE_READ, nullptr, append ? OPEN_ALWAYS : CREATE_ALWAYS,
                         FILE_ATTRIBUTE_NORMAL, nullptr);
  if (f == INVALID_HANDLE_VALUE) return false;
  DWORD written = 0;
  const bool ok = (!append || SetFilePointer(f, 0, nullptr, FILE_END) != INVALID_SET_FILE_POINTER) &&
                  WriteFile(f, text.data(), static_cast<DWORD>(text.size()), &written, nullptr) &&
                  written == text.size();
  return CloseHandle(f) && ok;
}

// One line for VT_SAMPLE_LOG, when the environment names a file.
void AppendStartLog() {
  char path[MAX_PATH];
  const DWORD n = GetEnvironmentVariableA("VT_SAMPLE_LOG", path, MAX_PATH);
  if (n == 0 || n >= MAX_PATH) return;
  WriteText(path, ModulePath() + "|" + CurrentDirectory() + "|" + GetCommandLineA() + "\r\n", true);
}

bool WriteMarker(const char* path) {
  return WriteText(path, std::string(GetCommandLineA()) + "\r\nprocess " + std::to_string(GetCurrentProcessId()) + "\r\n",
                   false);
}

// The words after the program's name; a quoted word may hold blanks.
std::vector<std::string> Words() {
  std::vector<std::string> words;
  const char* p = VtCommandTail(GetCommandLineA());
  while (*p) {
    std::string word;
    bool quoted = false;
    for (; *p && (quoted || (*p != ' ' && *p != '\t')); ++p) {
      if (*p == '"')
        quoted = !quoted;
      else
        word += *p;
    }
    words.push_back(word);
    while (*p == ' ' || *p == '\t') ++p;
  }
  return words;
}

int StartChild(size_t first, const std::vector<std::string>& words) {
  std::string line = Quoted(ModulePath().c_str());
  for (size_t i = first; i < words.size(); ++i) line += " " + Quoted(words[i].c_str());
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
  AppendStartLog();
  const std::vector<std::string> words = Words();
  if (words.empty()) {
    ShowStandIn();
    return 0;
  }
  for (size_t i = 0; i < words.size(); ++i) {
    const std::string& word = words[i];
    const size_t left = words.size() - i - 1;
    if (word == "/wait" && left >= 1) {
      Sleep(static_cast<DWORD>(std::atoi(words[++i].c_str())));
    } else if (word == "/window" && left >= 3) {
      ShowWindowFor(words[i + 1].c_str(), words[i + 2].c_str(), static_cast<DWORD>(std::atoi(words[i + 3].c_str())));
      i += 3;
    } else if (word == "/marker" && left >= 1) {
      if (!WriteMarker(words[++i].c_str())) return 4;
    } else if (word == "/child" && left >= 1) {
      return StartChild(i + 1, words);
    } else if (word == "/exit" && left >= 1) {
      return std::atoi(words[i + 1].c_str());
    } else {
      return 2;
    }
  }
  return 0;
}
