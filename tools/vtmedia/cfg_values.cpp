#include "cfg_values.h"

#include "core/check/ini_text.h"

namespace {

struct TextLine {
  std::string body;  // without its line end
  std::string end;   // "\r\n", "\n" or "" (the last line)
};

std::vector<TextLine> SplitLines(const std::string& text) {
  std::vector<TextLine> lines;
  size_t start = 0;
  while (start < text.size()) {
    size_t nl = text.find('\n', start);
    if (nl == std::string::npos) {
      lines.push_back({text.substr(start), ""});
      break;
    }
    const bool cr = nl > start && text[nl - 1] == '\r';
    lines.push_back({text.substr(start, nl - start - (cr ? 1 : 0)), cr ? "\r\n" : "\n"});
    start = nl + 1;
  }
  return lines;
}

std::string Trim(const std::string& s) {
  size_t a = s.find_first_not_of(" \t"), b = s.find_last_not_of(" \t");
  return a == std::string::npos ? std::string() : s.substr(a, b - a + 1);
}

// The section a [header] line opens; empty for other lines.
std::string HeaderOf(const std::string& body) {
  std::string t = Trim(body);
  if (t.compare(0, 3, "\xEF\xBB\xBF") == 0) t = t.substr(3);  // a byte-order mark (the checker reports it)
  if (t.size() < 2 || t[0] != '[') return std::string();
  const size_t close = t.find(']');
  return close == std::string::npos ? std::string() : t.substr(1, close - 1);
}

bool IsKeyLine(const std::string& body, const std::string& key) {
  const size_t equals = body.find('=');
  return equals != std::string::npos && SameNameIgnoringCase(Trim(body.substr(0, equals)), key);
}

void Apply(std::vector<TextLine>& lines, const CfgOverride& v, const std::string& eol) {
  const std::string wanted = v.key + "=" + v.value;
  bool inSection = false;
  size_t lastOfSection = 0;
  bool found = false;
  for (size_t i = 0; i < lines.size(); ++i) {
    const std::string header = HeaderOf(lines[i].body);
    if (!header.empty()) {
      if (inSection) break;  // the first section of the name is the one read
      inSection = SameNameIgnoringCase(header, v.section);
      if (inSection) lastOfSection = i, found = true;
      continue;
    }
    if (!inSection) continue;
    if (IsKeyLine(lines[i].body, v.key)) {
      lines[i].body = wanted;
      return;
    }
    if (!Trim(lines[i].body).empty()) lastOfSection = i;
  }
  if (!lines.empty() && lines.back().end.empty()) lines.back().end = eol;
  if (found) {
    lines.insert(lines.begin() + static_cast<long>(lastOfSection) + 1, {wanted, eol});
  } else {
    lines.push_back({"[" + v.section + "]", eol});
    lines.push_back({wanted, eol});
  }
}

}  // namespace

std::string WithValues(const std::string& text, const std::vector<CfgOverride>& values) {
  std::vector<TextLine> lines = SplitLines(text);
  const std::string eol = text.find("\r\n") != std::string::npos ? "\r\n" : "\n";
  for (const CfgOverride& v : values) Apply(lines, v, eol);
  std::string out;
  for (const TextLine& l : lines) out += l.body + l.end;
  return out;
}
