// What every dialog of the setup program shares: the program icon
// (resource 130, loaded when the dialog is made and set as its big and its
// small icon when it opens) and the framework's initialisation, which moves
// the members into the controls. Each dialog runs modally on the main
// thread.
#pragma once
#include "framework/dialog.h"

class CSetupDialog : public CDialog {
 public:
  CSetupDialog(UINT templateId, CWnd* parent);
  BOOL OnInitDialog() override;

 protected:
  HICON m_hIcon;  // a shared resource icon: not destroyed
};
