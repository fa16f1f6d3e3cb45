// The uninstaller's face: message boxes captioned "Vantora Uninstall" and a
// small window with a progress bar and the item being removed, kept alive
// by pumping messages between the steps.
#pragma once
#include <windows.h>

#include "uninst/uninstall_ui.h"

class WindowUi : public UninstallUi {
 public:
  explicit WindowUi(HINSTANCE instance) : m_instance(instance) {}
  ~WindowUi() override;
  WindowUi(const WindowUi&) = delete;
  WindowUi& operator=(const WindowUi&) = delete;

  // Shows the progress window; false when it cannot be made (the removal
  // then runs without one).
  bool ShowProgress();
  bool AskYesNo(const std::string& text) override;
  void Progress(size_t done, size_t total, const std::string& item) override;
  // A message box over the progress window, when there is one.
  int Message(const std::string& text, UINT style) const;

 private:
  HINSTANCE m_instance;
  HWND m_window = nullptr;
  HWND m_text = nullptr;
  HWND m_bar = nullptr;
};
