// The additional software: the list from setup.cfg's Software section with
// each item's remembered state, the user's choice, and each chosen item
// installed (a run-section item behind its own progress dialog, an execute
// item directly).
#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "core/config/instruction.h"
#include "core/config/software_list.h"
#include "core/config/token_replace.h"
#include "core/log/log_sink.h"
#include "setup/app/setup_app.h"
#include "setup/config/cfg_reader.h"
#include "setup/dialogs/progress_dlg.h"
#include "setup/dialogs/software_dlg.h"
#include "setup/engine/executors.h"
#include "setup/paths/file_paths.h"
#include "setup/res/resource.h"
#include "setup/status/registry.h"
#include "setup/record/install_recorder.h"

namespace {

void Remember(const std::string& name, int state) {
  WriteProductDword(HKEY_CURRENT_USER, IDS_SOFTWARE_KEY, name.c_str(), static_cast<DWORD>(state));
}

// Whether an earlier run remembered item states: a DWORD value in the
// Software key. The key alone does not tell: user-path instructions keep
// their answers there as strings during the first installation itself.
bool StatesRemembered() {
  const std::string key = LoadResString(IDS_SOFTWARE_KEY);
  HKEY h;
  if (RegOpenKeyExA(HKEY_CURRENT_USER, key.c_str(), 0, KEY_READ, &h) != ERROR_SUCCESS) return false;
  bool found = false;
  for (DWORD i = 0; !found; ++i) {
    char name[256];
    DWORD size = sizeof name, type = 0;
    if (RegEnumValueA(h, i, name, &size, nullptr, &type, nullptr, nullptr) != ERROR_SUCCESS) break;
    found = type == REG_DWORD;
  }
  RegCloseKey(h);
  return found;
}

bool CreateStatesKey() {
  HKEY h;
  if (RegCreateKeyExA(HKEY_CURRENT_USER, LoadResString(IDS_SOFTWARE_KEY).c_str(), 0, nullptr, 0, KEY_ALL_ACCESS,
                      nullptr, &h, nullptr) != ERROR_SUCCESS)
    return false;
  RegCloseKey(h);
  return true;
}

}  // namespace

int CSetupVTApp::InitSoftwareList() {
  m_SoftwareList.clear();
  std::vector<std::string> lines;
  if (ReadCfgSection("Software", lines, GetSetupCfg().c_str()) <= 0) {
    LogPrintf("Error reading software section in CFG.\n");
    return 0;
  }
  const bool continueOrUpdate = m_b3PIContinue || m_b3PUpdate;
  if (StatesRemembered()) {
    // A later run: only what the first run remembered.
    for (const std::string& raw : lines) {
      const MarkedSoftwareLine m = TakeSoftwareMarker(raw, continueOrUpdate);
      const std::string name = SoftwareName(m.line);
      const DWORD remembered = ReadProductDword(HKEY_CURRENT_USER, IDS_SOFTWARE_KEY, name.c_str());
      if (remembered == kRegDwordMissing) continue;
      m_SoftwareList.push_back(m.line);
      m_SoftwareStates[name] =
          remembered == SW_SELECTED || remembered == SW_DONE ? static_cast<int>(remembered) : m.state;
    }
  } else {
    if (!CreateStatesKey()) return 0;
    const std::string src = GetSrcDir();
    for (const std::string& raw : lines) {
      const MarkedSoftwareLine m = TakeSoftwareMarker(raw, continueOrUpdate);
      std::string key, arguments;
      const int kind = ParseCfgInstruction(m.line, key, arguments, m_tokens);
      const std::string needed = SoftwareNeeds(kind, key, arguments, src);
      if (needed.empty() || !FileExistsIn(needed, "")) continue;
      m_SoftwareList.push_back(m.line);
      m_SoftwareStates[key] = m.state;
      if (m.state != SW_ALWAYS) Remember(key, m.state);
    }
  }
  return static_cast<int>(m_SoftwareList.size());
}

int CSetupVTApp::RunSoftwareDialog() {
  C3PIDlg dialog(ScreenParent(), m_SoftwareList, m_SoftwareStates);
  return static_cast<int>(dialog.DoModal());
}

