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
