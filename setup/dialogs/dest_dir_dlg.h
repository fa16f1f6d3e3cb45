// The destination directory page (template 2): proposes {MAIN_DIR}, shows
// the space the installation needs and the space free on the chosen drive,
// and lets the user type or browse for another directory. Next refuses
// unfit drives, questions drive roots and system places, checks the space
// and, on a reinstallation into another directory, asks first; an accepted
// directory becomes "MainDir" (current user and machine) and the tokens are
// recomputed from it. Ends with 1, or 2 for Cancel (also the Cancel answer
// to the reinstall question). Its commentary is "Dir".
#pragma once
#include <cstdint>
#include <string>

#include "setup/dialogs/wizard_page.h"

class CDestDirDlg : public CWizardPage {
 public:
  explicit CDestDirDlg(CWnd* parent = nullptr);
  BOOL OnInitDialog() override;
  void OnOK() override;

  // Shows the free space of the drive named in the edit box; returns it in
  // whole megabytes (0 when it cannot be read).
  unsigned long UpdateFreeSpace();
  // The free bytes of a drive ("C:\\"), 0 when they cannot be read; tests
  // stand in with drives of their own.
  virtual uint64_t DiskFreeBytes(const std::string& root);
  // The directory's drive and place: TRUE when the installation may go
  // there. Asks and warns on the way; a trailing backslash goes.
  bool Validate();

  std::string m_strDir;        // the edit box
  std::string m_strAvailable;  // the free space shown
  UINT m_nRequiredMB = 15;

 protected:
  void DoDataExchange(CDataExchange* dx) override;
  void OnBrowse();
  // The framework's message box, owned by this page.
  int Message(const std::string& text, UINT type);
  VT_DECLARE_MESSAGE_MAP()
};
