#include "system_checks.h"

#include "framework/app.h"
#include "core/log/log_sink.h"
#include "setup/log/setup_log.h"
#include "core/system/system_checks.h"

BOOL CheckOperatingSystem() {
  OSVERSIONINFOA info = {};
  info.dwOSVersionInfoSize = sizeof info;
  GetVersionExA(&info);
  const std::string refusal = OsRefusalText(info.dwPlatformId);
  if (refusal.empty()) return TRUE;
  AfxMessageBox(refusal.c_str(), MB_ICONSTOP);
  return FALSE;
}

BOOL CheckSingleInstance() {
  // Never closed: the mutex marks the running setup until the process ends.
  HANDLE mutex = CreateMutexA(nullptr, FALSE, "Vantora_Mutex");
  if (!mutex) {
    const DWORD error = GetLastError();
    LogPrintf("\nCreateMutex Failed: ");
    LogPrintf("%s", GetSystemErrorText(error).c_str());
    return TRUE;
  }
  if (GetLastError() == ERROR_ALREADY_EXISTS) {
    LogPrintf("CreateMutex opened existing mutex.\n");
    AfxMessageBox("Vantora Setup is already running", MB_ICONSTOP);
    return FALSE;
  }
  LogPrintf("CreateMutex created new mutex.\n");
  return TRUE;
}

BOOL CheckMemory() {
  MEMORYSTATUS status = {};
  status.dwLength = sizeof status;
  GlobalMemoryStatus(&status);
  if (EnoughMemory(status.dwTotalPhys)) return TRUE;
  AfxMessageBox("Your system doesn't have enough memory (RAM).", MB_OK);
  return FALSE;
}
