#include "exit_notice_dlg.h"

#include "setup/res/resource.h"
#include "core/steps/marquee.h"

VT_BEGIN_MESSAGE_MAP(CExitNoticeDlg, CDialog)
  VT_ON_WM_TIMER()
VT_END_MESSAGE_MAP()

CExitNoticeDlg::CExitNoticeDlg(CWnd* parent) : CDialog(IDD_EXIT_NOTICE, parent) {}

BOOL CExitNoticeDlg::OnInitDialog() {
  m_strText = kExitNoticeText;
  m_nTicks = 0;
  SetDlgItemText(IDC_EXIT_TEXT, m_strText.c_str());
  CenterWindow();
  SetTimer(1, kExitNoticeTickMs);
  return TRUE;
}

void CExitNoticeDlg::OnTimer(UINT_PTR id) {
  if (id != 1) return;
  ++m_nTicks;
  RotateMarquee(m_strText);
  SetDlgItemText(IDC_EXIT_TEXT, m_strText.c_str());
  if (m_nTicks >= kExitNoticeTicks) {
    KillTimer(1);
    EndDialog(1);
  }
}
