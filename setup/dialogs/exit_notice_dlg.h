// The small captionless notice shown at the end of every run: a marquee that
// scrolls for eleven ticks of 60 ms and closes itself.
#pragma once
#include <string>

#include "framework/dialog.h"

class CExitNoticeDlg : public CDialog {
 public:
  explicit CExitNoticeDlg(CWnd* parent = nullptr);
  BOOL OnInitDialog() override;
  // Nothing the user presses ends the notice early.
  void OnOK() override {}
  void OnCancel() override {}

  int m_nTicks = 0;
  std::string m_strText;

 protected:
  void OnTimer(UINT_PTR id);
  VT_DECLARE_MESSAGE_MAP()
};
