// The full-screen window behind every dialog of the setup.
#include "setup_app.h"

BOOL CSetupVTApp::PrepareScreen() { return TRUE; }

BOOL CSetupVTApp::CreateScreen() { return TRUE; }

void CSetupVTApp::DestroyScreen() {}
