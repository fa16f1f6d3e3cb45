#include "core/record/wininit_text.h"

#include "core/check/ini_text.h"
#include "core/config/reg_rewrite.h"

namespace {

const char kRenameSection[] = "rename";
const char kDeleteKey[] = "NUL";

std::string Trimmed(const std::string& s) {
  const size_t first = s.find_first_not_of(" \t");
  if (first == std::string::npos) return std::string();
  return s.substr(first, s.find_last_not_of(" \t") - first + 1);
}

// The name of a "[name]" line, or false for any other line.
bool SectionName(const std::string& line, std::string* name) {
  const std::string t = Trimmed(line);
  if (t.size() < 2 || t.front() != '[') return false;
  const size_t close = t.find(']');
  if (close == std::string::npos) return false;
  *name = Trimmed(t.substr(1, close - 1));
  return true;
}

// The path of a "NUL=path" line, or false.
bool DeletedPath(const std::string& line, std::string* path) {
  const size_t equals = line.find('=');
  if (equals == std::string::npos || !SameNameIgnoringCase(Trimmed(line.substr(0, equals)), kDeleteKey))
    return false;
  *path = Trimmed(line.substr(equals + 1));
  return true;
}

}  // namespace

std::string AddWininitDeletes(const std::string& text, const std::vector<std::string>& shortPaths) {
  // Read as any DOS text file: CR LF or LF, up to an end-of-file mark.
  std::vector<std::string> lines = SplitRegFileLines(text);
  // Where the first section of that name is, and its last line that is not
  // blank: new lines go right after that, before any blank lines that part
  // it from the next section. NUL= lines of a second [rename] section count
  // as scheduled too: WININIT reads them all.
  const size_t none = lines.size();
  size_t header = none, insertAt = none;
  bool inRename = false, inFirst = false;
  std::vector<std::string> scheduled;
  for (size_t i = 0; i < lines.size(); ++i) {
    std::string name, path;
    if (SectionName(lines[i], &name)) {
      inRename = SameNameIgnoringCase(name, kRenameSection);
      inFirst = inRename && header == none;
      if (inFirst) header = insertAt = i;
      continue;
    }
    if (inFirst && !Trimmed(lines[i]).empty()) insertAt = i;
    if (inRename && DeletedPath(lines[i], &path)) scheduled.push_back(path);
  }
  std::vector<std::string> added;
  for (const std::string& path : shortPaths) {
    if (path.empty()) continue;
    bool known = false;
    for (const std::string& s : scheduled) known = known || SameNameIgnoringCase(s, path);
    if (known) continue;
    scheduled.push_back(path);
    added.push_back(std::string(kDeleteKey) + "=" + path);
  }
  if (header == none) {
    lines.push_back(std::string("[") + kRenameSection + "]");
    insertAt = lines.size() - 1;
  }
  lines.insert(lines.begin() + static_cast<std::ptrdiff_t>(insertAt + 1), added.begin(), added.end());
  std::string out;
  for (const std::string& line : lines) out += line + "\r\n";
  return out;
}
