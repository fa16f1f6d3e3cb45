// vtmedia.ini, the manifest of a provider's source folder: where the disc's
// root and the setup's folder are, which archives are packed from which
// files, and how the floppy set is cut. Read by manifest.cpp; every fault is
// reported as "vtmedia.ini:LINE: error: text".
#pragma once
#include <string>
#include <vector>

#include "core/dcl/dcl_encode.h"

struct ArchivePlan {
  std::string name;   // in the setup's folder, e.g. "client.z"
  std::string files;  // below the source folder: a file, or a folder to walk
  bool paths = false;
  DclEncoderOptions encoder;
  int line = 0;
};

// A value of the floppies' setup.cfg in place of the CD's.
struct CfgOverride {
  std::string section, key, value;
  int line = 0;
};

struct MediaManifest {
  std::string cdRoot = "cd";  // below the source folder
  std::string setup;          // below the disc's root; empty: the root itself
  int setupLine = 0, cdLine = 0;
  std::string volume = "CDROM";
  std::string label = "CD";
  long long date = 0;  // 0: the time of the build
  std::string images;  // empty: no images
  bool cdStrip = true;  // the disc's programs without debugging information
  std::vector<ArchivePlan> archives;

  int disks = 0;  // 0: a CD only
  std::string diskLabel = "Setup disk %d";
  std::string diskVolume = "DISK %d";
  std::vector<std::string> disk1;  // below the setup's folder
  int disk1Line = 0;
  bool strip = true;  // the floppies' programs likewise
  std::vector<CfgOverride> overrides;
};

extern const char kManifestName[];

// Reads the manifest text; false with the faults in `errors` (one line each).
bool ReadManifest(const std::string& text, MediaManifest* manifest, std::vector<std::string>* errors);
