#include "core/config/instruction_args.h"

#include <algorithm>

#include "core/config/instruction.h"

namespace {

constexpr size_t npos = std::string::npos;

// The text before `comma` (all of it for none) and after it (empty for none).
std::string Before(const std::string& text, size_t comma) {
  return comma == npos ? text : text.substr(0, comma);
}
std::string After(const std::string& text, size_t comma) {
  return comma == npos ? std::string() : text.substr(comma + 1);
}

}  // namespace

std::string TrimBlanks(const std::string& text) {
  const size_t first = text.find_first_not_of(" \t");
  if (first == npos) return std::string();
  return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

CopyArgs SplitCopyArgs(const std::string& key, const std::string& arguments) {
  CopyArgs a;
  const size_t first = arguments.find(',');
  a.hasComma = first != npos;
  if (!a.hasComma) return a;
  a.sourceDir = arguments.substr(0, first);
  const std::string rest = arguments.substr(first + 1);
  const size_t second = rest.find(',');
  a.destDir = Before(rest, second);
  // An empty name field keeps the key's name, as a missing one does.
  a.destName = second == npos ? std::string() : rest.substr(second + 1);
  if (a.destName.empty()) a.destName = key;
  return a;
}

ExtractArgs SplitExtractArgs(const std::string& arguments) {
  ExtractArgs a;
  const size_t first = arguments.find(',');
  a.hasComma = first != npos;
  if (!a.hasComma) return a;
  a.sourceDir = arguments.substr(0, first);
  a.destDir = arguments.substr(first + 1);
  return a;
}

ShortcutArgs SplitShortcutArgs(const std::string& key, const std::string& arguments) {
  ShortcutArgs a;
  const size_t first = arguments.find(',');
  if (first == npos) return a;
  a.name = arguments.substr(0, first);
  if (a.name.empty()) a.name = key;
  const std::string rest = arguments.substr(first + 1);
  const size_t second = rest.find(',');
  if (second == npos) return a;
  a.valid = true;
  a.programDir = rest.substr(0, second);

  const std::string program = TrimBlanks(key);
  const size_t blank = program.find(' ');
  a.program = Before(program, blank);
  a.linkArgs = After(program, blank);

  const std::string tail = rest.substr(second + 1);
  const size_t third = tail.find(',');
  a.folder = Before(tail, third);
  if (third != npos) {
    a.hasIconFile = true;
    const std::string icon = tail.substr(third + 1);
    const size_t fourth = icon.find(',');
    a.iconFile = Before(icon, fourth);
    if (fourth != npos) a.iconIndex = LeadingNumber(icon.substr(fourth + 1));
  }
  return a;
}

UserPathArgs SplitUserPathArgs(const std::string& arguments) {
  UserPathArgs a;
  const size_t first = arguments.find(',');
  if (first == npos || first == 0) return a;
  a.title = arguments.substr(0, first);
  const size_t second = arguments.find(',', first + 1);
  if (second == npos) return a;
  a.defaultDir = arguments.substr(first + 1, second - first - 1);
  a.text = arguments.substr(second + 1);
  if (a.text.empty()) {
    a.shape = UserPathArgs::kNoText;
    return a;
  }
  std::replace(a.text.begin(), a.text.end(), '^', '\n');
  a.shape = UserPathArgs::kOk;
  return a;
}

ExecuteArgs SplitExecuteArgs(const std::string& arguments) {
  ExecuteArgs a;
  if (arguments.empty()) return a;
  a.restartFlag = arguments[0];
  const std::string rest = arguments.substr(1);
  a.commandLine = TrimBlanks(Before(rest, rest.find(',')));
  std::string program = Before(a.commandLine, a.commandLine.find(' '));
  for (char& c : program)
    if (c == '/') c = '\\';
  const size_t slash = program.rfind('\\');
  a.programDir = slash == npos ? std::string() : program.substr(0, slash);
  a.programFile = slash == npos ? program : program.substr(slash + 1);
  return a;
}

std::string SectionNameOf(const std::string& key, const std::string& arguments) {
  const std::string name = arguments.empty() ? key : arguments;
  return Before(name, name.find(','));
}
