// The setup program's application object: all of its state, and the
// services through which the engine talks to the user. Engine code reaches
// it with VTApp(). Tests derive from it and answer the services themselves,
// so instruction lists and installations run with no windows at all.
#pragma once
#include <windows.h>

#include <atomic>
#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "framework/app.h"
#include "core/config/token_table.h"
#include "gui/qrmgui.h"
#include "core/steps/step_sequence.h"
#include "setup/engine/executors.h"

class CScreenWnd;
class CProgressDlg;

class CSetupVTApp : public CWinApp, public SetupState, public StepActions {
 public:
  CSetupVTApp();
  ~CSetupVTApp() override;

  BOOL InitInstance() override;
  int Run() override;
  int ExitInstance() override;

  // --- services to the engine (virtual: tests script the answers) ---
  // A message box with the application name as caption; while the progress
  // dialog is up it is hidden for the box and owns it, otherwise the screen
  // window owns it when there is one. Returns the button.
  virtual int AppMessageBox(const char* text, UINT style);
  // Shows or hides a shown progress dialog.
  virtual void ShowProgress(bool show);
  // Progress report to a shown progress dialog: status code and text.
  virtual void NotifyProgress(int code, const char* text);
  // The file prompt: a message, an editable path and OK/Cancel, captioned
  // `caption`. 1 for OK with `path` as the user left it, 0 otherwise.
  virtual int FilePrompt(const char* caption, const std::string& message, std::string& path);
  // The parent of the setup's dialogs: the screen window once there is one.
  CWnd* ScreenParent() const;
  // The screen window around another installer: minimised while it runs,
  // brought back to the front (or restored) after. Nothing without one.
  void MinimizeScreen();
  void ScreenToFront();
  void RestoreScreen();
  // Restarts Windows (the execute instruction's offer); tests stand in.
  virtual void RestartWindows();

  // The progress dialog is up and may be hidden or owned: it is the dialog
  // in m_pProgressDlg and its window is the one registered.
  bool ProgressVisible() const;
  // Called by the progress dialog when its window opens (records it and
  // sets m_bProgressShown) and when it is destroyed (forgets it; the flag
  // stays set).
  void ProgressWindowOpened(CProgressDlg* dialog);
  void ProgressWindowClosed(CProgressDlg* dialog);

  // --- the instruction engine (setup/engine) ---
  // Runs instruction lines in order while each returns 1 and no cancel is
  // asked for: the last result, or 0 after a cancel; 1 for no lines.
  int RunCfgInstructions(const std::vector<std::string>& lines);
  // The executor of an instruction kind; NULL for a kind this program has
  // none for.
  virtual VTCfgExecutor ExecutorFor(int kind) const;
  // The disk-by-disk installation: 1 all disk sections ran, 0 cancelled,
  // -1 failed. Runs on the installation worker.
  virtual int InstallFromDisks();
  // One line of the additional software list, on the installation worker.
  virtual int InstallSoftware(const std::string& line);
  // The provider's settings from setup.ini into the product key, after the
  // disk sections.
  void CopySetupIniToRegistry();

  // --- the additional software (setup/engine/software.cpp) ---
  // Builds m_SoftwareList and m_SoftwareStates from the Software section
  // and the remembered states; the number of items, 0 on failure.
  int InitSoftwareList();
  // Installs (or, with m_b3PUpdate, updates) the chosen items: 0 when the
  // list cannot be built or the user cancels the choice, else the last
  // item's result (1 when none ran).
  int Install3pi();
  // The software choice dialog; tests stand in. IDOK or IDCANCEL.
  virtual int RunSoftwareDialog();
  // How deep run-section instructions are nested right now (worker only).
  int m_nSectionDepth = 0;

  // --- status record (registry) ---
  void LoadStatus();

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

  // --- the media player (setup/player) ---
  // Loads QRMPlay.dll when setup.cfg asks for multimedia: 1 and
  // m_bMultimedia set when it can be used, else 0 (logged).
  int InitPlayer();
  // Closes what is playing, unloads the library, clears m_bMultimedia.
  void ReleasePlayer();
  // OpenQRMPlayer of the loaded library: non-zero when playing started, 0
  // on failure or with no library. Virtual: tests stand in for the player.
  virtual int OpenQRMPlayer(CWnd* owner, UINT flags, const std::string& path, int number,
                            UINT controlId);
  // CloseQRMPlayer of the loaded library; nothing without one.
  virtual void CloseQRMPlayer();
  // The media directory: {SRC_DIR} joined with "MediaPath".
  std::string m_strMediaDir;
  HMODULE m_hPlayer = nullptr;
  FARPROC m_pfnOpenPlayer = nullptr;
  FARPROC m_pfnOpenPlayerEx = nullptr;
  FARPROC m_pfnClosePlayer = nullptr;

  // --- the step sequence's actions (step_actions.cpp) ---
  void ClearAbort() override { m_bAbort = false; }
  void WriteMajorStatus() override;
  bool HasScreen() override { return m_pScreenWnd != nullptr; }
  void FadeIn() override;
  void LogoAnimate() override;
  bool AskFinishSetupFirst() override;
  void LogoMovie() override;
  bool IntroMovie() override;
  bool IntroDialog() override;
  bool CheckSourceMedia(bool useCfgDisk) override;
  bool DestinationDialog() override;
  int RunInstallation() override;
  AccessOutcome RunAccess() override;
  void RecomputeTokens() override { InitTokens(); }
  int RunAdditionalSoftware() override;
  bool SoftwareListHasContent() override;
  int MaintenanceChoice(const ChoiceMenu& menu) override;

  // The notice at the end of every run.
  void ShowExitNotice();
  // Destroys the start-up splash if it is still up.
  void CloseStartupSplash();

  // --- data model (the routing flags are in SetupState) ---
  const char* m_pszProductName = "Vantora";
  const char* m_pszProductKey = "Software\\CorvaneNetwork\\Vantora";
  CScreenWnd* m_pScreenWnd = nullptr;
  std::atomic<bool> m_bAbort{false};
  CProgressDlg* m_pProgressDlg = nullptr;
  HWND m_hProgressWnd = nullptr;
  bool m_bProgressShown = false;
  TokenTable m_tokens;
  VTSplashWnd m_wndSplash;
  // The usable lines of the Software section (markers removed), and each
  // item's state (SoftwareState) by name.
  std::vector<std::string> m_SoftwareList;
  std::map<std::string, int> m_SoftwareStates;
};

// The running application object.
CSetupVTApp* VTApp();

// The message instruction of setup.cfg ("text[, BUTTONS[ + ICON]]"): 1 to
// go on, 0 when the user answered Cancel or No.
int RunMessageInstruction(const char* entry, const char* argument);
