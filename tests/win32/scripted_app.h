// A setup application for tests: message boxes are answered from a script
// and recorded instead of shown, and the program path can be pretended.
#pragma once
#include <windows.h>
#include <shlwapi.h>

#include <deque>
#include <string>
#include <vector>

#include "setup/app/setup_app.h"
#include "test_files.h"

class ScriptedApp : public CSetupVTApp {
 public:
  struct Box {
    std::string text;
    UINT style;
    HWND owner;
  };

  int DoMessageBox(const char* text, UINT style, HWND owner) override {
    boxes.push_back({text, style, owner});
    if (answers.empty()) return IDOK;
    const int answer = answers.front();
    answers.pop_front();
    return answer;
  }
  std::string ModuleFileName() const override {
    return programPath.empty() ? CSetupVTApp::ModuleFileName() : programPath;
  }

  std::vector<Box> boxes;
  std::deque<int> answers;
  std::string programPath;
};

// Registry state the setup program reads, removed before and after a test.
inline void ClearSetupRegistry() {
  SHDeleteKeyA(HKEY_CURRENT_USER, "Software\\CorvaneNetwork");
  SHDeleteKeyA(HKEY_CURRENT_USER, "Software\\QRM_internal");
}
