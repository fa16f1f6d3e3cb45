#include "robot.h"

#include <cstdio>

#include "robot_windows.h"

namespace {

// Often enough to follow a dialog, seldom enough to leave the target the CPU.
constexpr DWORD kPollMs = 20;

}  // namespace

int Robot::Run(const std::vector<RobotStep>& steps) {
  for (const RobotStep& step : steps) {
    line_ = step.line;
    std::printf("vtrobot: line %d: %s\n", step.line, step.source.c_str());
    try {
      RobotHandler handler = FindRobotHandler(step.command->keyword);
      if (!handler) Fail(std::string("the robot has no handler for ") + step.command->keyword);
      handler(*this, step);
    } catch (const RobotFailure& failure) {
      std::printf("vtrobot: FAIL line %d: %s\n", step.line, failure.what.c_str());
      std::printf("vtrobot: current window:\n%s", DumpTree(current_).c_str());
      return 1;
    }
  }
  std::printf("vtrobot: OK (%u steps)\n", static_cast<unsigned>(steps.size()));
  return 0;
}

HWND Robot::Current() {
  if (!current_) Fail("no current window (a 'wait' must come first)");
  if (!IsWindow(current_)) Fail("the current window has closed");
  return current_;
}

void Robot::Enter(HWND window) {
  if (current_ && current_ != window) entered_.push_back(current_);
  current_ = window;
}

void Robot::Leave() {
  current_ = nullptr;
  while (!entered_.empty()) {
    HWND previous = entered_.back();
    entered_.pop_back();
    if (IsWindow(previous) && IsWindowVisible(previous)) {
      current_ = previous;
      return;
    }
  }
}

HWND Robot::Control(long id) {
  HWND window = Current();
  HWND control = FindControl(window, id);
  if (!control) {
    char text[32];
    std::snprintf(text, sizeof text, "%ld (0x%lX)", id, id);
    Fail(std::string("no control with id ") + text + " in " + Describe(window));
  }
  return control;
}

bool Robot::WaitFor(long ms, const std::function<bool()>& done) {
  const DWORD start = GetTickCount();
  while (!done()) {
    if (GetTickCount() - start >= static_cast<DWORD>(ms)) return done();
    Sleep(kPollMs);
  }
  return true;
}

void Robot::Fail(const std::string& what) { throw RobotFailure{what}; }
