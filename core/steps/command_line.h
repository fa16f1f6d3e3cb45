// The setup program's command-line keywords. The whole line is compared,
// ignoring case: "r&u" matches, "R&U " (trailing blank) matches nothing.
#pragma once
#include <string_view>

struct CommandLineMode {
  int runMode = 0;          // 0 normal, 1 "R&U", 2 "A_REBOOT"
  bool continue3PI = false; // "3PI"
};

CommandLineMode ParseCommandLine(std::string_view line);
