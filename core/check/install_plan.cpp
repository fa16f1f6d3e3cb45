#include "core/check/install_plan.h"

#include <cstdio>

#include "core/config/reg_rewrite.h"

const char kDefaultMainDir[] = "c:\\Corvane";

uint64_t InstallPlan::InstalledBytes() const {
  uint64_t bytes = 0;
  for (const PlanItem& i : items)
    if (i.kind == PlanItem::kFile && !i.software) bytes += i.size;
  return bytes;
}

void SetWindows95Tokens(TokenTable& tokens, const std::string& mainDir) {
  const std::string windows = "C:\\WINDOWS", startMenu = windows + "\\Start Menu";
  tokens.Set(tok::MAIN_DIR, mainDir);
  tokens.Set(tok::ACCESS_DIR, mainDir + "\\access");
  tokens.Set(tok::WINDOWS, windows);
  tokens.Set(tok::SYSTEM, windows + "\\SYSTEM");
  tokens.Set(tok::TEMP, windows + "\\TEMP");
  tokens.Set(tok::FAVORITES, windows + "\\Favorites");
  tokens.Set(tok::START_MENU, startMenu);
  tokens.Set(tok::PROGRAMS, startMenu + "\\Programs");
  tokens.Set(tok::DESKTOP, windows + "\\Desktop");
  tokens.Set(tok::STARTUP, startMenu + "\\Programs\\StartUp");
}

namespace {

std::string Trimmed(const std::string& s) {
  const size_t b = s.find_first_not_of(" \t");
  if (b == std::string::npos) return std::string();
  return s.substr(b, s.find_last_not_of(" \t") - b + 1);
}

// `"name"=value` or `@=value`: the name without its quotes ("@" for the
// key's default value) and the value as written. False for anything else.
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
    *name = line.substr(1, close - 1);
    eq = line.find_first_not_of(" \t", close + 1);
  }
  if (eq == std::string::npos || line[eq] != '=') return false;
  *value = Trimmed(line.substr(eq + 1));
  // A string is shown as it lands in the registry: quoted, its escapes
  // undone (dword: and hex: values stay as written).
  if (value->size() >= 2 && (*value)[0] == '"' && value->back() == '"') {
    std::string plain = "\"";
    for (size_t i = 1; i + 1 < value->size(); ++i) {
      if ((*value)[i] == '\\' && i + 2 < value->size()) ++i;
      plain += (*value)[i];
    }
    *value = plain + "\"";
  }
  return true;
}

}  // namespace

void PlanRegistryValues(const std::string& regText, const PlanItem& line, InstallPlan& plan) {
  std::string key, pending;
  const std::vector<std::string> lines = SplitRegFileLines(regText);
  for (size_t i = 1; i < lines.size(); ++i) {  // the first line is the header
    std::string text = Trimmed(lines[i]);
    // A value written over several lines ends each but the last with '\'.
    if (!pending.empty()) text = pending + text, pending.clear();
    if (!text.empty() && text.back() == '\\' && text[0] != '[') {
      pending = text.substr(0, text.size() - 1);
      continue;
    }
    if (text.empty() || text[0] == ';') continue;
    if (text[0] == '[') {
      key = text.substr(1, text.find(']') == std::string::npos ? std::string::npos : text.find(']') - 1);
      continue;
    }
    std::string name, value;
    if (key.empty() || key[0] == '-' || !SplitValueLine(text, &name, &value)) continue;
    PlanItem item = line;
    item.kind = PlanItem::kRegistry;
    item.path = key;
    item.detail = name + "=" + value;
    plan.items.push_back(item);
  }
}

std::string FormatPlanItem(const PlanItem& item) {
  static const char* const kKinds[] = {"file", "folder", "shortcut", "registry", "program"};
  const std::string size = item.kind == PlanItem::kFile ? std::to_string(item.size) : std::string();
  return std::string(kKinds[item.kind]) + "\t" + size + "\tdisk " + std::to_string(item.disk) + "\t" + item.path +
         "\t" + item.detail + "\tsetup.cfg:" + std::to_string(item.line) + (item.software ? (item.picked ? " software picked" : " software") : "");
}
