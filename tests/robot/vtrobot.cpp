// vtrobot: drives the windows of a program under test from a scenario file.
// Exit code 0 when every step passed, 1 at the first failure, 2 for a bad
// command line or scenario.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>

#include "robot.h"
#include "robot_windows.h"

namespace {

constexpr long kDefaultGuardMs = 60000;

void PrintHelp() {
  std::printf(
      "usage: vtrobot [--timeout MS] SCENARIO\n"
      "Follows SCENARIO against the windows on this desktop; exit 0 when every step\n"
      "passed, 1 at the first failure, 2 for a bad command line or scenario.\n"
      "  --timeout MS  fail when the whole scenario takes longer (default %ld)\n\n"
      "Scenario: one command a line, '#' lines are comments, strings in double quotes\n"
      "with \\n \\t \\r \\\" \\\\, ids decimal or 0x hex (0xFFFF: a message box's text).\n\n",
      kDefaultGuardMs);
  for (const RobotCommandSpec& command : RobotCommands())
    std::printf("  %s\n      %s\n", RobotUsage(command).c_str(), command.summary);
}

struct Guard {
  Robot* robot;
  long ms;
};

// A scenario that hangs (a step the target never satisfies slower than its
// own timeout, a target that stops answering) still ends, loudly.
DWORD WINAPI GuardThread(LPVOID param) {
  const Guard& guard = *static_cast<Guard*>(param);
  Sleep(static_cast<DWORD>(guard.ms));
  std::printf("vtrobot: FAIL line %d: the whole scenario took longer than %ld ms (--timeout)\n",
              guard.robot->line(), guard.ms);
  std::printf("vtrobot: current window:\n%s", DumpTree(guard.robot->current_or_null()).c_str());
  std::fflush(stdout);
  // TerminateProcess, not ExitProcess: the main thread may be inside any call.
  TerminateProcess(GetCurrentProcess(), 1);
  return 1;
}

bool ReadFile(const std::string& path, std::string& text) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return false;
  std::ostringstream content;
  content << in.rdbuf();
  text = content.str();
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  std::setvbuf(stdout, nullptr, _IONBF, 0);  // the marker lines are a protocol
  long guard_ms = kDefaultGuardMs;
  std::string path;
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    if (arg == "--help" || arg == "-h") {
      PrintHelp();
      return 0;
    } else if (arg == "--timeout" && i + 1 < argc) {
      char* end = nullptr;
      guard_ms = std::strtol(argv[++i], &end, 10);
      if (*end || guard_ms <= 0) {
        std::printf("vtrobot: --timeout takes a positive number of milliseconds, not '%s'\n", argv[i]);
        return 2;
      }
    } else if (path.empty() && !arg.empty() && arg[0] != '-') {
      path = arg;
    } else {
      std::printf("vtrobot: unexpected argument '%s' (see --help)\n", arg.c_str());
      return 2;
    }
  }
  if (path.empty()) {
    std::printf("vtrobot: no scenario given (see --help)\n");
    return 2;
  }

  std::string text;
  if (!ReadFile(path, text)) {
    std::printf("vtrobot: cannot read scenario '%s'\n", path.c_str());
    return 2;
  }
  const RobotScript script = ParseRobotScript(text);
  for (const RobotScriptError& error : script.errors)
    std::printf("vtrobot: %s line %d: %s\n", path.c_str(), error.line, error.message.c_str());
  if (!script.errors.empty()) return 2;

  Robot robot;
  Guard guard{&robot, guard_ms};
  CreateThread(nullptr, 0, GuardThread, &guard, 0, nullptr);
  return robot.Run(script.steps);
}
