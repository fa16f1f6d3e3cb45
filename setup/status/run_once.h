// The run-once continuation: the setup program brings itself back after a
// restart of Windows with a command-line keyword ("R&U", "A_REBOOT", "3PI").
#pragma once

constexpr const char* kRunOnceKey = "Software\\Microsoft\\Windows\\CurrentVersion\\RunOnce";
constexpr const char* kRunOnceValue = "VTSetup";

// With `enable`, HKCU\...\RunOnce "VTSetup" becomes {SETUP_EXE}, a blank and
// the keyword (the blank even for an empty keyword); without, the empty
// text. The value is emptied, never deleted.
void SetRunOnce(bool enable, const char* keyword);
