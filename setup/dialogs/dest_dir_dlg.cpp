#include "setup/dialogs/dest_dir_dlg.h"

#include "core/wizard/dest_dir_rules.h"
#include "setup/app/setup_app.h"
#include "setup/dialogs/folder_browser_dlg.h"
#include "setup/paths/file_paths.h"
#include "setup/res/resource.h"
#include "setup/status/registry.h"

VT_BEGIN_MESSAGE_MAP(CDestDirDlg, CWizardPage)
  VT_ON_COMMAND(IDC_DEST_BROWSE, OnBrowse)
VT_END_MESSAGE_MAP()

CDestDirDlg::CDestDirDlg(CWnd* parent)
    : CWizardPage(IDD_DEST_DIR, parent, "Dir"), m_strDir(VTApp()->m_tokens.Get(tok::MAIN_DIR)) {}

void CDestDirDlg::DoDataExchange(CDataExchange* dx) {
  DDX_Text(dx, IDC_DEST_DIR, m_strDir);
  DDX_Text(dx, IDC_DEST_AVAILABLE, m_strAvailable);
}

int CDestDirDlg::Message(const std::string& text, UINT type) {
  return VTApp()->DoMessageBox(text.c_str(), type, m_hWnd);
}

BOOL CDestDirDlg::OnInitDialog() {
  CWizardPage::OnInitDialog();
  m_nRequiredMB = GetPrivateProfileIntA("Misc", "ReqFreeSpace", 15, VTApp()->GetSetupCfg().c_str());
  SetDlgItemText(IDC_DEST_REQUIRED, RequiredSpaceText(static_cast<int>(m_nRequiredMB)).c_str());
  UpdateFreeSpace();
  PlayCommentary();
  return TRUE;
}

unsigned long CDestDirDlg::UpdateFreeSpace() {
  char text[257] = {};
  ::GetDlgItemTextA(m_hWnd, IDC_DEST_DIR, text, sizeof text);
  const std::string dir = text;
  const uint64_t bytes = dir.size() >= 2 ? DiskFreeBytes(dir.substr(0, 2) + "\\") : 0;
  m_strAvailable = FreeSpaceText(bytes);
  UpdateData(FALSE);
  return WholeMegabytes(bytes);
}

uint64_t CDestDirDlg::DiskFreeBytes(const std::string& root) {
  DWORD sectorsPerCluster = 0, bytesPerSector = 0, freeClusters = 0, clusters = 0;
  if (!GetDiskFreeSpaceA(root.c_str(), &sectorsPerCluster, &bytesPerSector, &freeClusters, &clusters)) return 0;
  return FreeBytes(sectorsPerCluster, bytesPerSector, freeClusters);
}

void CDestDirDlg::OnBrowse() {
  std::string chosen;
  if (!CFolderBrowserDlg::Browse(CFolderBrowserDlg::kPickFolder, chosen, m_strDir, this)) return;
  m_strDir = chosen;
  UpdateData(FALSE);
  UpdateFreeSpace();
}

bool CDestDirDlg::Validate() {
  if (m_strDir.empty()) {
    Message("Please enter the Vantora directory.", MB_ICONSTOP);
    return false;
  }
  const std::string upper = UpperAscii(m_strDir);
  const std::string drive = DriveOf(upper);
  const DriveVerdict verdict = ClassifyDrive(GetDriveTypeA((drive + "\\").c_str()));
  if (verdict.cls == DriveClass::kRefused) {
    Message(DriveMessage(drive, verdict), MB_ICONSTOP);
    return false;
  }
  if (verdict.cls == DriveClass::kQuestionable &&
      Message(DriveMessage(drive, verdict), MB_YESNO | MB_ICONEXCLAMATION) != IDYES)
    return false;
  if (IsDangerousPlace(upper, UpperAscii(VTApp()->m_tokens.Get(tok::WINDOWS))) &&
      Message(DangerousPlaceQuestion(upper), MB_YESNO | MB_ICONEXCLAMATION) != IDYES)
    return false;
  StripTrailingBackslash(m_strDir);
  return true;
}

void CDestDirDlg::OnOK() {
  CSetupVTApp* app = VTApp();
  UpdateData(TRUE);
  if (!Validate()) return;
  if (UpdateFreeSpace() < m_nRequiredMB) {
    Message("You don't have enough free space on selected drive.", MB_OK);
    return;
  }
  const std::string previous = app->m_tokens.Get(tok::MAIN_DIR);
  if (!app->m_bReinstall && !app->m_bInstalled) {
    // A first installation: files already there would be overwritten.
    if (FileExistsIn(m_strDir, std::string()) &&
        app->AppMessageBox("The destination directory exists. Overwrite?", MB_YESNO | MB_ICONQUESTION) != IDYES)
      return;
  } else if (lstrcmpiA(previous.c_str(), m_strDir.c_str()) != 0) {
    switch (app->AppMessageBox("You have choosen to reinstall 'Vantora' to a directory, different from the "
                               "previous installation. Do you want to continue?",
                               MB_YESNOCANCEL | MB_ICONQUESTION)) {
      case IDYES:
        break;
      case IDCANCEL:
        EndDialog(IDCANCEL);
        return;
      default:  // No: back to where it was installed, and that drive's space
        m_strDir = previous;
        UpdateData(FALSE);
        UpdateFreeSpace();
        return;
    }
  }
  WriteProductString(HKEY_CURRENT_USER, IDS_PRODUCT_KEY, "MainDir", m_strDir.c_str());
  WriteProductString(HKEY_LOCAL_MACHINE, IDS_PRODUCT_KEY, "MainDir", m_strDir.c_str());
  app->InitTokens();
  EndDialog(IDOK);
}
