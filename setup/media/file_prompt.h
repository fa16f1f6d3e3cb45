// Asking the user where a file is.
#pragma once
#include <string>

// 1 when `name` is in `dir`; 2 when it was found after asking (then `dir`
// holds the directory the user gave); 0 when the user cancelled. The
// progress dialog is hidden while the prompt is up, and stays hidden after
// a cancel (the next application message box shows it again).
int PromptForFile(const std::string& name, std::string& dir);
