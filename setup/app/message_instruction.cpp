// The message instruction: a question or notice written in setup.cfg.
#include "core/config/message_instruction.h"

#include "setup_app.h"

int RunMessageInstruction(const char* /*entry*/, const char* argument) {
  CSetupVTApp* app = VTApp();
  const MessageInstruction m = ParseMessageInstruction(argument ? argument : "");
  app->ShowProgress(false);
  const int answer = app->AppMessageBox(m.text.c_str(), m.style);
  app->ShowProgress(true);
  return answer == IDCANCEL || answer == IDNO ? 0 : 1;
}
