#include "setup/media/file_prompt.h"

#include <windows.h>

#include "setup/app/setup_app.h"
#include "framework/wnd.h"

// Until the prompt has its own dialog with a path field and a browse button,
// the question is asked in a plain box over the same path.
int RunFilePrompt(const std::string& message, std::string& path, const char* caption) {
  const std::string text = message + "\n\n" + path;
  HWND owner = nullptr;
  if (CSetupVTApp* app = VTApp(); app && app->m_pMainWnd) owner = app->m_pMainWnd->GetSafeHwnd();
  return MessageBoxA(owner, text.c_str(), caption, MB_OKCANCEL | MB_ICONEXCLAMATION) == IDOK ? 1
                                                                                               : 0;
}
