#include "setup/engine/install_worker.h"

#include "setup/app/setup_app.h"
#include "setup/dialogs/progress_dlg.h"

DWORD WINAPI InstallWorker(LPVOID param) {
  CSetupVTApp* app = VTApp();
  const auto* job = static_cast<const InstallJob*>(param);
  const int result = job && !job->section.empty() ? app->InstallSoftware(job->section)
                                                  : app->InstallFromDisks();
  // The result is the dialog's modal result: it ends when this arrives.
  if (CProgressDlg* dialog = app->m_pProgressDlg)
    PostMessageA(dialog->GetSafeHwnd(), CProgressDlg::kWorkerFinished, 0, static_cast<LPARAM>(result));
  return 1;
}
