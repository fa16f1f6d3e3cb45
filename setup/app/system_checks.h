// The start-up checks: each shows its own message and returns FALSE to end
// the program.
#pragma once
#include <windows.h>

BOOL CheckOperatingSystem();
// Creates "Vantora_Mutex" and keeps it for the life of the process.
BOOL CheckSingleInstance();
BOOL CheckMemory();