int CSetupVTApp::Install3pi() {
  LogPrintf("CSetupVTApp::Install3pi(): starting. m_b3PIContinue=%d, m_b3PUpdate=%d\n", m_b3PIContinue ? 1 : 0,
            m_b3PUpdate ? 1 : 0);
  if (InitSoftwareList() == 0) {
    LogPrintf("CSetupVTApp::Install3pi(): Software list initialization failed\n");
    return 0;
  }
  LogPrintf("CSetupVTApp::Install3pi(): Software list initialized\n");
  if (!m_b3PIContinue && !m_b3PUpdate) {
    if (RunSoftwareDialog() != IDOK) {
      LogPrintf("CSetupVTApp::Install3pi(): C3PIDlg return != IDOK\n");
      return 0;
    }
    for (const auto& [name, state] : m_SoftwareStates)
      if (state != SW_ALWAYS && state != kNoSoftwareState) Remember(name, state);
  }

  int result = VTCFG_DONE;
  for (const std::string& line : m_SoftwareList) {
    if (m_bAbort) break;
    std::string key, arguments;
    const int kind = ParseCfgInstruction(line, key, arguments, m_tokens);
    if (kind == VTCFG_EXECUTE && m_b3PUpdate) continue;
    const auto found = m_SoftwareStates.find(key);
    if (found == m_SoftwareStates.end()) {
      LogPrintf("CSetupVTApp::Install3pi(): %s not found - skip\n", line.c_str());
      continue;
    }
    const int state = found->second;
    if (m_b3PUpdate && state != SW_DONE) {
      LogPrintf("CSetupVTApp::Install3pi(): %s not done - don't update\n", line.c_str());
      continue;
    }
    if (!m_b3PUpdate && state != SW_SELECTED && state != SW_ALWAYS) {
      LogPrintf("CSetupVTApp::Install3pi(): %s not selected - skip\n", line.c_str());
      continue;
    }
    if (kind == VTCFG_SECTION) {
      m_pProgressDlg = new CProgressDlg(ScreenParent(), line);
      result = static_cast<int>(m_pProgressDlg->DoModal());
      delete m_pProgressDlg;
      m_pProgressDlg = nullptr;
    } else if (kind == VTCFG_EXECUTE) {
      CfgInstructReplaceTokens(arguments, m_tokens);
      result = VTCfgExecute(key, arguments, state == SW_ALWAYS);
    } else {
      continue;
    }
    LogPrintf("CSetupVTApp::Install3pi(): %s done. hErrCode = %d\n", line.c_str(), result);
    const int outcome = result == VTCFG_DONE ? SW_DONE : SW_FAILED;
    if (state != SW_ALWAYS) Remember(key, outcome);
    found->second = outcome;
    if (result != VTCFG_DONE && result != VTCFG_FAILED_GO) break;
  }
  RestoreScreen();
  LogPrintf("CSetupVTApp::Install3pi(): return %d\n", result);
  if (!m_b3PUpdate && result == VTCFG_DONE) AppMessageBox("Software Installation completed", MB_OK | MB_ICONINFORMATION);
  return result;
}

int CSetupVTApp::InstallSoftware(const std::string& line) {
  LogPrintf("CSetupVTApp::InstallSoftware(...)  Processing %s\n", line.c_str());
  StartRecording(m_tokens.Get(tok::MAIN_DIR));
  std::string key, arguments;
  const int kind = ParseCfgInstruction(line, key, arguments, m_tokens);
  if (ProgressVisible()) {
    const std::string title = std::string("Vantora setup - ") + (m_b3PUpdate ? "Updating " : "Installing ") + key;
    SetWindowTextA(m_hProgressWnd, title.c_str());
  }
  CfgInstructReplaceTokens(arguments, m_tokens);
  if (m_b3PUpdate && kind != VTCFG_SECTION) return VTCFG_DONE;
  switch (kind) {
    case VTCFG_EXECUTE:
      return VTCfgExecute(key, arguments, false);
    case VTCFG_SECTION:
      RestoreScreen();
      return VTCfgRunSection(key, arguments);
    case VTCFG_MESSAGE:
      RestoreScreen();
      return RunMessageInstruction(key.c_str(), arguments.c_str());
    default:
      LogPrintf("Illigal instruction %s in setup.cfg. Ignored\n", line.c_str());
      return VTCFG_FAILED_GO;
  }
}
