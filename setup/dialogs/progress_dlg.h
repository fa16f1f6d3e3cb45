// The progress dialog (template 136): shown modally on the main thread while
// the installation worker runs behind it. It starts the worker, steps an
// animation of the current kind of work every 100 ms, shows one status line
// per report, asks before it lets the user cancel, and ends with the
// worker's result.
//
// Messages:
//   WM_COMMAND 1001, code = category 0..4, lParam = text
//        a status report, sent by the installation routines (synchronously,
//        so the text is valid)
//   kWorkerFinished, lParam = result
//        the worker has finished: posted by it as its last act, and the
//        only message that ends the dialog
//   WM_COMMAND IDCANCEL (2)
//        the Cancel button, Escape or the close box: the cancel question;
//        the dialog never ends before the worker does
//   WM_COMMAND IDOK (1)
//        Enter: nothing
//
// The application reaches the dialog only while its window exists: the
// window is registered on WM_INITDIALOG and forgotten on WM_DESTROY, so
// nothing is ever sent to a handle that may by then name another window.
#pragma once
#include <windows.h>
#include <commctrl.h>

#include <mutex>
#include <string>

#include "core/sync/lock.h"
#include "setup/dialogs/setup_dialog.h"
#include "setup/engine/install_worker.h"

class CProgressDlg : public CSetupDialog {
 public:
  enum : UINT { kStatusCommand = 1001, kTimerId = 101, kTimerMs = 100 };
  static constexpr UINT kWorkerFinished = WM_APP + 1;
  static constexpr int kCategories = 5;

  // section: the additional software line to install, or empty for the
  // disk-by-disk installation.
  explicit CProgressDlg(CWnd* parent = nullptr, const std::string& section = std::string());
  ~CProgressDlg() override;
  BOOL OnInitDialog() override;
  // Escape and the close box: the same question as the Cancel button.
  void OnCancel() override;
  // Enter: nothing (the dialog ends only with the worker).
  void OnOK() override {}

  std::string m_strSection;
  CString m_strStatus;  // shown in control 1003

 protected:
  void DoDataExchange(CDataExchange* dx) override;
  void OnTimer(UINT_PTR id);
  void OnStatus(UINT category, LPARAM text);
  LRESULT OnWorkerFinished(WPARAM, LPARAM result);
  void OnDestroy();
  VT_DECLARE_MESSAGE_MAP()

  // Starts the worker suspended and lets it run; FALSE when it cannot.
  BOOL StartWorker();

  HIMAGELIST m_animations[kCategories] = {};
  HIMAGELIST m_current = nullptr;
  int m_nFrame = 0;
  WORD m_nCategory = 0;
  // Guards the status text, the current animation and the frame between
  // the timer, the reports and the cancel question.
  Lock m_lock;
  InstallJob m_job;
  HANDLE m_hWorker = nullptr;
};
