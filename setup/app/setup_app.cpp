#include "setup_app.h"

#include "setup/dialogs/progress_dlg.h"
#include "setup/dialogs/file_prompt_dlg.h"

namespace {
CSetupVTApp* g_setupApp = nullptr;
constexpr UINT kProgressStatusId = 1001;
}

CSetupVTApp::CSetupVTApp() : CWinApp("Vantora Installation") { g_setupApp = this; }

CSetupVTApp::~CSetupVTApp() {
  if (g_setupApp == this) g_setupApp = nullptr;
}

CSetupVTApp* VTApp() { return g_setupApp; }

bool CSetupVTApp::ProgressVisible() const {
  // A handle alone could by now name another window: it must still be the
  // window of the dialog object in m_pProgressDlg.
  return m_bProgressShown && m_pProgressDlg && m_hProgressWnd && IsWindow(m_hProgressWnd) &&
         CWnd::FromHandlePermanent(m_hProgressWnd) == m_pProgressDlg;
}

void CSetupVTApp::ProgressWindowOpened(CProgressDlg* dialog) {
  m_hProgressWnd = dialog->GetSafeHwnd();
  m_bProgressShown = true;
}

void CSetupVTApp::ProgressWindowClosed(CProgressDlg* dialog) {
  if (m_hProgressWnd && m_hProgressWnd == dialog->GetSafeHwnd()) m_hProgressWnd = nullptr;
}

int CSetupVTApp::AppMessageBox(const char* text, UINT style) {
  if (!ProgressVisible()) return DoMessageBox(text, style, MainWindowHandle());
  // The box belongs to the progress dialog so that it stays above it, while
  // the dialog itself steps aside for the question.
  ShowWindow(m_hProgressWnd, SW_HIDE);
  const int answer = DoMessageBox(text, style, m_hProgressWnd);
  ShowWindow(m_hProgressWnd, SW_SHOW);
  return answer;
}

void CSetupVTApp::ShowProgress(bool show) {
  if (!ProgressVisible()) return;
  ShowWindow(m_hProgressWnd, show ? SW_SHOW : SW_HIDE);
  if (show) SetForegroundWindow(m_hProgressWnd);
}

void CSetupVTApp::NotifyProgress(int code, const char* text) {
  if (!ProgressVisible()) return;
  SendMessageA(m_hProgressWnd, WM_COMMAND, MAKEWPARAM(kProgressStatusId, code),
               reinterpret_cast<LPARAM>(text));
}

int CSetupVTApp::FilePrompt(const char* caption, const std::string& message, std::string& path) {
  CFilePromptDlg dialog(ScreenParent());
  dialog.m_strCaption = caption;
  dialog.m_strMessage = message;
  dialog.m_strPath = path;
  if (dialog.DoModal() != IDOK) return 0;
  path = dialog.m_strPath;
  return 1;
}

CWnd* CSetupVTApp::ScreenParent() const { return m_pMainWnd; }

void CSetupVTApp::MinimizeScreen() {
  if (m_pMainWnd && m_pMainWnd->GetSafeHwnd()) m_pMainWnd->ShowWindow(SW_MINIMIZE);
}

void CSetupVTApp::ScreenToFront() {
  if (m_pMainWnd && m_pMainWnd->GetSafeHwnd()) ::SetForegroundWindow(m_pMainWnd->GetSafeHwnd());
}

void CSetupVTApp::RestoreScreen() {
  if (m_pMainWnd && m_pMainWnd->GetSafeHwnd()) m_pMainWnd->ShowWindow(SW_RESTORE);
}

void CSetupVTApp::RestartWindows() { ::ExitWindowsEx(EWX_REBOOT, 0); }
