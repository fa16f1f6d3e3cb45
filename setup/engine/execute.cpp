// The execute instruction: another installer started, waited for, and asked
// about; its outcome remembered for the additional software list, and a
// restart offered where the instruction asks for one.
#include <windows.h>

#include <optional>
#include <string>
#include <vector>

#include "core/config/instruction.h"
#include "core/config/instruction_args.h"
#include "core/log/log_sink.h"
#include "core/paths/path_ops.h"
#include "core/text/format.h"
#include "setup/app/setup_app.h"
#include "setup/config/cfg_reader.h"
#include "setup/dialogs/launch_watch_dlg.h"
#include "setup/engine/executors.h"
#include "setup/record/install_recorder.h"
#include "setup/media/file_prompt.h"
#include "setup/res/resource.h"
#include "setup/status/registry.h"
#include "setup/status/run_once.h"

namespace {

constexpr int kWatchedApp = 16;  // App=16: watched through its window
constexpr DWORD kSettleAfterDebugMs = 1000;
constexpr DWORD kSettleUnwatchedMs = 5000;

std::string Format(UINT resource, const std::string& key) {
  const std::string format = LoadResString(resource);
  std::vector<char> text(format.size() + key.size() + 1);
  FormatText(text.data(), text.size(), format.c_str(), key.c_str());
  return text.data();
}

void RememberState(const std::string& key, DWORD state) {
  WriteProductDword(HKEY_CURRENT_USER, IDS_SOFTWARE_KEY, key.c_str(), state);
}

// Waits as the program's debugger until the started process ends. Only
// that process is debugged (DEBUG_ONLY_THIS_PROCESS): the processes it
// starts run free, so one that goes on after it never stops at a debug
// event nobody answers. Windows 95 has no call to detach from a debuggee,
// so not attaching to the children is the way to let them run.
void WaitAsDebugger(const PROCESS_INFORMATION& started) {
  DEBUG_EVENT event;
  while (WaitForDebugEvent(&event, INFINITE)) {
    DWORD status = DBG_CONTINUE;
    switch (event.dwDebugEventCode) {
      case CREATE_PROCESS_DEBUG_EVENT:
        if (event.u.CreateProcessInfo.hFile) CloseHandle(event.u.CreateProcessInfo.hFile);
        break;
      case LOAD_DLL_DEBUG_EVENT:
        if (event.u.LoadDll.hFile) CloseHandle(event.u.LoadDll.hFile);
        break;
      case EXCEPTION_DEBUG_EVENT:
        // The program's own exceptions are its own: continued as handled,
        // a fault would only repeat. Breakpoints are the debugger's.
        if (event.u.Exception.ExceptionRecord.ExceptionCode != EXCEPTION_BREAKPOINT)
          status = DBG_EXCEPTION_NOT_HANDLED;
        break;
      default:
        break;
    }
    const bool ended = event.dwDebugEventCode == EXIT_PROCESS_DEBUG_EVENT &&
                       event.dwProcessId == started.dwProcessId;
    ContinueDebugEvent(event.dwProcessId, event.dwThreadId, status);
    if (ended) break;
  }
}

// Waits through the program's window: input idle, then the launch watch
// while a window is named, else a fixed pause.
void WaitThroughWindow(CSetupVTApp* app, const PROCESS_INFORMATION& started, const std::string& windowClass,
                       const std::string& title) {
  if (WaitForInputIdle(started.hProcess, INFINITE) != 0) LogPrintf("WaitForInputIdle: failed\n");
  LogPrintf("WaitForInputIdle: done\n");
  if (!title.empty() || !windowClass.empty()) {
    CLaunchWatchDlg watch(app->ScreenParent(), windowClass, title, started.hProcess);
    watch.DoModal();
    LogPrintf("Out of control dilg\n");
  } else {
    Sleep(kSettleUnwatchedMs);
  }
}

}  // namespace

