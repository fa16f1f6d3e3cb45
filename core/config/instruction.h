// Instruction lines of setup.cfg: "key=kind[,arguments]".
//
// Format notes
// - key: the text before the first '='. Never token-replaced. It must not
//   be empty, and the '=' must not end the line.
// - kind: the leading decimal digits after the '=' (leading blanks and a
//   sign accepted, as the C library reads numbers); no digits give 0.
// - arguments: everything after the first ',' of the whole line, or empty.
//   Each kind splits its own fields (core/config/instruction_args.h).
//
// The executor of each kind is a plain function "VTCfg..." taking the key
// and the token-replaced arguments and returning one of the results below.
#pragma once
#include <string>

#include "core/config/token_table.h"

enum VTCfgKind : int {
  // key: file name in the source dir. args: source dir ({SRC_DIR} when
  // empty), destination dir ({MAIN_DIR} when empty)[, destination name,
  // commas and all]. Progress code 0.
  VTCFG_COPY = 1,
  // key: packed archive in the source dir. args: source dir, destination
  // dir (the rest of the line); the same fallbacks. Progress code 1.
  VTCFG_EXTRACT = 2,
  // key: registry file. args: source dir ({SRC_DIR} when empty; always
  // {ACCESS_DIR} in an update run). Tokens in the file are filled in, then
  // the registry editor merges it. Progress code 3.
  VTCFG_REGIMPORT = 3,
  // key: program or software item. args: restart flag character and command
  // line[, ignored]. Waits for the program and asks how it went.
  VTCFG_EXECUTE = 4,
  // key: program file[ blank link arguments]. args: link name (the key
  // when empty), program dir ({MAIN_DIR} when empty), folder of the link[,
  // icon file[, icon index]]. Progress code 0.
  VTCFG_SHORTCUT = 5,
  // key: label. args: section of setup.cfg to run (the key when empty)[,
  // ignored]. The nested list's result is the line's result.
  VTCFG_SECTION = 6,
  // key: file name. args: directory ({MAIN_DIR} when empty). Always goes on.
  // Progress code 0.
  VTCFG_DELETE = 7,
  // key: value name that remembers the answer. args: dialog title, default
  // dir, text ('^' for a line break, commas allowed). Sets {USER_DIR}.
  VTCFG_USERPATH = 8,
  // key: label. args: the directory path to create. Progress code 2.
  VTCFG_CREATEDIR = 9,
  // key: unused. args: message text[, BUTTONS[ + ICON]].
  VTCFG_MESSAGE = 10,
};
constexpr int kVTCfgFirstKind = VTCFG_COPY;
constexpr int kVTCfgLastKind = VTCFG_MESSAGE;

// Executor results.
enum VTCfgResult : int {
  VTCFG_ERROR = -1,     // error: the list stops
  VTCFG_STOP = 0,       // the user cancelled or declined: the list stops
  VTCFG_DONE = 1,       // done: the next line runs
  VTCFG_FAILED_GO = 2,  // failed, but the user chose to go on: the list stops
};

// Splits a line into key and arguments and returns the kind number (which
// may lie outside the known kinds); -1 for a malformed line, logged as
// "ParseCfgInstruction(): Invalid entry %s.\n", with key and arguments
// left untouched.
int SplitCfgInstruction(const std::string& line, std::string& key, std::string& arguments);

// SplitCfgInstruction, then the tokens of the arguments replaced; a token
// that cannot be replaced is logged and left for the caller to find again.
int ParseCfgInstruction(const std::string& line, std::string& key, std::string& arguments,
                        const TokenTable& tokens);

// The leading number of a text as the C library's atoi reads it (blanks, a
// sign, digits), held to the int range instead of overflowing.
int LeadingNumber(const std::string& text);
