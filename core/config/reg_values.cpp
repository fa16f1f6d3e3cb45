#include "core/config/reg_values.h"

#include "core/config/reg_rewrite.h"

namespace {

std::string Trimmed(const std::string& s) {
  const size_t b = s.find_first_not_of(" \t");
  if (b == std::string::npos) return std::string();
  return s.substr(b, s.find_last_not_of(" \t") - b + 1);
}

// The text between two quotes with its escapes undone ("\\" and "\"").
std::string Unescaped(const std::string& quoted) {
  std::string plain;
  for (size_t i = 0; i < quoted.size(); ++i) {
    if (quoted[i] == '\\' && i + 1 < quoted.size()) ++i;
    plain += quoted[i];
  }
  return plain;
}

// `"name"=value` or `@=value`: the name ("@" for the key's default value)
// and the value as it lands. False for anything else.
bool SplitValueLine(const std::string& line, std::string* name, std::string* value) {
  size_t eq;
  if (line[0] == '@') {
    eq = line.find_first_not_of(" \t", 1);
    *name = "@";
  } else {
    if (line[0] != '"') return false;
    size_t close = 1;
    while (close < line.size() && line[close] != '"') close += line[close] == '\\' ? 2 : 1;
    if (close >= line.size()) return false;
    *name = Unescaped(line.substr(1, close - 1));
    eq = line.find_first_not_of(" \t", close + 1);
  }
  if (eq == std::string::npos || line[eq] != '=') return false;
  *value = Trimmed(line.substr(eq + 1));
  if (value->size() >= 2 && (*value)[0] == '"' && value->back() == '"')
    *value = "\"" + Unescaped(value->substr(1, value->size() - 2)) + "\"";
  return true;
}

}  // namespace

RegFileContents ReadRegFileValues(const std::string& regText) {
  RegFileContents out;
  std::string key, pending;
  const std::vector<std::string> lines = SplitRegFileLines(regText);
  for (size_t i = 1; i < lines.size(); ++i) {  // the first line is the header
    std::string text = Trimmed(lines[i]);
    if (!pending.empty()) text = pending + text, pending.clear();
    if (!text.empty() && text.back() == '\\' && text[0] != '[') {
      pending = text.substr(0, text.size() - 1);
      continue;
    }
    if (text.empty() || text[0] == ';') continue;
    if (text[0] == '[') {
      const size_t close = text.find(']');
      key = text.substr(1, close == std::string::npos ? std::string::npos : close - 1);
      if (!key.empty() && key[0] != '-') out.keys.push_back(key);
      continue;
    }
    RegFileValue v;
    if (key.empty() || key[0] == '-' || !SplitValueLine(text, &v.name, &v.value)) continue;
    v.key = key;
    out.values.push_back(v);
  }
  return out;
}
