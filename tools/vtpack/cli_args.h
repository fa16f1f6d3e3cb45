// The packer's command line: a command, its operands, and options that may
// stand anywhere after the command ("--" ends them). Numbers are taken only
// when they are whole decimal numbers with nothing after them.
#pragma once
#include <string>
#include <vector>

#include "commands.h"

struct CommandLine {
  std::string command;                // create, list, test, extract; empty for --help / --version
  std::vector<std::string> operands;  // in the order given
  bool help = false;
  bool version = false;
  CreateOptions create;
  ExtractOptions extract;
};

// Fills `line` from argv[1..]; false with a message in `why` for a command
// line the packer cannot run.
bool ParseCommandLine(int argc, char** argv, CommandLine& line, std::string& why);

// Decimal digits only, at least one, at most `max`.
bool ParseNumber(const std::string& text, unsigned long max, unsigned long& value);
