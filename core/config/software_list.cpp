#include "core/config/software_list.h"

#include <algorithm>

#include "core/config/instruction.h"
#include "core/config/instruction_args.h"
#include "core/paths/path_ops.h"

MarkedSoftwareLine TakeSoftwareMarker(const std::string& raw, bool continueOrUpdate) {
  MarkedSoftwareLine m{raw, SW_NOT_SELECTED};
  if (!raw.empty() && (raw[0] == '*' || raw[0] == '@')) {
    m.state = raw[0] == '@' ? SW_ALWAYS : continueOrUpdate ? SW_NOT_SELECTED : SW_SELECTED;
    m.line[0] = ' ';
  }
  m.line.erase(0, m.line.find_first_not_of(' '));
  if (m.line.find_first_not_of(' ') == std::string::npos) m.line.clear();
  return m;
}

std::string SoftwareName(const std::string& line) { return line.substr(0, line.find('=')); }

std::string SoftwareDescription(const std::string& line) {
  const size_t comma = line.rfind(',');
  std::string text = comma == std::string::npos ? std::string() : line.substr(comma + 1);
  std::replace(text.begin(), text.end(), '~', ',');
  return text;
}

std::string SoftwareNeeds(int kind, const std::string& key, const std::string& arguments,
                          const std::string& srcDir) {
  if (kind == VTCFG_SECTION) {
    std::string path = srcDir;
    return AppendPath(path, SectionNameOf(key, arguments));
  }
  if (kind == VTCFG_EXECUTE && !arguments.empty()) {
    std::string program = arguments.substr(1);
    program = program.substr(0, program.find(','));
    return program.substr(0, program.find(' '));
  }
  return std::string();
}
