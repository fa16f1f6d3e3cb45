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

// For the media checker: empty when the argument means what it looks like;
// otherwise how the setup reads it instead (a comma inside the text, an
// unknown keyword, an icon without a button keyword before it).
std::string MessageInstructionProblem(const std::string& argument);
