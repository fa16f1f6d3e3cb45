#include "tests/robot/script/robot_script.h"

#include <cctype>
#include <cerrno>
#include <cstdlib>

namespace {

bool IsSpace(char c) { return c == ' ' || c == '\t'; }

// Appends what the escape `\c` stands for; false on an unknown one.
bool Unescape(char c, std::string& out) {
  switch (c) {
    case 'n': out += '\n'; return true;
    case 't': out += '\t'; return true;
    case 'r': out += '\r'; return true;
    case '"': out += '"'; return true;
    case '\\': out += '\\'; return true;
    default: return false;
  }
}

// Decimal or 0x hex, with an optional '-' where `allow_negative`.
bool ParseNumber(const std::string& text, bool allow_negative, long& value) {
  size_t start = 0;
  if (allow_negative && !text.empty() && text[0] == '-') start = 1;
  if (start >= text.size() || !std::isdigit(static_cast<unsigned char>(text[start]))) return false;
  const bool hex = text.size() > start + 2 && text[start] == '0' && (text[start + 1] == 'x' || text[start + 1] == 'X');
  const char* digits = text.c_str() + start + (hex ? 2 : 0);
  // strtol alone would also take spaces and signs after the 0x.
  if (!std::isxdigit(static_cast<unsigned char>(*digits))) return false;
  errno = 0;
  char* end = nullptr;
  const long parsed = std::strtol(digits, &end, hex ? 16 : 10);
  if (errno != 0 || *end != '\0') return false;
  value = start ? -parsed : parsed;
  return true;
}

struct ButtonName {
  const char* name;
  long id;
};
// The dialog box command ids of the system's message boxes.
constexpr ButtonName kButtons[] = {{"ok", 1},    {"cancel", 2}, {"abort", 3}, {"retry", 4},
                                   {"ignore", 5}, {"yes", 6},    {"no", 7}};

std::string Lower(std::string text) {
  for (char& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return text;
}

bool IsFileSafe(const std::string& name) {
  if (name.empty() || name[0] == '.' || name.size() > 64) return false;
  for (char c : name)
    if (!std::isalnum(static_cast<unsigned char>(c)) && c != '_' && c != '-' && c != '.') return false;
  return true;
}

// Converts one token for `param`; an empty result means it is fine.
std::string ConvertArg(const RobotParam& param, const RobotToken& token, RobotArg& arg) {
  const std::string want = std::string(param.name) + " ";
  auto number = [&](bool negative, long low, long high, const char* what) -> std::string {
    if (token.quoted || !ParseNumber(token.text, negative, arg.number))
      return want + "must be " + what + ", not " + QuoteRobotText(token.text);
    if (arg.number < low || arg.number > high)
      return want + "is out of range (" + std::to_string(low) + " to " + std::to_string(high) + "): " + token.text;
    return "";
  };
  switch (param.kind) {
    case RobotArgKind::Text:
      arg.text = token.text;
      return "";
    case RobotArgKind::Name:
      arg.text = token.text;
      if (!IsFileSafe(token.text))
        return want + "must be letters, digits, '_', '-' or '.', not " + QuoteRobotText(token.text);
      return "";
    case RobotArgKind::Id:
      return number(false, 0, 0xFFFF, "a control id (decimal or 0x hex)");
    case RobotArgKind::Millis:
      return number(false, 0, 3600000, "milliseconds");
    case RobotArgKind::Pixels:
      return number(true, -100000, 100000, "a number of pixels");
    case RobotArgKind::Count:
      return number(false, 0, 1000000, "a count");
    case RobotArgKind::Target:
      if (!token.quoted && token.text == "window") {
        arg.number = kRobotWindowTarget;
        return "";
      }
      return number(false, 0, 0xFFFF, "a control id or 'window'");
    case RobotArgKind::Button:
      for (const ButtonName& button : kButtons)
        if (Lower(token.text) == button.name) {
          arg.number = button.id;
          return "";
        }
      return number(false, 1, 0xFFFF, "OK, Cancel, Abort, Retry, Ignore, Yes, No or a button id");
  }
  return want + "has an unknown kind";
}

// Parses one line that holds a command; an empty result means it is fine.
std::string ParseStep(const std::vector<RobotToken>& tokens, RobotStep& step) {
  const RobotToken& keyword = tokens[0];
  step.command = keyword.quoted ? nullptr : FindRobotCommand(keyword.text);
  if (!step.command) return "unknown command " + QuoteRobotText(keyword.text);
  const std::vector<RobotParam>& params = step.command->params;
  const std::string usage = " (usage: " + RobotUsage(*step.command) + ")";
  if (tokens.size() - 1 > params.size()) return "too many arguments" + usage;
  for (size_t i = 0; i < params.size(); ++i) {
    RobotArg arg;
    if (i + 1 < tokens.size()) {
      const std::string error = ConvertArg(params[i], tokens[i + 1], arg);
      if (!error.empty()) return error + usage;
    } else if (params[i].optional) {
      arg.number = params[i].fallback;
    } else {
      return std::string("missing ") + params[i].name + usage;
    }
    step.args.push_back(arg);
  }
  return "";
}

}  // namespace

bool SplitRobotLine(const std::string& line, std::vector<RobotToken>& tokens, std::string& error) {
  tokens.clear();
  size_t i = 0;
  while (true) {
    while (i < line.size() && IsSpace(line[i])) ++i;
    if (i >= line.size()) return true;
    RobotToken token;
    if (line[i] == '"') {
      token.quoted = true;
      for (++i;; ++i) {
        if (i >= line.size()) {
          error = "unterminated string";
          return false;
        }
        if (line[i] == '"') break;
        if (line[i] == '\\') {
          if (i + 1 >= line.size() || !Unescape(line[i + 1], token.text)) {
            error = "unknown escape \\" + line.substr(i + 1, 1) + " (known: \\n \\t \\r \\\" \\\\)";
            return false;
          }
          ++i;
        } else {
          token.text += line[i];
        }
      }
      ++i;
      if (i < line.size() && !IsSpace(line[i])) {
        error = "a space must follow a closing quote";
        return false;
      }
    } else {
      while (i < line.size() && !IsSpace(line[i])) {
        if (line[i] == '"') {
          error = "a quote inside a word (put the whole word in quotes)";
          return false;
        }
        token.text += line[i++];
      }
    }
    tokens.push_back(token);
  }
}

RobotScript ParseRobotScript(const std::string& text) {
  RobotScript script;
  size_t start = 0;
  for (int number = 1; start <= text.size(); ++number) {
    size_t end = text.find('\n', start);
    if (end == std::string::npos) end = text.size();
    std::string line = text.substr(start, end - start);
    start = end + 1;
    if (!line.empty() && line.back() == '\r') line.pop_back();

    size_t first = 0;
    while (first < line.size() && IsSpace(line[first])) ++first;
    // Only whole lines are comments: a bare word such as #32770 is a class.
    if (first == line.size() || line[first] == '#') continue;

    std::vector<RobotToken> tokens;
    std::string error;
    RobotStep step;
    step.line = number;
    step.source = line.substr(first);
    if (!SplitRobotLine(line, tokens, error) || !(error = ParseStep(tokens, step)).empty())
      script.errors.push_back({number, error});
    else
      script.steps.push_back(step);
  }
  return script;
}

std::string QuoteRobotText(const std::string& text) {
  std::string quoted = "\"";
  for (char c : text) {
    switch (c) {
      case '\n': quoted += "\\n"; break;
      case '\t': quoted += "\\t"; break;
      case '\r': quoted += "\\r"; break;
      case '"': quoted += "\\\""; break;
      case '\\': quoted += "\\\\"; break;
      default: quoted += c;
    }
  }
  return quoted + "\"";
}
