#include "setup/dialogs/intro_dlg.h"

#include "core/wizard/intro_text.h"
#include "setup/app/setup_app.h"
#include "setup/config/cfg_reader.h"
#include "setup/res/resource.h"
#include "setup/status/registry.h"

CIntroDlg::CIntroDlg(CWnd* parent) : CWizardPage(IDD_INTRO, parent, "Intro") {}

BOOL CIntroDlg::OnInitDialog() {
  CWizardPage::OnInitDialog();
  std::string value;
  ReadCfgString("Misc", "Intro Text", value, "", VTApp()->GetSetupCfg().c_str());
  m_strText = IntroText(value, LoadResString(IDS_INTRO_DEFAULT));
  // Straight into the static: the text has no member exchange of its own.
  SetDlgItemText(IDC_INTRO_TEXT, m_strText.c_str());
  PlayCommentary();
  return TRUE;
}
