// A setup application for tests: message boxes are answered from a script
// and recorded instead of shown, and the program path can be pretended.
#pragma once
#include <windows.h>
#include <shlwapi.h>

#include <deque>
#include <string>
#include <vector>

#include "setup/app/setup_app.h"

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

// A Linux path as the programs under Wine see it: through drive Z:.
inline std::string FromLinux(const std::string& path) {
  std::string windows = "Z:" + path;
  for (char& c : windows)
    if (c == '/') c = '\\';
  return windows;
}

// Removes a folder and everything in it (nothing when it is not there).
inline void RemoveTree(const std::string& path) {
  std::string from = path;
  from.push_back('\0');  // the shell wants a double-NUL-terminated list
  SHFILEOPSTRUCTA op = {};
  op.wFunc = FO_DELETE;
  op.pFrom = from.c_str();
  op.fFlags = FOF_NOCONFIRMATION | FOF_SILENT | FOF_NOERRORUI;
  SHFileOperationA(&op);
}

// A scratch folder on C: for one test, removed with everything in it.
class ScratchDir {
 public:
  explicit ScratchDir(const std::string& name) : m_path("c:\\vttest\\" + name) {
    RemoveTree(m_path);
    CreateDirectoryA("c:\\vttest", nullptr);
    CreateDirectoryA(m_path.c_str(), nullptr);
  }
  ~ScratchDir() { RemoveTree(m_path); }
  const std::string& path() const { return m_path; }
  std::string operator/(const std::string& name) const { return m_path + "\\" + name; }

 private:
  std::string m_path;
};

inline bool WriteTextFile(const std::string& path, const std::string& text) {
  HANDLE f = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
  if (f == INVALID_HANDLE_VALUE) return false;
  DWORD written = 0;
  const BOOL ok = WriteFile(f, text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
  CloseHandle(f);
  return ok && written == text.size();
}

inline std::string ReadTextFile(const std::string& path) {
  HANDLE f = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                         OPEN_EXISTING, 0, nullptr);
  if (f == INVALID_HANDLE_VALUE) return std::string();
  std::string text;
  char buffer[4096];
  DWORD got = 0;
  while (ReadFile(f, buffer, sizeof buffer, &got, nullptr) && got > 0) text.append(buffer, got);
  CloseHandle(f);
  return text;
}
