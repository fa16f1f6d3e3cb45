#include <cstring>
#include <string>

#include "launcher.h"

void ReadModuleDir() {
  // Read into a buffer with room to spare, so that a path the launcher's
  // 260-character buffers cannot hold is seen whole and refused, never cut.
  char path[2 * kLaunchPathMax] = "";
  const DWORD n = GetModuleFileNameA(nullptr, path, sizeof path);
  g_moduleDir[0] = '\0';
  if (n == 0 || n >= sizeof path) return;
  char* slash = std::strrchr(path, '\\');
  if (slash) *slash = '\0';
  if (std::strlen(path) < sizeof g_moduleDir) std::strcpy(g_moduleDir, path);
}

void LaunchTarget(HWND window, const char* target) {
  std::string folder, commandLine;
  // Without a module folder (it did not fit) or with a command line too
  // long for its buffer nothing is started: the launcher closes as after a
  // failed start.
  if (g_moduleDir[0] && LaunchPaths(g_moduleDir, target, &folder, &commandLine)) {
    if (!folder.empty()) SetCurrentDirectoryA(folder.c_str());
    HCURSOR previous = SetCursor(LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_WAIT)));
    const UINT started = WinExec(commandLine.c_str(), SW_SHOWNORMAL);
    SetCursor(previous);
    if (started <= 31) g_exitCode = -1;
  } else {
    g_exitCode = -1;
  }
  DestroyWindow(window);
}
