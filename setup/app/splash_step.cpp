// The splash shown while the setup program starts.
#include "setup_app.h"

void CSetupVTApp::ShowStartupSplash() {
  // The picture library's splash window is not part of this program yet.
}
