#include "setup/dialogs/launch_watch_dlg.h"

#include "core/log/log_sink.h"
#include "setup/app/setup_app.h"
#include "setup/res/resource.h"

VT_BEGIN_MESSAGE_MAP(CLaunchWatchDlg, CDialog)
  VT_ON_WM_TIMER()
VT_END_MESSAGE_MAP()

CLaunchWatchDlg::CLaunchWatchDlg(CWnd* parent, const std::string& windowClass,
                                 const std::string& title, HANDLE process)
    : CDialog(IDD_LAUNCH_WATCH, parent), m_strClass(windowClass), m_strTitle(title), m_hProcess(process) {}

BOOL CLaunchWatchDlg::OnInitDialog() {
  CDialog::OnInitDialog();
  SetTimer(kTimerId, kTimerMs);
  return TRUE;
}

void CLaunchWatchDlg::OnTimer(UINT_PTR id) {
  if (id != kTimerId) return;
  std::lock_guard<Lock> hold(m_lock);
  ShowWindow(SW_HIDE);
  if (!m_bFound) {
    m_hTarget = FindWindowA(m_strClass.empty() ? nullptr : m_strClass.c_str(),
                            m_strTitle.empty() ? nullptr : m_strTitle.c_str());
    if (m_hTarget) {
      m_bFound = true;
      LogPrintf("Launch target found\n");
    } else if (m_hProcess && WaitForSingleObject(m_hProcess, 0) == WAIT_OBJECT_0) {
      LogPrintf("Launch target \"%s\" (class \"%s\") never appeared; the program has ended\n",
                m_strTitle.c_str(), m_strClass.c_str());
      KillTimer(kTimerId);
      EndDialog(1);
    }
    return;
  }
  if (!IsWindow(m_hTarget)) {
    KillTimer(kTimerId);
    VTApp()->ScreenToFront();
    EndDialog(1);
  }
}
