// The step sequence replaces the usual message loop; every run ends with the
// exit notice, and the program's exit code is 1.
#include <windows.h>
#include <commctrl.h>

#include "setup_app.h"

int CSetupVTApp::Run() {
  m_nStep = STEP_START;
  InitCommonControls();
  CloseStartupSplash();
  RunStepSequence(*this, *this);
  ShowExitNotice();
  m_nExitCode = 1;
  ExitInstance();
  return 1;
}
