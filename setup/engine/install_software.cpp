// One line of the additional software list, run on the installation
// worker; and the settings that follow the disk sections.
#include <windows.h>

#include <string>

#include "core/config/instruction.h"
#include "core/config/token_replace.h"
#include "core/log/log_sink.h"
#include "setup/app/setup_app.h"
#include "setup/engine/executors.h"

int CSetupVTApp::InstallSoftware(const std::string& line) {
  LogPrintf("CSetupVTApp::InstallSoftware(...)  Processing %s\n", line.c_str());
  std::string key, arguments;
  const int kind = ParseCfgInstruction(line, key, arguments, m_tokens);
  if (ProgressVisible()) {
    const std::string title = std::string("Vantora setup - ") + (m_b3PUpdate ? "Updating " : "Installing ") + key;
    SetWindowTextA(m_hProgressWnd, title.c_str());
  }
  CfgInstructReplaceTokens(arguments, m_tokens);
  if (m_b3PUpdate && kind != VTCFG_SECTION) return VTCFG_DONE;
  switch (kind) {
    case VTCFG_SECTION:
      return VTCfgRunSection(key, arguments);
    case VTCFG_MESSAGE:
      return RunMessageInstruction(key.c_str(), arguments.c_str());
    case VTCFG_EXECUTE:
      LogPrintf("CSetupVTApp::InstallSoftware(): this setup program cannot run programs yet: %s\n",
                line.c_str());
      return VTCFG_FAILED_GO;
    default:
      LogPrintf("Illigal instruction %s in setup.cfg. Ignored\n", line.c_str());
      return VTCFG_FAILED_GO;
  }
}

void CSetupVTApp::CopySetupIniToRegistry() {
  LogPrintf("CopySetupIniToRegistry(): setup.ini is not copied by this setup program yet\n");
}
