// The message instruction's argument: "text[, BUTTONS[ + ICON]]".
#pragma once
#include <string>

struct MessageInstruction {
  std::string text;
  unsigned style = 0;  // message box style: buttons plus icon
};

// Keywords must match exactly, case included; anything else gives the plain
// OK box and no icon. The text ends at the first comma.
MessageInstruction ParseMessageInstruction(const std::string& argument);
