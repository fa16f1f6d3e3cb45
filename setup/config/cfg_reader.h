// Reading setup.cfg. Only the profile functions read it, so section and key
// names ignore case and values come trimmed; the file is never written.
#pragma once
#include <string>
#include <vector>

// Appends the section's lines ("key=value" as stored, ';' lines skipped) to
// `lines`. Returns the list's length afterwards, or -1 when the section is
// missing or empty.
int ReadCfgSection(const char* section, std::vector<std::string>& lines, const char* file);

// Reads a value (at most `size` characters, every caller uses 256). 1 when
// it differs from `def`, 0 when it equals it.
int ReadCfgString(const char* section, const char* key, std::string& out, const char* def,
                  const char* file, int size = 256);

// Whether the section has any content, asked with a buffer of 7 characters.
bool CfgSectionHasContent(const char* section, const char* file);
