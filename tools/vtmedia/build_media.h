// vtmedia build: a provider's source folder made into the CD folder, the
// floppy set and their images, each checked as cfgcheck checks media.
#pragma once
#include <string>

// The builder's exit codes; the table in --help lists the same.
enum BuildExit {
  kBuildDone = 0,      // the media are complete (warnings may have been printed)
  kBuildFailed = 1,    // a file could not be read or written, or an image tool failed
  kBuildUsage = 2,     // the command line or the manifest is wrong
  kBuildRefused = 3,   // the media have errors, or a disk does not fit
};

struct BuildOptions {
  std::string source, out;
  bool images = true;
  bool quiet = false;
};

BuildExit BuildMedia(const BuildOptions& options);
