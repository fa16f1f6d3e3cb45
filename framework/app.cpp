#include "app.h"

#include "wnd.h"

namespace {
CWinApp* g_app = nullptr;
HINSTANCE g_resources = nullptr;
}

CWinApp::CWinApp(const char* appName) : m_pszAppName(appName ? appName : "") { g_app = this; }

CWinApp::~CWinApp() {
  if (g_app == this) g_app = nullptr;
}

// Offers the message to the window it is aimed at and that window's parents,
// so that a window of ours (in this module or a DLL) can consume it.
BOOL CWinApp::PreTranslateMessage(MSG* msg) {
  if (!msg->hwnd) return FALSE;
  return CWnd::WalkPreTranslateTree(m_pMainWnd ? m_pMainWnd->m_hWnd : nullptr, msg);
}

int CWinApp::Run() {
  MSG msg;
  while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
    if (PreTranslateMessage(&msg)) continue;
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
  }
  return ExitInstance();
}

int CWinApp::DoMessageBox(const char* text, UINT type, HWND owner) {
  return MessageBoxA(owner, text, m_pszAppName, type);
}

HWND CWinApp::MainWindowHandle() const {
  HWND main = m_pMainWnd ? m_pMainWnd->GetSafeHwnd() : nullptr;
  return main && IsWindow(main) ? main : nullptr;
}

// The program exports its application object, so that the framework copy
// inside a DLL (which has none of its own) finds it: a DLL's message boxes
// then carry the application's name as theirs do.
extern "C" __declspec(dllexport) CWinApp* VtProcessApp() { return g_app; }

CWinApp* AfxGetApp() {
  if (g_app) return g_app;
  using Lookup = CWinApp* (*)();
  auto lookup =
      reinterpret_cast<Lookup>(GetProcAddress(GetModuleHandleA(nullptr), "VtProcessApp"));
  return lookup && lookup != &VtProcessApp ? lookup() : nullptr;
}

HINSTANCE AfxGetInstanceHandle() {
  return g_app && g_app->m_hInstance ? g_app->m_hInstance : GetModuleHandleA(nullptr);
}

HINSTANCE AfxGetResourceHandle() { return g_resources ? g_resources : AfxGetInstanceHandle(); }

void AfxSetResourceHandle(HINSTANCE instance) { g_resources = instance; }

int AfxMessageBox(const char* text, UINT type) {
  CWinApp* app = AfxGetApp();
  if (!app) return MessageBoxA(nullptr, text, "", type);
  return app->DoMessageBox(text, type, app->MainWindowHandle());
}

int VtWinMain(CWinApp& app, HINSTANCE instance, const char* cmdLine, int cmdShow) {
  app.m_hInstance = instance;
  app.m_lpCmdLine = cmdLine ? cmdLine : "";
  app.m_nCmdShow = cmdShow;
  if (!app.InitInstance()) {
    app.ExitInstance();
    return app.m_nExitCode;
  }
  return app.Run();
}
