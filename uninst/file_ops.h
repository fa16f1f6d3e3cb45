// File removals for the uninstaller.
#pragma once
#include <windows.h>

#include <cstdint>
#include <string>

#include "uninst/registry_ops.h"

// What a recorded file looks like now.
enum class FileState {
  kSame,       // size and CRC-32 as recorded
  kChanged,    // another size or CRC-32
  kMissing,
  kUnreadable, // in use, or locked: only its size could be compared (it matched)
};

FileState CheckFile(const std::string& path, uint64_t size, uint32_t crc);

// Deletes PATH. A file that exists but cannot be deleted because it is in
// use, or locked, comes back as kInUse: for the next start. A read-only
// file is made writable first (our setup may have copied it from a CD).
RemovalOutcome DeleteOneFile(const std::string& path);

// Removes an empty folder: kKept when it still holds something.
RemovalOutcome RemoveEmptyFolder(const std::string& path);
