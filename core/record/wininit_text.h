// WININIT.INI, the file through which Windows 95 deletes files at the next
// start: before the desktop comes up, WININIT.EXE works through its
// [rename] section, where a line "NUL=PATH" deletes PATH, and then renames
// the file away. PATH must be a short (8.3) name: the file is read before
// long names are available.
//
// The section holds the key NUL many times over, which the profile
// functions cannot write (they keep one value a key): so the text is
// edited here, as text.
#pragma once
#include <string>
#include <vector>

constexpr const char kWininitFileName[] = "WININIT.INI";

// `text` (a WININIT.INI, or "" when there is none) with a "NUL=PATH" line
// for each of `shortPaths` added to its [rename] section, which is made at
// the end when missing. Every other line stays as it was, every NUL= line
// already there too; a path already scheduled (any case) is not added
// twice, nor an empty one. Lines end with CR LF.
std::string AddWininitDeletes(const std::string& text, const std::vector<std::string>& shortPaths);
