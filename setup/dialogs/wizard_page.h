// A page of the installation wizard: the shared frame (Next, Cancel and the
// hidden "Play controls" area the player draws into) and the page's spoken
// commentary. The commentary is a file named in the "Multimedia" section of
// setup.cfg under the page's key; it plays only when the player is
// available, and anything that keeps it from playing is logged and the page
// works on silently. The player a page opened is closed when its window
// goes, however the page ended.
#pragma once
#include "setup/dialogs/setup_dialog.h"

class CWizardPage : public CSetupDialog {
 public:
  CWizardPage(UINT templateId, CWnd* parent, const char* commentaryKey);

  // Whether this page opened the player.
  bool PlayerOpen() const { return m_bPlayerOpen; }

 protected:
  // Starts the commentary; the page calls it after its own initialisation.
  void PlayCommentary();
  void OnDestroy();
  VT_DECLARE_MESSAGE_MAP()

  const char* m_pszCommentaryKey;
  bool m_bPlayerOpen = false;
};
