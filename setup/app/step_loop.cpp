// The step sequence that replaces the usual message loop.
#include "setup_app.h"

int CSetupVTApp::Run() {
  m_nExitCode = 1;
  ExitInstance();
  return 1;
}
