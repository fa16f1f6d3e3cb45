#include "setup/dialogs/progress_dlg.h"

#include "core/log/log_sink.h"
#include "setup/app/setup_app.h"
#include "setup/res/resource.h"
#include "setup/status/registry.h"

namespace {

// The animation of each status category, and its frame width.
struct Animation {
  UINT bitmap;
  int frameWidth;
};
constexpr Animation kAnimations[CProgressDlg::kCategories] = {
    {IDB_ANIM_COPY, 48}, {IDB_ANIM_EXTRACT, 48}, {IDB_ANIM_MKDIR, 48}, {IDB_ANIM_REGISTRY, 48},
    {IDB_ANIM_RUN, 32}};
constexpr COLORREF kAnimationClear = RGB(255, 0, 255);  // magenta

constexpr DWORD kWorkerExitMs = 10000;

}  // namespace

VT_BEGIN_MESSAGE_MAP(CProgressDlg, CSetupDialog)
  VT_ON_WM_TIMER()
  VT_ON_WM_DESTROY()
  VT_ON_COMMAND_PARAM(kStatusCommand, OnStatus)
  VT_ON_MESSAGE(kWorkerFinished, OnWorkerFinished)
VT_END_MESSAGE_MAP()

CProgressDlg::CProgressDlg(CWnd* parent, const std::string& section)
    : CSetupDialog(IDD_PROGRESS, parent), m_strSection(section) {}

CProgressDlg::~CProgressDlg() {
  if (m_hWorker) {
    WaitForSingleObject(m_hWorker, kWorkerExitMs);
    CloseHandle(m_hWorker);
  }
}

void CProgressDlg::DoDataExchange(CDataExchange* dx) { DDX_Text(dx, IDC_PROGRESS_STATUS, m_strStatus); }

BOOL CProgressDlg::OnInitDialog() {
  CSetupDialog::OnInitDialog();
  HINSTANCE resources = AfxGetResourceHandle();
  for (int i = 0; i < kCategories; ++i)
    m_animations[i] = ImageList_LoadImageA(resources, MAKEINTRESOURCEA(kAnimations[i].bitmap),
                                           kAnimations[i].frameWidth, 1, kAnimationClear, IMAGE_BITMAP,
                                           LR_CREATEDIBSECTION);
  m_current = m_animations[0];
  m_strStatus = "";
  m_nFrame = 0;
  m_nCategory = 0;
  UpdateData(FALSE);
  if (CSetupVTApp* app = VTApp()) app->ProgressWindowOpened(this);
  SetTimer(kTimerId, kTimerMs);
  if (!StartWorker()) {
    LogPrintf("CProgressDlg: the installation worker cannot be started\n");
    PostMessage(kWorkerFinished, 0, static_cast<LPARAM>(-1));
  }
  ShowWindow(SW_SHOW);
  return TRUE;
}

BOOL CProgressDlg::StartWorker() {
  m_job.section = m_strSection;
  DWORD id = 0;
  m_hWorker = CreateThread(nullptr, 0, InstallWorker, m_strSection.empty() ? nullptr : &m_job,
                           CREATE_SUSPENDED, &id);
  if (!m_hWorker) return FALSE;
  ResumeThread(m_hWorker);
  return TRUE;
}

void CProgressDlg::OnTimer(UINT_PTR id) {
  if (id != kTimerId) return;
  std::lock_guard<Lock> hold(m_lock);
  const int frames = m_current ? ImageList_GetImageCount(m_current) : 0;
  if (frames <= 0) return;
  HICON icon = ImageList_GetIcon(m_current, m_nFrame % frames, ILD_TRANSPARENT);
  HICON shown = reinterpret_cast<HICON>(
      SendDlgItemMessageA(m_hWnd, IDC_PROGRESS_PICTURE, STM_SETICON, reinterpret_cast<WPARAM>(icon), 0));
  if (shown) DestroyIcon(shown);
  m_nFrame = (m_nFrame + 1) % frames;
}

void CProgressDlg::OnStatus(UINT category, LPARAM text) {
  std::lock_guard<Lock> hold(m_lock);
  const bool known = category < static_cast<UINT>(kCategories);
  std::string status = known ? LoadResString(IDS_PROGRESS_COPY + category) : std::string();
  if (text) status += reinterpret_cast<const char*>(text);
  m_strStatus = status.c_str();
  UpdateData(FALSE);
  if (known && category != m_nCategory) {
    m_nCategory = static_cast<WORD>(category);
    m_current = m_animations[category];
    m_nFrame = 0;
  }
}

LRESULT CProgressDlg::OnWorkerFinished(WPARAM, LPARAM result) {
  LogPrintf("Exiting progress with error %d\n", static_cast<int>(result));
  KillTimer(kTimerId);
  // The worker only returns after its report.
  if (m_hWorker) WaitForSingleObject(m_hWorker, kWorkerExitMs);
  EndDialog(result);
  return 0;
}

void CProgressDlg::OnCancel() {
  CSetupVTApp* app = VTApp();
  // The box hides the dialog while it asks and shows it again.
  if (app->AppMessageBox("Are you sure you want to cancel the setup?", MB_YESNO) != IDYES) return;
  std::lock_guard<Lock> hold(m_lock);
  m_strStatus = "Please wait...";
  SetDlgItemText(IDC_PROGRESS_STATUS, "Please wait...");
  app->m_bAbort = true;
  LogPrintf("Canceled\n");
}

void CProgressDlg::OnDestroy() {
  KillTimer(kTimerId);
  HICON shown = reinterpret_cast<HICON>(SendDlgItemMessageA(m_hWnd, IDC_PROGRESS_PICTURE, STM_SETICON, 0, 0));
  if (shown) DestroyIcon(shown);
  for (HIMAGELIST& list : m_animations) {
    if (list) ImageList_Destroy(list);
    list = nullptr;
  }
  m_current = nullptr;
  if (CSetupVTApp* app = VTApp()) app->ProgressWindowClosed(this);
  Default();
}
