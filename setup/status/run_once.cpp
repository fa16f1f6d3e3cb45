#include "setup/status/run_once.h"

#include <string>

#include "core/config/token_table.h"
#include "setup/app/setup_app.h"
#include "setup/record/record_registry.h"
#include "setup/status/registry.h"

void SetRunOnce(bool enable, const char* keyword) {
  std::string command;
  if (enable) {
    command = VTApp()->m_tokens.Get(tok::SETUP_EXE);
    if (command.find(' ') != std::string::npos) command = '"' + command + '"';
    command += std::string(" ") + (keyword ? keyword : "");
  }
  RecordRunOnce();
  WriteRegString(HKEY_CURRENT_USER, kRunOnceKey, kRunOnceValue, command.c_str());
}
