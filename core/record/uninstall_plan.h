// What the uninstaller takes away, worked out from the installation record
// alone: each thing once, in the order it can go.
//
// Rules
// - A file (F) counts once, whatever the case of its path; its last entry
//   gives the size and CRC-32 to check, as a reinstallation may have
//   written a newer file over the first one.
// - A registry value (V) counts once per key and name; its first entry says
//   whether it was there before we came. A value that was there is never
//   removed: it is the user's, or another program's.
// - A key (K) goes only when the installation created it (its first entry
//   says so), and only when it is empty once everything else is gone:
//   deepest first, so that a parent follows its children.
// - A product key (P) is ours with everything below it, but never a key
//   that other software shares (fewer than two levels below the root, or
//   inside Software\Microsoft): such an entry can only come from a damaged
//   or foreign record, and is refused.
// - Folders (D) go deepest first, and only when empty.
// - What other installers (X) wrote is theirs: they are only reported.
// - The record itself and the uninstaller are never planned as ordinary
//   files: the program removes them last, after it has read everything.
// - A path that is not a full one (drive or network share) or that climbs
//   out with "..", and a key below no root we know, are refused: the
//   record was written with full names, so anything else cannot be trusted.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "core/record/install_record.h"

// The run-once key of the current user, where the setup's continuation
// value lives (R entries name its values).
constexpr const char kRunOnceKey[] = "Software\\Microsoft\\Windows\\CurrentVersion\\RunOnce";

enum class RegistryRoot { kNone, kClassesRoot, kCurrentUser, kLocalMachine, kUsers };

// "HKEY_CURRENT_USER\Software\X" is kCurrentUser and "Software\X"; the root
// name is matched whatever its case. kNone for any other text, or for a
// root with nothing below it.
RegistryRoot SplitRegistryKey(const std::string& fullKey, std::string* subkey);

struct PlannedFile {
  std::string path;
  uint64_t size = 0;
  uint32_t crc = 0;
};

struct PlannedValue {
  std::string key;   // full name, HKEY_...
  std::string name;  // "@" the default value
};

enum class RefusedWhy {
  kNotFullPath,   // not drive- or share-qualified, or holds ".."
  kUnknownRoot,   // a key below no root we know
  kSharedKey,     // a product key that other software shares
};

struct RefusedEntry {
  RecordKind kind = RecordKind::kFile;
  std::string what;  // the path or key as recorded
  RefusedWhy why = RefusedWhy::kNotFullPath;
};

struct UninstallPlan {
  std::vector<PlannedFile> files;          // record order of first sight
  std::vector<std::string> shortcuts;
  std::vector<std::string> selfCopies;
  std::vector<PlannedValue> values;        // created by the installation
  std::vector<PlannedValue> keptValues;    // there before it: kept
  std::vector<std::string> runOnce;        // value names under kRunOnceKey
  std::vector<std::string> productKeys;    // whole trees
  std::vector<std::string> keys;           // created keys, deepest first
  std::vector<std::string> keptKeys;       // keys that were there before
  std::vector<std::string> folders;        // deepest first
  std::vector<std::string> installers;     // command lines, reported only
  std::vector<RefusedEntry> refused;

  // Everything that is removed, for the progress bar.
  size_t StepCount() const;
};

// mainDir: the folder of the record and the uninstaller ({MAIN_DIR}),
// whose two files the plan leaves to the program.
UninstallPlan MakeUninstallPlan(const std::vector<RecordEntry>& entries, const std::string& mainDir);
