#include "core/check/install_plan.h"

#include <cstdio>

#include "core/config/reg_values.h"

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

void PlanRegistryValues(const std::string& regText, const PlanItem& line, InstallPlan& plan) {
  for (const RegFileValue& v : ReadRegFileValues(regText).values) {
    PlanItem item = line;
    item.kind = PlanItem::kRegistry;
    item.path = v.key;
    item.detail = v.name + "=" + v.value;
    plan.items.push_back(item);
  }
}

std::string FormatPlanItem(const PlanItem& item) {
  static const char* const kKinds[] = {"file", "folder", "shortcut", "registry", "program"};
  const std::string size = item.kind == PlanItem::kFile ? std::to_string(item.size) : std::string();
  return std::string(kKinds[item.kind]) + "\t" + size + "\tdisk " + std::to_string(item.disk) + "\t" + item.path +
         "\t" + item.detail + "\tsetup.cfg:" + std::to_string(item.line) + (item.software ? (item.picked ? " software picked" : " software") : "");
}
