// What a registry file adds: its keys and values, read from the text the
// registry editor merges (REGEDIT4, tokens already filled in).
//
// Format notes
// - The first line is the header and is not read.
// - "[KEY]" opens a key (a full name, "HKEY_CURRENT_USER\..."); "[-KEY]"
//   deletes one and adds nothing, so the values after it are not read.
// - A value line is `"NAME"=VALUE` or `@=VALUE` (the key's default value);
//   inside the quoted name "\\" stands for a backslash and "\"" for a
//   quote. A line ending in '\' goes on in the next one.
// - Blank lines and lines starting with ';' are skipped.
//
// Read by the checker's installation plan (core/check/install_plan.cpp)
// and by the setup's installation record (setup/record).
#pragma once
#include <string>
#include <vector>

struct RegFileValue {
  std::string key;    // the key's full name, as written between the brackets
  std::string name;   // "@" for the default value
  std::string value;  // as it lands: a string quoted with its escapes undone, dword:/hex: as written
};

struct RegFileContents {
  std::vector<std::string> keys;  // every key the file opens, in order (repeats kept)
  std::vector<RegFileValue> values;
};

RegFileContents ReadRegFileValues(const std::string& regText);
