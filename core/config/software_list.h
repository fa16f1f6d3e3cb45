// The rules of setup.cfg's "Software" section, the additional software
// list: each line is an execute (kind 4) or run-section (kind 6)
// instruction, optionally marked with '*' (picked at first) or '@' (always
// installed, quietly, and never remembered); its name is its key, its
// description the text after its last comma ('~' for a comma).
#pragma once
#include <string>

// The state of an item, as the Software key remembers it.
enum SoftwareState : int {
  SW_NOT_SELECTED = 0,  // listed, not chosen
  SW_SELECTED = 1,      // chosen, not installed yet
  SW_DONE = 2,          // installed
  SW_FAILED = 3,        // failed, or the user said so
  SW_ALWAYS = 4,        // an '@' item: never remembered
};
constexpr int kNoSoftwareState = -1;

struct MarkedSoftwareLine {
  std::string line;  // without its marker
  int state;         // what the marker says
};
// '*' gives SW_SELECTED (SW_NOT_SELECTED when the run continues after a
// restart or updates), '@' SW_ALWAYS, no marker SW_NOT_SELECTED. The marker
// becomes a blank and leading blanks go.
MarkedSoftwareLine TakeSoftwareMarker(const std::string& raw, bool continueOrUpdate);

// The text before the first '='.
std::string SoftwareName(const std::string& line);
// The text after the last comma, '~' shown as ','.
std::string SoftwareDescription(const std::string& line);

// What must be on the media for a line to be offered: for kind 4 the
// program (the arguments without their flag character, up to the first
// comma and then the first blank), for kind 6 the folder {SRC_DIR}\<section>;
// empty for other kinds, which are never offered.
std::string SoftwareNeeds(int kind, const std::string& key, const std::string& arguments,
                          const std::string& srcDir);
