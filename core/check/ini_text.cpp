#include "core/check/ini_text.h"

#include <cctype>

#include "core/config/instruction_args.h"


bool SameNameIgnoringCase(const std::string& a, const std::string& b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i)
    if (std::tolower(static_cast<unsigned char>(a[i])) != std::tolower(static_cast<unsigned char>(b[i])))
      return false;
  return true;
}

IniText::IniText(const std::string& text) {
  IniSection* current = nullptr;
  int number = 0;
  size_t pos = 0;
  while (pos <= text.size()) {
    size_t end = text.find('\n', pos);
    if (end == std::string::npos) end = text.size();
    std::string raw = text.substr(pos, end - pos);
    pos = end + 1;
    ++number;
    if (!raw.empty() && raw.back() == '\r') raw.pop_back();
    const std::string line = TrimBlanks(raw);
    if (line.empty() || line[0] == ';') continue;
    if (line[0] == '[') {
      const size_t close = line.find(']');
      sections_.push_back({TrimBlanks(line.substr(1, close == std::string::npos ? std::string::npos : close - 1)),
                           number, {}});
      current = &sections_.back();
      continue;
    }
    if (!current) continue;  // before the first section: the profile functions never see it
    const size_t equals = line.find('=');
    std::string entry = line;
    if (equals != std::string::npos) entry = TrimBlanks(line.substr(0, equals)) + "=" + TrimBlanks(line.substr(equals + 1));
    current->lines.push_back({entry, number});
  }
}

const IniSection* IniText::Find(const std::string& name) const {
  for (const IniSection& s : sections_)
    if (SameNameIgnoringCase(s.name, name)) return &s;
  return nullptr;
}

bool IniText::Value(const std::string& section, const std::string& key, std::string* value, int* line) const {
  const IniSection* s = Find(section);
  if (!s) return false;
  for (const IniLine& l : s->lines) {
    const size_t equals = l.text.find('=');
    if (equals == std::string::npos || !SameNameIgnoringCase(l.text.substr(0, equals), key)) continue;
    *value = l.text.substr(equals + 1);
    if (line) *line = l.line;
    return true;
  }
  return false;
}
