// The robot: carries out a parsed scenario step by step against the windows
// of the program under test, and stops at the first surprise.
#pragma once
#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "tests/robot/script/robot_script.h"

// Thrown by a handler when what it finds is not what the scenario expects.
struct RobotFailure {
  std::string what;
};

class Robot {
 public:
  // 0 when every step passed, 1 at the first failure (already reported).
  int Run(const std::vector<RobotStep>& steps);

  // The window the steps work on; fails when there is none.
  HWND Current();
  // Makes `window` current; the one current before comes back when it goes.
  void Enter(HWND window);
  // The current window has gone: the last one entered that still shows is current again.
  void Leave();
  // A control of the current window by id; fails naming the window when missing.
  HWND Control(long id);

  // Polls `done` until it holds or `ms` pass; false on the timeout.
  static bool WaitFor(long ms, const std::function<bool()>& done);
  [[noreturn]] static void Fail(const std::string& what);

  // What the global guard reports when it fires in the middle of a step.
  int line() const { return line_; }
  HWND current_or_null() const { return current_; }

 private:
  HWND current_ = nullptr;
  std::vector<HWND> entered_;
  volatile int line_ = 0;
};

using RobotHandler = void (*)(Robot& robot, const RobotStep& step);
// The handler of a keyword of the language, or null.
RobotHandler FindRobotHandler(const std::string& keyword);
