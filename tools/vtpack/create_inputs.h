// What `create` packs: the FILE operands, with folders (under --paths)
// walked in sorted order, each file with the name it gets in the archive.
// Names the setup would take for the same file are refused here, before
// anything is compressed.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "commands.h"

struct PackInput {
  std::string path;  // on this machine
  std::string name;  // in the archive, backslash-separated
  uint64_t size = 0;
};

// Returns kExitOk, or the exit code after a message naming the operand.
int GatherInputs(const CreateOptions& options, const std::vector<std::string>& operands,
                 std::vector<PackInput>& inputs);
