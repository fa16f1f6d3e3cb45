// The uninstaller on the computer: the program, which the setup carries
// as a resource and writes beside the record, and its entry in Add/Remove
// Programs.
#pragma once
#include <string>

// {MAIN_DIR}\VTUNINST.EXE written from the resource, through a partial
// file, and recorded as one of the setup's own copies. A copy in use (the
// user runs it) is left as it is. False when it could not be written.
bool WriteUninstaller(const std::string& mainDir);

// HKEY_LOCAL_MACHINE\...\Uninstall\Vantora: DisplayName and
// UninstallString (the program's path, quoted when it holds a blank),
// recorded before they are written.
bool RegisterUninstaller(const std::string& mainDir);

// The UninstallString for an uninstaller at `exePath`.
std::string UninstallCommand(const std::string& exePath);
