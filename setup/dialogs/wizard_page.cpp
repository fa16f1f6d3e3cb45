#include "setup/dialogs/wizard_page.h"

#include <string>

#include "core/log/log_sink.h"
#include "setup/app/setup_app.h"
#include "setup/config/cfg_reader.h"
#include "setup/paths/file_paths.h"
#include "setup/player/player_abi.h"

VT_BEGIN_MESSAGE_MAP(CWizardPage, CSetupDialog)
  VT_ON_WM_DESTROY()
VT_END_MESSAGE_MAP()

CWizardPage::CWizardPage(UINT templateId, CWnd* parent, const char* commentaryKey)
    : CSetupDialog(templateId, parent), m_pszCommentaryKey(commentaryKey) {}

void CWizardPage::PlayCommentary() {
  CSetupVTApp* app = VTApp();
  if (!app->m_bMultimedia) return;
  // Both pages have always reported under the directory page's name.
  const char* failure = nullptr;
  std::string path;
  ReadCfgString("Multimedia", m_pszCommentaryKey, path, "", app->GetSetupCfg().c_str());
  if (path.empty()) {
    failure = "DirDlg: Entry not found in setup.cfg";
  } else if (!FileExistsIn(path, std::string())) {
    LogPrintf("DirDlg: Speach file %s. ", path.c_str());
    failure = "File not found\n";
  } else if (!app->OpenQRMPlayer(this, VT_PLAY_COMMENTARY, path, VT_PLAY_NUMBER, VT_PLAY_FRAME)) {
    failure = "DirDlg: Cannot open the player\n";
  }
  m_bPlayerOpen = failure == nullptr;
  if (failure) LogPrintf("%s", failure);
}

void CWizardPage::OnDestroy() {
  CSetupVTApp* app = VTApp();
  if (app->m_bMultimedia && m_bPlayerOpen) {
    app->CloseQRMPlayer();
    m_bPlayerOpen = false;
  }
  Default();
}
