// The packer's four commands. Each prints what it did and returns the
// program's exit code.
#pragma once
#include <string>
#include <vector>

#include "core/dcl/dcl_encode.h"

// Exit codes a script can test.
enum ExitCode {
  kExitOk = 0,
  kExitFailed = 1,    // a file could not be read or written, or an entry is bad
  kExitUsage = 2,     // the command line is wrong
  kExitDamaged = 3,   // the archive itself is damaged
};

struct CreateOptions {
  bool paths = false;
  DclEncoderOptions encoder;
};

int CreateArchive(const CreateOptions& options, const std::string& archive, const std::vector<std::string>& files);
int ListArchive(const std::string& archive);
int TestArchive(const std::string& archive);
int ExtractArchiveTo(const std::string& archive, const std::string& directory);
