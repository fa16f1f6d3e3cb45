// The developer log, "c:\VTLog.txt": one file shared by the main thread and
// the installation worker. LogPrintf (core/log/log_sink.h) writes to it once
// OpenLog has enabled it; until then, and when it is off, it writes nothing.
#pragma once
#include <windows.h>

#include <string>

constexpr const char* kLogFileName = "c:\\VTLog.txt";

// Stores the switch; when set, creates the file anew (truncating an old one).
// If it cannot be created the log stays off and the user is told once.
// Returns whether the log is on.
BOOL OpenLog(BOOL enable);
// Closes the file at program end; later log calls write nothing.
void CloseLog();

// "Error 2" (or "Warning 2") in an OK box; returns 1.
int ShowNumberedError(int code, BOOL isError);

// The system's text for `code`, or for the thread's last error when 0; at
// most 512 characters, default language.
std::string GetSystemErrorText(DWORD code);
