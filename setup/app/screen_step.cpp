// The full-screen window behind every dialog of the setup: made at start-up
// (its background prepared before the configuration is looked for, its
// window once there is one, after the media player), destroyed at exit
// with the player.
#include "core/log/log_sink.h"
#include "setup/screen/screen_wnd.h"
#include "setup_app.h"

BOOL CSetupVTApp::PrepareScreen() {
  m_pScreenWnd = new CScreenWnd;
  m_pScreenWnd->InitBackground();
  return TRUE;
}

BOOL CSetupVTApp::CreateScreen() {
  // Movies and speech, when setup.cfg asks for them; failures only turn
  // them off.
  InitPlayer();
  if (m_pScreenWnd && m_pScreenWnd->Create()) {
    m_pMainWnd = m_pScreenWnd;
    return TRUE;
  }
  LogPrintf("Error creation screen window\n");
  delete m_pScreenWnd;
  m_pScreenWnd = nullptr;
  return FALSE;
}

void CSetupVTApp::DestroyScreen() {
  if (!m_pScreenWnd) return;
  if (m_pMainWnd == m_pScreenWnd) m_pMainWnd = nullptr;
  if (m_pScreenWnd->GetSafeHwnd()) m_pScreenWnd->DestroyWindow();
  // Deleted whether or not its window was ever made: nothing else frees it.
  delete m_pScreenWnd;
  m_pScreenWnd = nullptr;
}
