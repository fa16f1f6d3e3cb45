// Registry removals for the uninstaller, with only what Windows 95 has:
// no SHDeleteKey (shlwapi came later, with Internet Explorer), and trees
// taken down one key at a time, as RegDeleteKey on Windows NT (and on Wine)
// will not delete a key that has subkeys.
#pragma once
#include <windows.h>

#include <string>

// How one removal went.
enum class Removal {
  kRemoved,
  kMissing,   // was not there
  kKept,      // a key that still holds something
  kInUse,     // a file in use: deleted at the next start instead
  kFailed,    // anything else: the Win32 error is in `error`
};

struct RemovalOutcome {
  Removal result = Removal::kFailed;
  DWORD error = 0;
};

// The root handle of a full key name ("HKEY_CURRENT_USER\..."), and the
// rest; nullptr for a name below no root we know.
HKEY RootOf(const std::string& fullKey, std::string* subkey);

// The value NAME ("@" the key's default value) of the full key KEY.
RemovalOutcome DeleteRegValue(const std::string& key, const std::string& name);
// KEY with everything below it.
RemovalOutcome DeleteRegTree(const std::string& key);
// KEY, only when it has neither subkeys nor values (kKept otherwise).
RemovalOutcome DeleteRegKeyIfEmpty(const std::string& key);
