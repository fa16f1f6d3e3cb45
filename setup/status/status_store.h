// The status record under HKEY_CURRENT_USER: which step the last run was
// about to run, and whether installation and account setup completed.
// CSetupVTApp::LoadStatus and WriteMajorStatus build on these.
#pragma once
#include <windows.h>

// Both read the whole DWORD (0 when the key or value is missing) and hand
// out either half when its receiver is given.
DWORD ReadMajorStatus(WORD* high, WORD* low);
DWORD ReadMinorStatus(WORD* high, WORD* low);

// Writes high * 65536 + low to the named value of the Status key, creating
// the key. A half of 0xFFFF keeps that half of the current value. 0 when the
// key cannot be opened, else 1.
int WriteStatusValue(const char* name, WORD high, WORD low);

// Removes the Status key and all its values.
void DeleteStatusKey();

// Called by the disk-by-disk installation after each completed disk. Disk
// progress is deliberately not recorded: a new run always starts at disk 1.
int WriteMinorProgress(int disk, int reserved);
