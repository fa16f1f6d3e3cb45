// Until the player binding is in place: no library, so nothing plays.
#include "setup/app/setup_app.h"

int CSetupVTApp::OpenQRMPlayer(CWnd*, UINT, const std::string&, int, UINT) { return 0; }

void CSetupVTApp::CloseQRMPlayer() {}
