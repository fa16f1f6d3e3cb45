// Filling tokens into a registry file before the registry editor merges it.
//
// Format notes
// - A file is in the "REGEDIT4" format when its first line contains that
//   text anywhere. Inside that format's quoted strings a backslash is
//   written twice, so every inserted value gets its backslashes doubled;
//   other files get the values as they are.
// - Token names match exactly (braces included, case-sensitive): a lower-
//   case "{main_dir}" is left alone, unlike in instruction lines.
// - The file is read as text: CR LF or LF end a line, a Ctrl-Z ends the
//   file. It is written back with CR LF after every line.
#pragma once
#include <map>
#include <string>
#include <vector>

using RegTokens = std::map<std::string, std::string>;

// A value that holds its own token's name would be inserted without end:
// per line and token, at most this many replacements are made.
constexpr int kMaxRegReplacementsPerLine = 256;

bool IsRegedit4Header(const std::string& firstLine);

// Replaces every token of `tokens` (in the map's order) in one line. Sets
// *bounded when a token hit the replacement bound.
std::string RewriteRegLine(const std::string& line, const RegTokens& tokens, bool regedit4,
                           bool* bounded = nullptr);

// The lines of a file's bytes, read as text (see the format notes).
std::vector<std::string> SplitRegFileLines(const std::string& bytes);

// The whole rewrite: bytes in, bytes out (every line ended by CR LF).
// *bounded as for RewriteRegLine, for any line.
std::string RewriteRegFile(const std::string& bytes, const RegTokens& tokens,
                           bool* bounded = nullptr);
