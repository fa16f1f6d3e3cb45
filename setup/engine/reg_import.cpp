// The registry-import instruction: a registry file from the media, its
// tokens filled in, merged by the registry editor.
#include <windows.h>

#include <string>

#include "core/config/instruction.h"
#include "core/log/log_sink.h"
#include "core/paths/path_ops.h"
#include "setup/app/setup_app.h"
#include "setup/engine/executors.h"
#include "setup/engine/reg_file_writer.h"
#include "setup/log/setup_log.h"
#include "setup/paths/file_copy.h"
#include "setup/record/record_registry.h"

int VTCfgRegImport(const std::string& key, const std::string& arguments) {
  CSetupVTApp* app = VTApp();
  app->NotifyProgress(3, key.c_str());
  // An update run takes the registry files that the first run installed.
  std::string source = app->m_b3PUpdate  ? app->m_tokens.Get(tok::ACCESS_DIR)
                       : arguments.empty() ? app->m_tokens.Get(tok::SRC_DIR)
                                           : arguments;
  AppendPath(source, key);
  std::string temporary = app->m_tokens.Get(tok::MAIN_DIR);
  AppendPath(temporary, "regimp.reg");

  for (;;) {
    const DWORD error = CopyOverwriting(source, temporary);
    if (error == ERROR_SUCCESS) break;
    const std::string text =
        "Error processing registry file " + source + ":\n" + GetSystemErrorText(error);
    LogPrintf("%s", text.c_str());
    if (app->AppMessageBox(text.c_str(), MB_RETRYCANCEL | MB_ICONSTOP) != IDRETRY) return VTCFG_ERROR;
  }
  CRegFileWriter writer(temporary, app->m_tokens);
  writer.Rewrite();  // on failure the editor merges the file as copied
  RecordRegFile(temporary);
  RunRegistryEditor(temporary);
  DeleteFileA(temporary.c_str());
  return VTCFG_DONE;
}