int VTCfgExecute(const std::string& key, const std::string& arguments, bool quiet) {
  CSetupVTApp* app = VTApp();
  app->ShowProgress(false);
  ExecuteArgs a = SplitExecuteArgs(arguments);
  if (!quiet) {
    std::string dir = a.programDir;
    const int found = PromptForFile(a.programFile, dir);
    if (!found) return VTCFG_STOP;
    // The user found the program elsewhere: start it from there.
    if (found == 2) {
      std::string program = dir;
      AppendPath(program, a.programFile);
      const size_t blank = a.commandLine.find(' ');
      a.commandLine = program + (blank == std::string::npos ? std::string() : a.commandLine.substr(blank));
      a.programDir = dir;
    }
  }

  const std::string cfg = app->GetSetupCfg();
  const bool watched = GetPrivateProfileIntA(key.c_str(), "App", 0, cfg.c_str()) == kWatchedApp;
  std::string title, windowClass;
  if (watched) {
    if (!ReadCfgString(key.c_str(), "Window", title, "", cfg.c_str(), 255))
      LogPrintf("VTCfgExecute(): Control window name not found for %s.\n", key.c_str());
    if (!ReadCfgString(key.c_str(), "Class", windowClass, "", cfg.c_str(), 255))
      LogPrintf("VTCfgExecute(): Control class name not found for %s.\n", key.c_str());
  }

  // The continuation is emptied whichever way this ends, unless the user
  // chooses to restart now.
  int restartMode = 0;
  std::optional<RunOnceContinuation> continuation;
  if (a.restartFlag != '0') {
    continuation.emplace("3PI");
    if (!quiet) RememberState(key, 2);
    restartMode = a.restartFlag == '1' ? 1 : 2;
  }

  STARTUPINFOA start{};
  start.cb = sizeof start;
  start.dwFlags = STARTF_USESHOWWINDOW;
  start.wShowWindow = SW_SHOWNORMAL;
  LogPrintf("Starting %s\n", a.programFile.c_str());
  if (!quiet) app->AppMessageBox(Format(IDS_WILL_LAUNCH, key).c_str(), MB_OK | MB_ICONEXCLAMATION);
  HCURSOR previous = SetCursor(LoadCursorA(nullptr, IDC_WAIT));
  app->MinimizeScreen();
  LogPrintf("CreateProcess for %s\n", a.commandLine.c_str());
  std::vector<char> line(a.commandLine.begin(), a.commandLine.end());
  line.push_back('\0');
  PROCESS_INFORMATION started{};
  // What the installer writes is its own: the record notes only that it ran.
  RecordInstaller(a.commandLine);
  const DWORD flags = NORMAL_PRIORITY_CLASS | (watched ? 0 : DEBUG_ONLY_THIS_PROCESS);
  if (!CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE, flags, nullptr, nullptr, &start,
                      &started)) {
    SetCursor(previous);
    if (quiet) return VTCFG_ERROR;
    app->ScreenToFront();
    const std::string text = "Installation for " + key + " failed. Cannot run " + a.commandLine +
                             ".\nDo you want to continue?";
    return app->AppMessageBox(text.c_str(), MB_YESNO | MB_ICONQUESTION) == IDYES ? VTCFG_FAILED_GO
                                                                                  : VTCFG_STOP;
  }

  if (watched) {
    CloseHandle(started.hThread);
    WaitThroughWindow(app, started, windowClass, title);
    CloseHandle(started.hProcess);
  } else {
    WaitAsDebugger(started);
    CloseHandle(started.hThread);
    CloseHandle(started.hProcess);
    Sleep(kSettleAfterDebugMs);
  }
  SetCursor(previous);
  app->ScreenToFront();
  if (quiet) return VTCFG_DONE;

  const bool succeeded =
      app->AppMessageBox(Format(IDS_LAUNCH_SUCCEEDED, key).c_str(), MB_YESNO | MB_ICONQUESTION) == IDYES;
  if (restartMode == 1) continuation.reset();
  if (succeeded) {
    RememberState(key, 2);
    if (restartMode == 2) {
      if (app->AppMessageBox("You must restart your computer before the new setting will take effect.\n\r\n\r"
                             "Do you want to restart you computer now?",
                             MB_YESNO | MB_ICONINFORMATION) == IDYES) {
        continuation->Keep();
        app->RestartWindows();
        return VTCFG_DONE;
      }
    }
    return VTCFG_DONE;
  }
  RememberState(key, 3);
  return app->AppMessageBox("Do you want to continue?", MB_YESNO | MB_ICONQUESTION) == IDYES ? VTCFG_FAILED_GO
                                                                                            : VTCFG_STOP;
}

int VTCfgExecuteLine(const std::string& key, const std::string& arguments) {
  return VTCfgExecute(key, arguments, false);
}
