// The setup program's start-up, in its fixed order. Any failure ends the
// program with exit code 0 before the step sequence runs.
#include <windows.h>
#include <commctrl.h>

#include <string>

#include "core/log/log_sink.h"
#include "setup/log/setup_log.h"
#include "setup/paths/file_paths.h"
#include "setup/record/install_recorder.h"
#include "setup/record/record_registry.h"
#include "setup_app.h"
#include "setup/status/registry.h"
#include "setup/status/status_store.h"
#include "core/steps/command_line.h"
#include "system_checks.h"

BOOL CSetupVTApp::InitInstance() {
  m_nExitCode = 0;
  // 1. The 3-D look: the common controls library draws it on this system.
  InitCommonControls();
  // 2-3. Operating system and single instance.
  if (!CheckOperatingSystem() || !CheckSingleInstance()) return FALSE;
  // 4. The developer log.
  OpenLog(DeveloperSwitch("VTLog"));
  // What the installation record must know of the registry before this
  // run writes to it (the tokens write the source folder).
  NoteRegistryBeforeRun();
  // 5. Tokens.
  InitTokens();
  // A run after a restart adds to the record at once.
  ResumeRecording(m_tokens.Get(tok::MAIN_DIR));
  // 6. Splash.
  ShowStartupSplash();
  // 7. Memory.
  if (!CheckMemory()) return FALSE;
  // 8. What earlier runs left.
  LoadStatus();
  // 9. The command line.
  const std::string cmdLine = m_lpCmdLine ? m_lpCmdLine : "";
  if (!cmdLine.empty()) LogPrintf("Command line = %s\n", cmdLine.c_str());
  const CommandLineMode mode = ParseCommandLine(cmdLine);
  m_nRunMode = mode.runMode;
  if (mode.continue3PI) m_b3PIContinue = TRUE;
  // The registration and utilities start keeps the status record and needs
  // no screen.
  if (m_nRunMode == RUN_RU) return TRUE;
  // 10. A run rebuilds the status record from its first step.
  DeleteStatusKey();
  // 11-12. The screen, if there is a configuration to install from.
  if (!PrepareScreen()) return FALSE;
  const std::string cfg = GetSetupCfg();
  if (!FileExistsIn(cfg, "")) {
    const std::string text = "Setup configuration file not found:\n" + cfg + ".";
    AfxMessageBox(text.c_str(), MB_ICONSTOP);
    return FALSE;
  }
  LogPrintf("CSetupVTApp::InitInstance(): setup configuration %s\n", cfg.c_str());
  return CreateScreen();
}

int CSetupVTApp::ExitInstance() {
  DestroyScreen();
  ReleasePlayer();
  CloseLog();
  return m_nExitCode;
}
