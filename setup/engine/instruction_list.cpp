// Running lists of instruction lines: parsing, the update-run filter, the
// Ignore question, dispatch by kind, and nested sections.
#include <cstdio>
#include <string>
#include <vector>

#include "core/config/instruction.h"
#include "core/config/instruction_args.h"
#include "core/config/token_replace.h"
#include "core/log/log_sink.h"
#include "setup/app/setup_app.h"
#include "setup/config/cfg_reader.h"
#include "setup/engine/executors.h"

namespace {

int VTCfgMessage(const std::string& key, const std::string& arguments) {
  return RunMessageInstruction(key.c_str(), arguments.c_str());
}

// Kind to executor.
const VTCfgExecutor kExecutors[kVTCfgLastKind + 1] = {
    nullptr,         // 0: no kind
    VTCfgCopy,       // VTCFG_COPY
    VTCfgExtract,    // VTCFG_EXTRACT
    VTCfgRegImport,  // VTCFG_REGIMPORT
    VTCfgExecuteLine, // VTCFG_EXECUTE
    VTCfgShortcut,   // VTCFG_SHORTCUT
    VTCfgRunSection, // VTCFG_SECTION
    VTCfgDelete,     // VTCFG_DELETE
    VTCfgUserPath,   // VTCFG_USERPATH
    VTCfgCreateDir,  // VTCFG_CREATEDIR
    VTCfgMessage,    // VTCFG_MESSAGE
};

}  // namespace

VTCfgExecutor CSetupVTApp::ExecutorFor(int kind) const {
  return kind >= kVTCfgFirstKind && kind <= kVTCfgLastKind ? kExecutors[kind] : nullptr;
}

bool AskIgnoreEntry(const std::string& what) {
  const std::string text = "Illigal entry \"" + what + "\" in SETUP.CFG";
  const bool ignore = VTApp()->AppMessageBox((text + "\nIgnore?").c_str(), MB_YESNO | MB_ICONSTOP) == IDYES;
  LogPrintf("%s%s", text.c_str(), ignore ? " Ignored\n" : " Aborted\n");
  return ignore;
}

int CSetupVTApp::RunCfgInstructions(const std::vector<std::string>& lines) {
  int result = VTCFG_DONE;
  for (size_t i = 0; i < lines.size() && !m_bAbort && result == VTCFG_DONE; ++i) {
    const std::string& line = lines[i];
    std::string key, arguments;
    const int kind = ParseCfgInstruction(line, key, arguments, m_tokens);
    // An update run only brings registry files and remembered paths up to date.
    if (m_b3PUpdate && kind != VTCFG_REGIMPORT && kind != VTCFG_USERPATH) continue;
    if (!CfgInstructReplaceTokens(arguments, m_tokens)) {
      if (!AskIgnoreEntry(line)) return VTCFG_ERROR;
      continue;
    }
    const VTCfgExecutor executor = ExecutorFor(kind);
    if (!executor) {
      if (!AskIgnoreEntry(line)) return VTCFG_ERROR;
      result = VTCFG_DONE;
      continue;
    }
    result = executor(key, arguments);
    if (m_bAbort) LogPrintf("User cancel\n");
  }
  return m_bAbort ? VTCFG_STOP : result;
}

int VTCfgRunSection(const std::string& key, const std::string& arguments) {
  CSetupVTApp* app = VTApp();
  const std::string section = SectionNameOf(key, arguments);
  std::vector<std::string> lines;
  if (ReadCfgSection(section.c_str(), lines, app->GetSetupCfg().c_str()) <= 0)
    return AskIgnoreEntry(key + "=" + arguments) ? VTCFG_DONE : VTCFG_ERROR;
  if (app->m_nSectionDepth >= kMaxSectionDepth) {
    LogPrintf("VTCfgRunSection(): Section %s nested %d deep: it runs itself. Aborted\n",
              section.c_str(), app->m_nSectionDepth);
    return VTCFG_ERROR;
  }
  ++app->m_nSectionDepth;
  const int result = app->RunCfgInstructions(lines);
  --app->m_nSectionDepth;
  return result;
}
