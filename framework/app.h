// The application object: one per program. A program derives from CWinApp,
// overrides InitInstance (start-up), Run (the main loop) and ExitInstance,
// and its WinMain calls VtWinMain.
#pragma once
#include <windows.h>

#include "object.h"

class CWnd;

class CWinApp : public CObject {
 public:
  explicit CWinApp(const char* appName = nullptr);
  ~CWinApp() override;

  virtual BOOL InitInstance() { return TRUE; }
  // The default loop pumps messages until WM_QUIT and returns ExitInstance().
  virtual int Run();
  virtual int ExitInstance() { return m_nExitCode; }
  // Called for every message the default loop (and modal loops) pick up;
  // TRUE when the message was handled and must not be dispatched. The
  // default offers it to PreTranslateMessage of its window and parents.
  virtual BOOL PreTranslateMessage(MSG* msg);

  // A message box with the application name as caption.
  virtual int DoMessageBox(const char* text, UINT type, HWND owner = nullptr);
  // The main window when it exists, else NULL: the owner of the
  // application's boxes, so that a box keeps the main window from taking
  // clicks (a full-screen window would otherwise cover the box).
  HWND MainWindowHandle() const;

  const char* m_pszAppName;
  const char* m_lpCmdLine = "";
  HINSTANCE m_hInstance = nullptr;
  int m_nCmdShow = SW_SHOWNORMAL;
  CWnd* m_pMainWnd = nullptr;
  int m_nExitCode = 0;
};

// The application object; in a DLL, the program's.
CWinApp* AfxGetApp();
HINSTANCE AfxGetInstanceHandle();
HINSTANCE AfxGetResourceHandle();
void AfxSetResourceHandle(HINSTANCE instance);
// The application's message box (owner: the main window when there is one).
int AfxMessageBox(const char* text, UINT type = MB_OK);

// Start-up glue for WinMain: InitInstance, then Run, else ExitInstance.
int VtWinMain(CWinApp& app, HINSTANCE instance, const char* cmdLine, int cmdShow);
