// Files deleted when Windows next starts: the ones in use now, and the
// uninstaller's own temporary copy.
//
// Windows 95 has no way to ask for that but WININIT.INI (MoveFileEx's
// delay flag is not implemented there); Windows NT does not read
// WININIT.INI, but has the flag.
#pragma once
#include <windows.h>

#include <string>
#include <vector>

// WININIT.INI of this Windows (in its own folder).
std::string SystemWininitPath();

// Schedules PATHS (long names are fine: each is turned into its short name
// here). WININIT: the file at `wininitPath`, or on Windows NT (when
// `wininitPath` is empty) the system's delayed delete. ERROR_SUCCESS, or the
// first error met (the paths after it are still tried).
DWORD DeleteAtRestart(const std::vector<std::string>& paths, const std::string& wininitPath);
