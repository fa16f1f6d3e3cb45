#include "setup/dialogs/intro_movie_dlg.h"

#include "core/log/log_sink.h"
#include "setup/app/setup_app.h"
#include "setup/config/cfg_reader.h"
#include "setup/paths/file_paths.h"
#include "setup/player/player_abi.h"
#include "setup/res/resource.h"

VT_BEGIN_MESSAGE_MAP(CIntroMovieDlg, CSetupDialog)
  VT_ON_WM_DESTROY()
VT_END_MESSAGE_MAP()

CIntroMovieDlg::CIntroMovieDlg(CWnd* parent) : CSetupDialog(IDD_INTRO_MOVIE, parent) {}

BOOL CIntroMovieDlg::OnInitDialog() {
  CSetupDialog::OnInitDialog();
  CSetupVTApp* app = VTApp();
  const char* failure = nullptr;
  std::string movie;
  ReadCfgString("Multimedia", m_strKey.c_str(), movie, "", app->GetSetupCfg().c_str(), 256);
  if (movie.empty()) {
    failure = "Entry not found in setup.cfg";
  } else if (!FileExistsIn(movie, "")) {
    LogPrintf("Intro movie file %s. ", movie.c_str());
    failure = "File not found\n";
  } else if (!app->OpenQRMPlayer(this, VT_PLAY_INTRO_MOVIE, movie, VT_PLAY_NUMBER, VT_PLAY_FRAME)) {
    failure = "CIntroMovieDlg: Cannot open the player\n";
  }
  if (failure) {
    LogPrintf("%s", failure);
    EndDialog(IDOK);
    return TRUE;
  }
  m_bPlayerOpen = true;
  return TRUE;
}

void CIntroMovieDlg::OnDestroy() {
  if (VTApp()->m_bMultimedia && m_bPlayerOpen) VTApp()->CloseQRMPlayer();
  m_bPlayerOpen = false;
  Default();
}
