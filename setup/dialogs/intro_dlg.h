// The introduction page (template 1): the welcome and requirements text,
// from "Intro Text" of setup.cfg's "Misc" section ("^" for a line break) or
// the program's own; its commentary is "Intro". Next ends with 1, Cancel
// with 2.
#pragma once
#include <string>

#include "setup/dialogs/wizard_page.h"

class CIntroDlg : public CWizardPage {
 public:
  explicit CIntroDlg(CWnd* parent = nullptr);
  BOOL OnInitDialog() override;

  std::string m_strText;  // the text shown
};
