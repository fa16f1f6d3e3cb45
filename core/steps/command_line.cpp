#include "core/steps/command_line.h"

#include <cctype>

namespace {

bool EqualsNoCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i)
    if (std::toupper(static_cast<unsigned char>(a[i])) !=
        std::toupper(static_cast<unsigned char>(b[i])))
      return false;
  return true;
}

}  // namespace

CommandLineMode ParseCommandLine(std::string_view line) {
  CommandLineMode mode;
  if (EqualsNoCase(line, "R&U"))
    mode.runMode = 1;
  else if (EqualsNoCase(line, "A_REBOOT"))
    mode.runMode = 2;
  else if (EqualsNoCase(line, "3PI"))
    mode.continue3PI = true;
  return mode;
}
