// Where an archive entry goes: the part of its name after the last
// backslash ('/' counts as one) is the file name; with path names, the part
// before it is a directory below the destination. Names that would put a
// file anywhere but below the destination are refused.
#pragma once
#include <string>

struct EntryPath {
  std::string directory;  // relative, backslash-separated; empty for none
  std::string file;
};

// Splits `name`. Returns false, with a reason, for names that would leave
// the destination: absolute or drive-qualified names, '..' parts (or any
// part made only of dots and spaces, which Windows reads as such), colons
// (drives and alternate streams), reserved device names (CON, NUL, COM1, ...
// in any part, with or without an extension), or no file name at all.
bool SplitEntryName(const std::string& name, bool with_paths, EntryPath& out, std::string* why);
