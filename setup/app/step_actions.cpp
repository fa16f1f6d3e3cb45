// What each step of the sequence does: the screen's logo animation and
// fade-in, the movies, the wizard pages, the installations and the
// maintenance choice, each dialog modal over the setup screen.
#include <string>

#include "setup/config/cfg_reader.h"
#include "setup/dialogs/choice_dlg.h"
#include "setup/dialogs/dest_dir_dlg.h"
#include "setup/dialogs/exit_notice_dlg.h"
#include "setup/dialogs/intro_dlg.h"
#include "setup/dialogs/intro_movie_dlg.h"
#include "setup/dialogs/logo_movie_dlg.h"
#include "setup/dialogs/progress_dlg.h"
#include "setup/res/resource.h"
#include "setup/screen/screen_wnd.h"
#include "setup_app.h"
#include "setup/status/registry.h"


void CSetupVTApp::FadeIn() {
  if (m_pScreenWnd) m_pScreenWnd->FadeIn();
}

void CSetupVTApp::LogoAnimate() {
  if (m_pScreenWnd) m_pScreenWnd->AnimateLogo();
}

bool CSetupVTApp::AskFinishSetupFirst() {
  return AppMessageBox(LoadResString(IDS_FINISH_SETUP_FIRST).c_str(),
                       MB_OKCANCEL | MB_ICONEXCLAMATION) == IDOK;
}

void CSetupVTApp::LogoMovie() {
  // Played to its end (1) or not playable (3): the sequence goes on alike.
  CLogoMovieDlg movie(ScreenParent());
  movie.DoModal();
}

bool CSetupVTApp::IntroMovie() {
  CIntroMovieDlg movie(ScreenParent());
  return movie.DoModal() == IDCANCEL;
}

bool CSetupVTApp::IntroDialog() {
  CIntroDlg page(ScreenParent());
  return page.DoModal() == IDOK;
}

bool CSetupVTApp::DestinationDialog() {
  CDestDirDlg page(ScreenParent());
  return page.DoModal() == IDOK;
}

int CSetupVTApp::RunInstallation() {
  // The disk-by-disk installation runs on the worker behind the dialog;
  // the dialog's result is the installation's.
  m_pProgressDlg = new CProgressDlg(ScreenParent());
  const INT_PTR result = m_pProgressDlg->DoModal();
  delete m_pProgressDlg;
  m_pProgressDlg = nullptr;
  return static_cast<int>(result);
}

int CSetupVTApp::RunAdditionalSoftware() { return Install3pi(); }

bool CSetupVTApp::SoftwareListHasContent() {
  return CfgSectionHasContent("Software", GetSetupCfg().c_str());
}

int CSetupVTApp::MaintenanceChoice(const ChoiceMenu& menu) {
  UINT ids[CChoiceDlg::kMaxOptions] = {};
  for (size_t i = 0; i < menu.options.size() && i < CChoiceDlg::kMaxOptions; ++i) ids[i] = menu.options[i];
  CChoiceDlg choice(menu.heading, ScreenParent(), ids[0], ids[1], ids[2], ids[3], ids[4]);
  const int chosen = choice.Choose();
  return chosen < 0 ? kChoiceQuit : chosen;
}

void CSetupVTApp::ShowExitNotice() {
  CExitNoticeDlg notice(m_pMainWnd);
  notice.DoModal();
}

