#include "core/config/reg_rewrite.h"

bool IsRegedit4Header(const std::string& firstLine) {
  return firstLine.find("REGEDIT4") != std::string::npos;
}

std::string RewriteRegLine(const std::string& line, const RegTokens& tokens, bool regedit4,
                           bool* bounded) {
  std::string out = line;
  for (const auto& [name, value] : tokens) {
    if (name.empty()) continue;
    std::string replacement;
    if (regedit4) {
      for (char c : value) {
        replacement.push_back(c);
        if (c == '\\') replacement.push_back('\\');
      }
    } else {
      replacement = value;
    }
    // Each search starts again at the front of the line, so text that a
    // replacement put there is searched too; the bound ends a value that
    // brings its own token back.
    int count = 0;
    for (size_t at = out.find(name); at != std::string::npos; at = out.find(name)) {
      if (count++ == kMaxRegReplacementsPerLine) {
        if (bounded) *bounded = true;
        break;
      }
      out.replace(at, name.size(), replacement);
    }
  }
  return out;
}

std::vector<std::string> SplitRegFileLines(const std::string& bytes) {
  const std::string text = bytes.substr(0, bytes.find('\x1A'));
  std::vector<std::string> lines;
  size_t start = 0;
  while (start < text.size()) {
    size_t end = text.find('\n', start);
    if (end == std::string::npos) end = text.size();
    std::string line = text.substr(start, end - start);
    if (!line.empty() && line.back() == '\r') line.pop_back();
    lines.push_back(std::move(line));
    start = end + 1;
  }
  return lines;
}

std::string RewriteRegFile(const std::string& bytes, const RegTokens& tokens, bool* bounded) {
  const std::vector<std::string> lines = SplitRegFileLines(bytes);
  const bool regedit4 = !lines.empty() && IsRegedit4Header(lines.front());
  std::string out;
  for (const std::string& line : lines) {
    out += RewriteRegLine(line, tokens, regedit4, bounded);
    out += "\r\n";
  }
  return out;
}
