// The file prompt: a message, an editable path, OK and Cancel. Returns 1 for
// OK with `path` as the user left it, 0 otherwise.
#pragma once
#include <string>

int RunFilePrompt(const std::string& message, std::string& path, const char* caption);
