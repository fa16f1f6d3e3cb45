// The file prompt dialog (template 166): a message, an editable path with a
// "..." button that opens the folder browser, OK and Cancel. The caller sets
// the message, the path and the caption; OK with a path ends with 1 (the
// path without a trailing backslash), anything else with 2.
#pragma once
#include <string>

#include "setup/dialogs/setup_dialog.h"

class CFilePromptDlg : public CSetupDialog {
 public:
  explicit CFilePromptDlg(CWnd* parent = nullptr);
  BOOL OnInitDialog() override;
  void OnOK() override;

  std::string m_strMessage;
  std::string m_strPath;
  std::string m_strCaption;

 protected:
  void DoDataExchange(CDataExchange* dx) override;
  void OnBrowse();
  VT_DECLARE_MESSAGE_MAP()
};
