#include "core/config/instruction.h"

#include <climits>

#include "core/config/token_replace.h"
#include "core/log/log_sink.h"

int LeadingNumber(const std::string& text) {
  size_t i = 0;
  // The C library's blanks: space, tab, line feed, vertical tab, form feed,
  // carriage return.
  while (i < text.size() && (text[i] == ' ' || (text[i] >= '\t' && text[i] <= '\r'))) ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
  long long value = 0;
  for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
    value = value * 10 + (text[i] - '0');
    if (value > static_cast<long long>(INT_MAX) + 1) value = static_cast<long long>(INT_MAX) + 1;
  }
  if (negative) value = -value;
  if (value > INT_MAX) value = INT_MAX;
  return static_cast<int>(value);
}

int SplitCfgInstruction(const std::string& line, std::string& key, std::string& arguments) {
  const size_t equals = line.find('=');
  if (equals == std::string::npos || equals == 0 || equals + 1 == line.size()) {
    LogPrintf("ParseCfgInstruction(): Invalid entry %s.\n", line.c_str());
    return -1;
  }
  key = line.substr(0, equals);
  const size_t comma = line.find(',');
  arguments = comma == std::string::npos ? std::string() : line.substr(comma + 1);
  return LeadingNumber(line.substr(equals + 1));
}

int ParseCfgInstruction(const std::string& line, std::string& key, std::string& arguments,
                        const TokenTable& tokens) {
  const int kind = SplitCfgInstruction(line, key, arguments);
  if (kind != -1) CfgInstructReplaceTokens(arguments, tokens);
  return kind;
}
