// The installation worker: the thread that the progress dialog starts
// (suspended, then resumed once its window is registered) and that runs
// one installation while the dialog stays responsive.
#pragma once
#include <windows.h>

#include <string>

// What the worker installs: the disk sections (no section), or one line of
// the additional software list.
struct InstallJob {
  std::string section;
};

// The thread routine; `param` is an InstallJob* that outlives the thread,
// or NULL for the disk sections. It runs CSetupVTApp::InstallFromDisks or
// InstallSoftware, posts WM_COMMAND (IDOK, result) to the window of the
// application's progress dialog, and ends with 1.
DWORD WINAPI InstallWorker(LPVOID param);
