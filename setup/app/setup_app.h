// The setup program's application object: all of its state, and the
// services through which the engine talks to the user. Engine code reaches
// it with VTApp(). Tests derive from it and answer the services themselves,
// so instruction lists and installations run with no windows at all.
#pragma once
#include <windows.h>

#include <cstdint>
#include <string>

#include "app.h"
#include "config/token_table.h"

class CScreenWnd;
class CProgressDlg;

class CSetupVTApp : public CWinApp {
 public:
  CSetupVTApp();
  ~CSetupVTApp() override;

  BOOL InitInstance() override;
  int Run() override;
  int ExitInstance() override;

  // --- services to the engine (virtual: tests script the answers) ---
  // A message box with the application name as caption; while the progress
  // dialog is up it is hidden for the box and owns it. Returns the button.
  virtual int AppMessageBox(const char* text, UINT style);
  // Shows or hides a shown progress dialog.
  virtual void ShowProgress(bool show);
  // Progress report to a shown progress dialog: status code and text.
  virtual void NotifyProgress(int code, const char* text);

  // The progress dialog is up and may be hidden or owned.
  bool ProgressVisible() const;

  // --- status record (registry) ---
  void LoadStatus();
  void WriteMajorStatus();

  // --- tokens ---
  int InitTokens();
  // The running program's full path (at most 256 characters).
  virtual std::string ModuleFileName() const;
  std::string GetRunDir() const;
  std::string GetAccessDir() const;
  std::string GetSetupCfg() const;
  std::string GetSrcDir() const;
  void SetSetupCfg(const std::string& dir);
  void SetSetupExe(const std::string& dir);
  void SetSrcDir(const std::string& dir);

  // --- start-up pieces ---
  // The splash at start-up, unless the developer switch "SkipSplash" is 1.
  void ShowStartupSplash();
  // Creates the screen object and prepares its background (no window yet).
  BOOL PrepareScreen();
  // Initialises the media player and creates the screen window.
  BOOL CreateScreen();
  void DestroyScreen();

  // --- data model ---
  const char* m_pszProductName = "Vantora";
  const char* m_pszProductKey = "Software\\CorvaneNetwork\\Vantora";
  CScreenWnd* m_pScreenWnd = nullptr;
  uint16_t m_nStep = 1;
  uint16_t m_nStoredStep = 1;
  BOOL m_bInstalled = FALSE;
  BOOL m_bAccountDone = FALSE;
  BOOL m_bFreshStatus = FALSE;
  int m_nRunMode = 0;
  BOOL m_b3PIContinue = FALSE;
  BOOL m_b3PUpdate = FALSE;
  BOOL m_bReinstall = FALSE;
  volatile BOOL m_bAbort = FALSE;
  CProgressDlg* m_pProgressDlg = nullptr;
  HWND m_hProgressWnd = nullptr;
  BOOL m_bProgressShown = FALSE;
  BOOL m_bMultimedia = FALSE;
  BOOL m_bGraphicsOK = TRUE;
  TokenTable m_tokens;
};

// The running application object.
CSetupVTApp* VTApp();

// Run modes set from the command line.
enum RunMode { RUN_NORMAL = 0, RUN_RU = 1, RUN_AREBOOT = 2 };
