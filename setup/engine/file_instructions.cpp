// The create-directory and delete instructions.
#include <windows.h>

#include <string>

#include "core/config/instruction.h"
#include "core/log/log_sink.h"
#include "core/paths/path_ops.h"
#include "setup/app/setup_app.h"
#include "setup/engine/executors.h"
#include "setup/paths/file_paths.h"

int VTCfgCreateDir(const std::string& key, const std::string& arguments) {
  VTApp()->NotifyProgress(2, arguments.c_str());
  if (arguments.empty()) {
    LogPrintf("VTCFG_CREATEDIR: Inavlid entry %s=%s\n", key.c_str(), arguments.c_str());
    return VTCFG_ERROR;
  }
  if (CreatePath(arguments)) return VTCFG_DONE;
  // No message for the user here; the log at least says why the
  // installation stopped (the path cut to what a log line holds).
  LogPrintf("VTCFG_CREATEDIR: Cannot create %.400s\n", arguments.c_str());
  return VTCFG_ERROR;
}

int VTCfgDelete(const std::string& key, const std::string& arguments) {
  VTApp()->NotifyProgress(0, key.c_str());
  std::string path = arguments.empty() ? VTApp()->m_tokens.Get(tok::MAIN_DIR) : arguments;
  AppendPath(path, key);
  // Whatever stops the deletion (the file is not there, in use, read-only),
  // the installation goes on.
  if (!DeleteFileA(path.c_str())) LogPrintf("Error removing %s. Ignored\n", path.c_str());
  return VTCFG_DONE;
}
