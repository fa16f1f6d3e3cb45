// A setup application for the instruction engine's tests: boxes and file
// prompts answered from a script, progress reports and log lines recorded,
// the tokens of a scratch installation.
#pragma once
#include <deque>
#include <string>
#include <vector>

#include "core/log/log_sink.h"
#include "scripted_app.h"
#include "setup/paths/file_paths.h"
#include "setup/status/registry.h"

// A file beside this test program (the helper programs the tests start).
inline std::string BesideThisProgram(const char* name) {
  char self[MAX_PATH];
  GetModuleFileNameA(nullptr, self, MAX_PATH);
  std::string path = self;
  return path.substr(0, path.rfind('\\') + 1) + name;
}

// Another process holding a file open without sharing (file_holder.exe),
// from construction until destruction.
class FileHolder {
 public:
  explicit FileHolder(const std::string& path) : m_path(path) {
    STARTUPINFOA si{};
    si.cb = sizeof si;
    std::string command = "\"" + BesideThisProgram("file_holder.exe") + "\" \"" + path + "\"";
    if (CreateProcessA(nullptr, &command[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &m_process))
      for (int i = 0; i < 500 && !held(); ++i) Sleep(10);
  }
  ~FileHolder() {
    HANDLE release = CreateFileA((m_path + ".release").c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    if (release != INVALID_HANDLE_VALUE) CloseHandle(release);
    if (m_process.hProcess) {
      WaitForSingleObject(m_process.hProcess, 10000);
      CloseHandle(m_process.hProcess);
      CloseHandle(m_process.hThread);
    }
    DeleteFileA((m_path + ".release").c_str());
  }
  bool held() const { return GetFileAttributesA((m_path + ".held").c_str()) != INVALID_FILE_ATTRIBUTES; }

 private:
  std::string m_path;
  PROCESS_INFORMATION m_process{};
};

// The log of the running test (one engine test at a time per process).
inline std::string& EngineLog() {
  static std::string log;
  return log;
}
inline void CaptureEngineLog(const char* text, size_t length) { EngineLog().append(text, length); }

class EngineApp : public ScriptedApp {
 public:
  struct Prompt {
    std::string caption, message, path;
  };
  // An answer to a file prompt: OK with this path, or Cancel.
  struct PromptAnswer {
    bool ok;
    std::string path;
  };

  EngineApp() {
    EngineLog().clear();
    SetLogSink(CaptureEngineLog);
  }
  ~EngineApp() override { SetLogSink(nullptr); }

  void NotifyProgress(int code, const char* text) override {
    progress.push_back(std::to_string(code) + ":" + text);
  }
  void ShowProgress(bool show) override { shows.push_back(show); }
  int FilePrompt(const char* caption, const std::string& message, std::string& path) override {
    prompts.push_back({caption, message, path});
    if (promptAnswers.empty()) return 0;
    PromptAnswer a = promptAnswers.front();
    promptAnswers.pop_front();
    if (a.ok) path = a.path;
    return a.ok ? 1 : 0;
  }
  // Answers the next box and then asks for a cancel, as a user who pressed
  // Cancel on the progress dialog while the box was up.
  int DoMessageBox(const char* text, UINT style, HWND owner) override {
    const int answer = ScriptedApp::DoMessageBox(text, style, owner);
    if (cancelAtBox && boxes.size() == cancelAtBox) m_bAbort = true;
    return answer;
  }
  bool LogHas(const std::string& text) const { return EngineLog().find(text) != std::string::npos; }

  // Tokens of an installation into `main` from `src`.
  void Install(const std::string& src, const std::string& main) {
    m_tokens.Set(tok::SRC_DIR, src);
    m_tokens.Set(tok::MAIN_DIR, main);
    m_tokens.Set(tok::ACCESS_DIR, main + "\\access");
    m_tokens.Set(tok::RUN_DIR, src);
  }

  std::vector<std::string> progress;
  std::vector<bool> shows;
  std::vector<Prompt> prompts;
  std::deque<PromptAnswer> promptAnswers;
  size_t cancelAtBox = 0;
};
