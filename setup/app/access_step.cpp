// Step 7: the hand-off to the provider's registration module, access.dll,
// loaded at run time; its outcome read back from the product key.
#include <windows.h>

#include <string>

#include "core/config/token_table.h"
#include "core/log/log_sink.h"
#include "core/paths/path_ops.h"
#include "setup/app/setup_app.h"
#include "setup/log/setup_log.h"
#include "setup/res/resource.h"
#include "setup/status/registry.h"
#include "setup/status/run_once.h"

namespace {
using InitRunMainFn = void(__cdecl*)(HWND);
}  // namespace

AccessOutcome CSetupVTApp::RunAccess() {
  if (DeveloperSwitch("SkipAccess")) {
    AppMessageBox("Registry flag \"SkipAccess\" set to 1", MB_OK);
    WriteProductString(HKEY_CURRENT_USER, IDS_PRODUCT_KEY, "TrueUserName", "Dev User");
    WriteProductString(HKEY_CURRENT_USER, IDS_PRODUCT_KEY, "UserName", "devuser");
    WriteProductDword(HKEY_CURRENT_USER, IDS_PRODUCT_KEY, "AccessDllStatus", 1);
    return AccessOutcome::Success;
  }
  HCURSOR previous = SetCursor(LoadCursorA(nullptr, IDC_WAIT));
  std::string dir;
  if (!ReadRegString(HKEY_CURRENT_USER, kDeveloperKey, "LoadAccessFrom", dir) || dir.empty())
    dir = GetAccessDir();
  std::string path = dir;
  AppendPath(path, "access.dll");

  HMODULE module = LoadLibraryA(path.c_str());
  if (!module) {
    // The system's text is a log line of its own: joined to the heading, a
    // long path and a long text would pass the line limit together.
    const std::string reason = GetSystemErrorText(0);
    LogPrintf("Cannot load %s:\n", path.c_str());
    LogPrintf("%s", reason.c_str());
    return AccessOutcome::NotLoaded;
  }
  LogPrintf("ACCESS.DLL found and loaded\n");
  const std::string entry = LoadResString(IDS_ACCESS_ENTRY);
  const auto initRunMain = reinterpret_cast<InitRunMainFn>(
      reinterpret_cast<void (*)()>(GetProcAddress(module, entry.c_str())));
  if (!initRunMain) {
    const std::string reason = GetSystemErrorText(0);
    LogPrintf("GetProcAddress failed for %s:\n", entry.c_str());
    LogPrintf("%s", reason.c_str());
    FreeLibrary(module);
    return AccessOutcome::NotLoaded;
  }
  LogPrintf("Starting main for access.dll");
  // If the module restarts Windows, the setup comes back with this keyword.
  SetRunOnce(true, m_nRunMode == RUN_RU ? "R&U" : "A_REBOOT");
  SetCursor(previous);
  initRunMain(MainWindowHandle());
  SetRunOnce(false, "");
  const DWORD status = ReadProductDword(HKEY_CURRENT_USER, IDS_PRODUCT_KEY, "AccessDllStatus");
  FreeLibrary(module);
  InitTokens();  // the module may have written the user's names
  return status == 0 ? AccessOutcome::Failed : AccessOutcome::Success;
}
