// The packer's four commands. Each prints what it did and returns the
// program's exit code.
#pragma once
#include <string>
#include <vector>

#include "core/dcl/dcl_encode.h"

// Exit codes a script can test; the table in --help lists the same.
enum ExitCode {
  kExitOk = 0,
  kExitFailed = 1,      // a file could not be read or written, or extract would overwrite one
  kExitUsage = 2,       // the command line is wrong: options, numbers, file or entry names
  kExitDamaged = 3,     // the archive itself is damaged
  kExitDuplicates = 4,  // test: entries the setup would take for the same file
};

struct CreateOptions {
  bool paths = false;
  bool force = false;  // replace a file at ARCHIVE that is not a packed archive
  bool quiet = false;  // warnings and errors only (vtmedia --quiet)
  DclEncoderOptions encoder;
};

struct ExtractOptions {
  bool overwrite = false;
};

// `files` may name folders when options.paths is set.
int CreateArchive(const CreateOptions& options, const std::string& archive, const std::vector<std::string>& files);
int ListArchive(const std::string& archive);
int TestArchive(const std::string& archive);
// Extracts every entry, or only those named in `entries`.
int ExtractArchiveTo(const ExtractOptions& options, const std::string& archive, const std::string& directory,
                     const std::vector<std::string>& entries);
