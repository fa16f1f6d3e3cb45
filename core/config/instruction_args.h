// The argument fields of each instruction kind (after token replacement).
// Pure text: the executors (setup/engine) fill in the token fallbacks and
// touch the file system.
#pragma once
#include <string>

// Copy (kind 1): source dir, destination dir[, destination name]. The name
// runs to the end of the line, commas included; without it (or empty) the
// key.
struct CopyArgs {
  bool hasComma = false;  // no comma: no source directory field at all
  std::string sourceDir;  // empty: {SRC_DIR}
  std::string destDir;    // empty: {MAIN_DIR}
  std::string destName;
};
CopyArgs SplitCopyArgs(const std::string& key, const std::string& arguments);

// Extract (kind 2): source dir, destination dir (all text after the first
// comma).
struct ExtractArgs {
  bool hasComma = false;
  std::string sourceDir;
  std::string destDir;
};
ExtractArgs SplitExtractArgs(const std::string& arguments);

// Shortcut (kind 5): the key is the program, optionally a blank and the
// link's arguments; the fields are name, program dir, folder[, icon
// file[, icon index]].
struct ShortcutArgs {
  bool valid = false;      // at least two commas
  std::string name;        // link name and description; the key when empty
  std::string programDir;  // empty: {MAIN_DIR}
  std::string folder;      // where the .lnk file goes
  bool hasIconFile = false;
  std::string iconFile;  // without hasIconFile: program dir + program
  int iconIndex = 0;
  std::string program;   // the key (trimmed) up to its first blank
  std::string linkArgs;  // the key's text after that blank
};
ShortcutArgs SplitShortcutArgs(const std::string& key, const std::string& arguments);

// User path (kind 8): title, default dir, text. The text runs to the end of
// the line and its '^' become line breaks.
struct UserPathArgs {
  // kMalformed: no usable comma (result -1); kNoText: empty text (result 0).
  enum Shape { kOk, kMalformed, kNoText } shape = kMalformed;
  std::string title;
  std::string defaultDir;
  std::string text;
};
UserPathArgs SplitUserPathArgs(const std::string& arguments);

// Execute (kind 4): a restart flag character, then the command line up to
// the first comma (trimmed); the program is the command line up to its
// first blank, its directory the part before the last backslash ('/'
// counts as one).
struct ExecuteArgs {
  char restartFlag = '0';  // '0' none, '1' continuation only, other: offer a restart
  std::string commandLine;
  std::string programDir;
  std::string programFile;
};
ExecuteArgs SplitExecuteArgs(const std::string& arguments);

// Run section (kind 6): the arguments, or the key when they are empty, cut
// at the first comma.
std::string SectionNameOf(const std::string& key, const std::string& arguments);

// Blanks (spaces and tabs) trimmed from both ends.
std::string TrimBlanks(const std::string& text);
