#include "setup/dialogs/file_prompt_dlg.h"

#include "setup/dialogs/folder_browser_dlg.h"
#include "setup/res/resource.h"

VT_BEGIN_MESSAGE_MAP(CFilePromptDlg, CSetupDialog)
  VT_ON_COMMAND(IDC_PROMPT_BROWSE, OnBrowse)
VT_END_MESSAGE_MAP()

CFilePromptDlg::CFilePromptDlg(CWnd* parent) : CSetupDialog(IDD_FILE_PROMPT, parent) {}

void CFilePromptDlg::DoDataExchange(CDataExchange* dx) {
  DDX_Text(dx, IDC_PROMPT_MESSAGE, m_strMessage);
  DDX_Text(dx, IDC_PROMPT_PATH, m_strPath);
}

BOOL CFilePromptDlg::OnInitDialog() {
  CSetupDialog::OnInitDialog();
  SetWindowText(m_strCaption.c_str());
  return TRUE;
}

void CFilePromptDlg::OnBrowse() {
  std::string chosen;
  if (!CFolderBrowserDlg::Browse(CFolderBrowserDlg::kPickFolder, chosen, m_strPath, this)) return;
  m_strPath = chosen;
  SetDlgItemText(IDC_PROMPT_PATH, m_strPath.c_str());
}

void CFilePromptDlg::OnOK() {
  if (!UpdateData(TRUE)) return;
  if (m_strPath.empty()) {
    EndDialog(IDCANCEL);
    return;
  }
  if (m_strPath.back() == '\\') {
    m_strPath.pop_back();
    SetDlgItemText(IDC_PROMPT_PATH, m_strPath.c_str());
  }
  EndDialog(IDOK);
}
