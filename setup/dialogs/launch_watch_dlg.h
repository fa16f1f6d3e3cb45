// The launch watch (template 178): an invisible modal dialog that the
// execute instruction runs while it waits for a started program's window
// to come and go. Every 50 ms it looks for a top-level window of the given
// class and/or title; once one was found and is gone, it ends with 1. It
// also ends when the started program has exited without its window ever
// appearing (a misspelt title in setup.cfg), so that it cannot wait
// forever.
#pragma once
#include <windows.h>

#include <mutex>
#include <string>

#include "core/sync/lock.h"
#include "framework/dialog.h"

class CLaunchWatchDlg : public CDialog {
 public:
  enum : UINT { kTimerId = 1, kTimerMs = 50 };

  // process: the started program (not owned), or NULL.
  CLaunchWatchDlg(CWnd* parent, const std::string& windowClass, const std::string& title,
                  HANDLE process);
  BOOL OnInitDialog() override;

  std::string m_strClass;
  std::string m_strTitle;
  bool m_bFound = false;
  HWND m_hTarget = nullptr;

 protected:
  void OnTimer(UINT_PTR id);
  VT_DECLARE_MESSAGE_MAP()

  HANDLE m_hProcess;
  Lock m_lock;
};
