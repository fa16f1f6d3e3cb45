#include "progress_dlg.h"

#include "setup/app/setup_app.h"
#include "setup/res/resource.h"

VT_BEGIN_MESSAGE_MAP(CProgressDlg, CDialog)
  VT_ON_WM_DESTROY()
VT_END_MESSAGE_MAP()

CProgressDlg::CProgressDlg(CWnd* parent, const std::string& section)
    : CDialog(IDD_PROGRESS, parent), m_strSection(section) {}

BOOL CProgressDlg::OnInitDialog() {
  CDialog::OnInitDialog();
  if (CSetupVTApp* app = VTApp()) app->ProgressWindowOpened(this);
  return TRUE;
}

void CProgressDlg::OnDestroy() {
  if (CSetupVTApp* app = VTApp()) app->ProgressWindowClosed(this);
  Default();
}
