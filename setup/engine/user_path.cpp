// The user-path instruction: the user names a directory, which becomes
// {USER_DIR} and is remembered for later update runs.
#include <windows.h>

#include <string>

#include "core/config/instruction.h"
#include "core/config/instruction_args.h"
#include "core/log/log_sink.h"
#include "setup/app/setup_app.h"
#include "setup/engine/executors.h"
#include "setup/res/resource.h"
#include "setup/status/registry.h"

int VTCfgUserPath(const std::string& key, const std::string& arguments) {
  CSetupVTApp* app = VTApp();
  if (app->m_b3PUpdate) {
    // The answer of the first run, asked again of nobody.
    std::string remembered;
    ReadProductString(HKEY_CURRENT_USER, IDS_SOFTWARE_KEY, key.c_str(), remembered);
    app->m_tokens.Set(tok::USER_DIR, remembered);
    return VTCFG_DONE;
  }
  const UserPathArgs a = SplitUserPathArgs(arguments);
  if (a.shape != UserPathArgs::kOk) {
    LogPrintf("Inavlid UserPath entry: %s=%s\n", key.c_str(), arguments.c_str());
    app->m_tokens.Remove(tok::USER_DIR);
    return a.shape == UserPathArgs::kNoText ? VTCFG_STOP : VTCFG_ERROR;
  }
  app->ShowProgress(false);
  std::string dir = a.defaultDir;
  if (app->FilePrompt(a.title.c_str(), a.text, dir) != 1) {
    app->ShowProgress(true);
    return VTCFG_STOP;
  }
  if (dir.empty()) {
    app->m_tokens.Remove(tok::USER_DIR);
    app->ShowProgress(true);
    return VTCFG_STOP;
  }
  app->m_tokens.Set(tok::USER_DIR, dir);
  WriteProductString(HKEY_CURRENT_USER, IDS_SOFTWARE_KEY, key.c_str(), dir.c_str());
  app->ShowProgress(true);
  return VTCFG_DONE;
}
