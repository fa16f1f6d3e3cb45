// The UI robot's scenario language: one command a line, `#` lines are
// comments, arguments are bare words, numbers (decimal or 0x hex) or
// "quoted strings" with C-style escapes. Parsing and checking live here so
// that the robot itself only carries out well-formed steps, and so that a
// bad scenario is reported, with its line numbers, before anything runs.
#pragma once
#include <string>
#include <vector>

// What an argument must look like.
enum class RobotArgKind {
  Text,    // bare word or quoted string
  Id,      // control id, 0 to 0xFFFF
  Millis,  // a duration in milliseconds
  Pixels,  // a signed screen coordinate or size
  Button,  // message box button: OK, Cancel, Abort, Retry, Ignore, Yes, No, or an id
  Target,  // a control id, or the word `window` for the current window itself
  Name,    // letters, digits, '_', '-' and '.': safe as a file name
  Count,   // how many times something may happen, 0 to 1000000
};

struct RobotParam {
  RobotArgKind kind;
  const char* name;       // as shown in usage lines: CLASS, TIMEOUT_MS
  bool optional = false;  // only trailing numbers may be optional
  long fallback = 0;      // the value of an optional number left out
};

struct RobotCommandSpec {
  const char* keyword;
  std::vector<RobotParam> params;
  const char* summary;
};

// The language: every command the robot knows, in the order --help shows them.
const std::vector<RobotCommandSpec>& RobotCommands();
const RobotCommandSpec* FindRobotCommand(const std::string& keyword);
// "wait CLASS CAPTION [TIMEOUT_MS]"
std::string RobotUsage(const RobotCommandSpec& command);

// A Target argument naming the current window rather than a control.
constexpr long kRobotWindowTarget = -1;

// Text and Name arguments fill `text`; every other kind fills `number`
// (Button names become their ids: OK 1, Cancel 2, ... No 7).
struct RobotArg {
  std::string text;
  long number = 0;
};

struct RobotStep {
  int line = 0;
  std::string source;  // the line as written, for progress and failure messages
  const RobotCommandSpec* command = nullptr;
  std::vector<RobotArg> args;  // one per parameter, optional ones filled in
};

struct RobotScriptError {
  int line = 0;
  std::string message;
};

struct RobotScript {
  std::vector<RobotStep> steps;
  std::vector<RobotScriptError> errors;  // empty when the whole text is sound
};

RobotScript ParseRobotScript(const std::string& text);

// One word of a line; `quoted` tells "10" from 10.
struct RobotToken {
  std::string text;
  bool quoted = false;
};

// Splits one line into words; false with `error` set on a bad quote or escape.
bool SplitRobotLine(const std::string& line, std::vector<RobotToken>& tokens, std::string& error);

// The text as a quoted string of the language, for messages ("a\nb" stays readable).
std::string QuoteRobotText(const std::string& text);
