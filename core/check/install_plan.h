// The plan of an installation: what the setup program puts where when it
// runs the media's setup.cfg on a Windows 95 machine with its usual
// folders: every file with its size and the disk it comes from, the
// folders the lines create, the shortcuts, the registry values the
// registry files add and the programs it runs.
//
// Made by PlanInstallation (media_check.cpp, the checker's own walk of
// setup.cfg); printed by cfgcheck --plan, compared with a real
// installation by vtmedia try, summed by the checker against ReqFreeSpace.
#pragma once
#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "core/check/media_check.h"
#include "core/config/token_table.h"

struct PlanItem {
  enum Kind { kFile, kFolder, kShortcut, kRegistry, kProgram };
  Kind kind = kFile;
  std::string path;      // file, folder, the shortcut's .lnk, the registry key, the command line
  std::string detail;    // the shortcut's program; the registry value as NAME=VALUE ("@" the default)
  uint64_t size = 0;     // a file's bytes
  int disk = 1;          // the disk the line runs from
  int line = 0;          // in setup.cfg
  bool software = false; // from the Software section: only when the user picks it
  bool picked = false;   // and the item is offered as picked ('*' or '@')
};

struct InstallPlan {
  std::string mainDir;  // the {MAIN_DIR} it was planned with
  std::vector<PlanItem> items;
  // The bytes of the files the disk sections install (the Software
  // section's not counted: they are the user's choice).
  uint64_t InstalledBytes() const;
};

// The {MAIN_DIR} the setup proposes on a first run.
extern const char kDefaultMainDir[];

// The plan of an installation from `media` with `mainDir` as {MAIN_DIR};
// `tokens` ("{PROGRAMS}" and so on) replace the Windows 95 folders below,
// for a machine whose folders differ. Lines the checker finds wrong are
// left out, as the setup fails them.
InstallPlan PlanInstallation(const MediaView& media, const std::string& mainDir = kDefaultMainDir,
                             const std::map<std::string, std::string>& tokens = {});

// The directory tokens as a first run on Windows 95 sets them, with
// `mainDir` as {MAIN_DIR}. {SRC_DIR} is left to the caller; the user's
// names and home page, which registration sets later, stay unset.
void SetWindows95Tokens(TokenTable& tokens, const std::string& mainDir);

// Adds the registry values of a rewritten registry file (REGEDIT4 text)
// to `plan`, one item a value: `line` (its disk, line and Software marks)
// with the key as path and NAME=VALUE as detail.
void PlanRegistryValues(const std::string& regText, const PlanItem& line, InstallPlan& plan);

// The plan as lines of tab-separated fields, for people and scripts:
//   file <TAB> SIZE <TAB> disk N <TAB> PATH <TAB> <TAB> setup.cfg:LINE
//   shortcut <TAB> <TAB> disk N <TAB> LINK <TAB> PROGRAM <TAB> ...
// and so on for folder, registry (KEY, NAME=VALUE) and program; what the
// Software section installs ends in " software", or " software picked"
// when its item is offered as picked.
std::string FormatPlanItem(const PlanItem& item);
