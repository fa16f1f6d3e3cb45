// The introduction movie (template 148): a wizard-sized page in which the
// media player shows the introduction movie, with Next (1) and Cancel (2;
// the setup run ends). When the movie cannot be played the page ends at
// once with 1 and the setup goes on.
#pragma once
#include <windows.h>

#include <string>

#include "setup/dialogs/setup_dialog.h"

class CIntroMovieDlg : public CSetupDialog {
 public:
  explicit CIntroMovieDlg(CWnd* parent = nullptr);
  BOOL OnInitDialog() override;

  // The key of section "Multimedia" that names the movie; its value is a
  // path used as it stands.
  std::string m_strKey = "IntroMovie";
  bool m_bPlayerOpen = false;

 protected:
  void OnDestroy();
  VT_DECLARE_MESSAGE_MAP()
};
