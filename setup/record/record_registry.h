// The registry side of the installation record: which keys and values the
// setup adds, and whether each was there before (the uninstaller never
// removes what was). Each is called before the write it records.
#pragma once
#include <windows.h>

#include <string>

// The product's keys (HKEY_CURRENT_USER's and HKEY_LOCAL_MACHINE's): the
// keys along their paths that are not there yet, and the product keys
// themselves, whose trees are the setup's own.
void NoteRegistryBeforeRun();

// The keys along `subkey` of `root` that are missing: one "created" entry
// each. True when the key itself was there.
bool RecordKeyPath(HKEY root, const std::string& subkey);
// A value about to be written: its key's path, then the value itself.
void RecordRegValue(HKEY root, const std::string& subkey, const char* name);

// Every key and value of a rewritten registry file about to be merged.
void RecordRegFile(const std::string& regFile);

// HKEY_CURRENT_USER's run-once value "VTSetup", about to be written.
void RecordRunOnce();

// The root of a full key name ("HKEY_CURRENT_USER\Software\...") and the
// rest after it; nullptr for a name with no root Windows knows.
HKEY SplitRootKey(const std::string& fullName, std::string* subkey);
