// What the removal engine needs from the user and the screen. The program
// answers with message boxes and its progress window (window_ui.cpp); the
// tests answer from a script, with no window at all.
#pragma once
#include <cstddef>
#include <string>

class UninstallUi {
 public:
  virtual ~UninstallUi() = default;
  // A Yes/No question whose safe answer is No (the default button); true
  // for Yes.
  virtual bool AskYesNo(const std::string& text) = 0;
  // `done` of `total` steps are behind us; `item` is what is being removed.
  virtual void Progress(size_t done, size_t total, const std::string& item) = 0;
};
