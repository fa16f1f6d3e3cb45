// The progress dialog: shown modally on the main thread while an
// installation runs behind it. The application reaches it (message boxes
// owned by it, progress reports) only while its window exists: the window
// is registered on WM_INITDIALOG and forgotten on WM_DESTROY, so nothing is
// ever sent to a handle that the system may have given to another window.
#pragma once
#include <string>

#include "framework/dialog.h"

class CProgressDlg : public CDialog {
 public:
  // section: the additional software entry to install, or empty for the
  // disk-by-disk installation.
  explicit CProgressDlg(CWnd* parent = nullptr, const std::string& section = std::string());
  BOOL OnInitDialog() override;

  std::string m_strSection;

 protected:
  void OnDestroy();
  VT_DECLARE_MESSAGE_MAP()
};
