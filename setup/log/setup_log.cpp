#include "setup/log/setup_log.h"

#include "core/text/format.h"

#include "framework/app.h"
#include "core/log/log_sink.h"

namespace {

HANDLE g_file = INVALID_HANDLE_VALUE;
CRITICAL_SECTION g_lock;
bool g_lockReady = false;

// One whole formatted text per call, under the lock, straight to the file.
void WriteToFile(const char* text, size_t length) {
  EnterCriticalSection(&g_lock);
  if (g_file != INVALID_HANDLE_VALUE) {
    DWORD written = 0;
    WriteFile(g_file, text, static_cast<DWORD>(length), &written, nullptr);
  }
  LeaveCriticalSection(&g_lock);
}

}  // namespace

BOOL OpenLog(BOOL enable) {
  if (!enable) return FALSE;
  if (g_file != INVALID_HANDLE_VALUE) return TRUE;
  g_file = CreateFileA(kLogFileName, GENERIC_WRITE, FILE_SHARE_READ, nullptr, CREATE_ALWAYS,
                       FILE_ATTRIBUTE_NORMAL, nullptr);
  if (g_file == INVALID_HANDLE_VALUE) {
    AfxMessageBox("Logging is not available", MB_OK);
    return FALSE;
  }
  if (!g_lockReady) {
    InitializeCriticalSection(&g_lock);
    g_lockReady = true;
  }
  SetLogSink(WriteToFile);
  return TRUE;
}

void CloseLog() {
  if (g_file == INVALID_HANDLE_VALUE) return;
  SetLogSink(nullptr);
  EnterCriticalSection(&g_lock);
  CloseHandle(g_file);
  g_file = INVALID_HANDLE_VALUE;
  LeaveCriticalSection(&g_lock);
}

int ShowNumberedError(int code, BOOL isError) {
  char text[64];
  FormatText(text, sizeof text, "%s %d\n%s", isError ? "Error" : "Warning", code, "");
  AfxMessageBox(text, MB_OK);
  return 1;
}

std::string GetSystemErrorText(DWORD code) {
  if (code == 0) code = GetLastError();
  char text[513] = {};
  const DWORD n = FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
                                 nullptr, code, MAKELANGID(LANG_NEUTRAL, SUBLANG_DEFAULT), text,
                                 512, nullptr);
  return std::string(text, n);
}
