#include "setup_app.h"

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
  return m_bProgressShown && m_hProgressWnd && IsWindow(m_hProgressWnd);
}

int CSetupVTApp::AppMessageBox(const char* text, UINT style) {
  if (!ProgressVisible()) return DoMessageBox(text, style, nullptr);
  // The box belongs to the progress dialog so that it stays above it, while
  // the dialog itself steps aside for the question.
  ShowWindow(m_hProgressWnd, SW_HIDE);
  const int answer = DoMessageBox(text, style, m_hProgressWnd);
  ShowWindow(m_hProgressWnd, SW_SHOW);
  return answer;
}

void CSetupVTApp::ShowProgress(bool show) {
  if (!m_bProgressShown || !m_hProgressWnd || !IsWindow(m_hProgressWnd)) return;
  ShowWindow(m_hProgressWnd, show ? SW_SHOW : SW_HIDE);
  if (show) SetForegroundWindow(m_hProgressWnd);
}

void CSetupVTApp::NotifyProgress(int code, const char* text) {
  if (!ProgressVisible()) return;
  SendMessageA(m_hProgressWnd, WM_COMMAND, MAKEWPARAM(kProgressStatusId, code),
               reinterpret_cast<LPARAM>(text));
}
