#include "manifest.h"

#include <algorithm>
#include <cstdlib>
#include <initializer_list>
#include <utility>

#include "core/check/ini_text.h"

const char kManifestName[] = "vtmedia.ini";

namespace {

class Reader {
 public:
  Reader(const IniText& ini, std::vector<std::string>* errors) : ini_(ini), errors_(errors) {}

  void Fault(int line, const std::string& text) { faults_.push_back({line, text}); }

  // Every line of the section is one of `keys` (in any case); a misspelt
  // key would otherwise be dropped without a word.
  void OnlyKeys(const IniSection& s, std::initializer_list<const char*> keys) {
    for (const IniLine& l : s.lines) {
      const size_t equals = l.text.find('=');
      if (equals == std::string::npos) {
        Fault(l.line, "\"" + l.text + "\": KEY=VALUE is wanted");
        continue;
      }
      const std::string key = l.text.substr(0, equals);
      bool known = false;
      std::string list;
      for (const char* k : keys) {
        known = known || SameNameIgnoringCase(key, k);
        list += (list.empty() ? "" : ", ") + std::string(k);
      }
      if (!known) Fault(l.line, key + "= is not a key of [" + s.name + "]: " + list);
    }
  }

  // The faults in the order of their lines, those of the file as a whole
  // first.
  void Report() {
    std::stable_sort(faults_.begin(), faults_.end(),
                     [](const std::pair<int, std::string>& a, const std::pair<int, std::string>& b) {
                       return a.first < b.first;
                     });
    for (const auto& f : faults_)
      errors_->push_back(std::string(kManifestName) + (f.first > 0 ? ":" + std::to_string(f.first) : "") +
                         ": error: " + f.second);
  }
  bool Clean() const { return faults_.empty(); }

  // The key's value when present; `line` is set to its line.
  bool Text(const IniSection& s, const std::string& key, std::string* value, int* line = nullptr) {
    int at = 0;
    if (!ini_.Value(s.name, key, value, &at)) return false;
    if (line) *line = at;
    return true;
  }

  void Number(const IniSection& s, const std::string& key, long long low, long long high, long long* value) {
    std::string text;
    int line = 0;
    if (!Text(s, key, &text, &line)) return;
    char* end = nullptr;
    const long long v = std::strtoll(text.c_str(), &end, 10);
    if (text.empty() || *end != '\0' || v < low || v > high)
      return Fault(line, key + "=" + text + ": a number from " + std::to_string(low) + " to " +
                             std::to_string(high) + " is wanted");
    *value = v;
  }

  bool Flag(const IniSection& s, const std::string& key, bool fallback) {
    long long v = fallback ? 1 : 0;
    Number(s, key, 0, 1, &v);
    return v != 0;
  }

  // A folder or file below the source folder: relative, without "..".
  void Relative(int line, const std::string& key, const std::string& path) {
    if (path.empty() || path[0] == '\\' || path[0] == '/' || path.find(':') != std::string::npos ||
        path == ".." || path.find("..\\") != std::string::npos || path.find("../") != std::string::npos ||
        (path.size() > 2 && path.compare(path.size() - 3, 3, "\\..") == 0))
      Fault(line, key + "=" + path + ": a path below the source folder is wanted");
  }

  // A text with exactly one %d, for the disk number.
  void DiskText(const IniSection& s, const std::string& key, std::string* value) {
    int line = 0;
    if (!Text(s, key, value, &line)) return;
    const size_t at = value->find("%d");
    if (at == std::string::npos || value->find('%', at + 2) != std::string::npos ||
        value->find('%') != at)
      Fault(line, key + "=" + *value + ": the text needs one %d, for the disk number");
  }

 private:
  const IniText& ini_;
  std::vector<std::string>* errors_;
  std::vector<std::pair<int, std::string>> faults_;
};

void ReadMediaSection(Reader& r, const IniSection& s, MediaManifest* m) {
  r.OnlyKeys(s, {"CD", "Setup", "Volume", "Label", "Date", "Images", "Strip"});
  int line = 0;
  if (r.Text(s, "CD", &m->cdRoot, &line)) r.Relative(m->cdLine = line, "CD", m->cdRoot);
  if (r.Text(s, "Setup", &m->setup, &line) && !m->setup.empty()) r.Relative(m->setupLine = line, "Setup", m->setup);
  if (r.Text(s, "Volume", &m->volume, &line)) {
    bool ok = !m->volume.empty() && m->volume.size() <= 32;
    for (char c : m->volume) ok = ok && ((c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_' || c == ' ');
    if (!ok) r.Fault(line, "Volume=" + m->volume + ": at most 32 upper-case letters, digits, '_' and blanks");
  }
  r.Text(s, "Label", &m->label);
  r.Number(s, "Date", 315532800, 4102444799LL, &m->date);  // 1980 to 2099: what FAT dates hold
  r.Text(s, "Images", &m->images);
  m->cdStrip = r.Flag(s, "Strip", true);
}

void ReadArchive(Reader& r, const IniSection& s, MediaManifest* m) {
  ArchivePlan a;
  a.name = s.name.substr(8);
  a.line = s.line;
  while (!a.name.empty() && a.name[0] == ' ') a.name.erase(0, 1);
  if (a.name.empty()) return r.Fault(s.line, "[Archive] needs the archive's name: [Archive client.z]");
  r.OnlyKeys(s, {"Files", "Paths", "Literals", "Dictionary"});
  int line = 0;
  if (!r.Text(s, "Files", &a.files, &line))
    return r.Fault(s.line, "[" + s.name + "] needs Files=, the file or folder it packs");
  r.Relative(line, "Files", a.files);
  a.paths = r.Flag(s, "Paths", false);
  std::string literals = "binary";
  if (r.Text(s, "Literals", &literals, &line) && literals != "binary" && literals != "ascii")
    r.Fault(line, "Literals=" + literals + ": binary or ascii");
  a.encoder.literals = literals == "ascii" ? dcl::kLiteralsAscii : dcl::kLiteralsBinary;
  long long dictionary = 4096;
  r.Number(s, "Dictionary", 1024, 4096, &dictionary);
  if (dictionary != 1024 && dictionary != 2048 && dictionary != 4096) {
    r.Text(s, "Dictionary", &literals, &line);
    r.Fault(line, "Dictionary=" + literals + ": 1024, 2048 or 4096");
    dictionary = 4096;
  }
  a.encoder.dictionary_size = static_cast<int>(dictionary);
  m->archives.push_back(a);
}

std::vector<std::string> CommaList(const std::string& text) {
  std::vector<std::string> out;
  size_t start = 0;
  while (start <= text.size()) {
    size_t end = text.find(',', start);
    if (end == std::string::npos) end = text.size();
    std::string item = text.substr(start, end - start);
    while (!item.empty() && item[0] == ' ') item.erase(0, 1);
    while (!item.empty() && item.back() == ' ') item.pop_back();
    if (!item.empty()) out.push_back(item);
    start = end + 1;
  }
  return out;
}

void ReadFloppies(Reader& r, const IniSection& s, MediaManifest* m) {
  r.OnlyKeys(s, {"Disks", "Label", "Volume", "Disk1", "Strip"});
  long long disks = 0;
  r.Number(s, "Disks", 1, 9, &disks);  // the label files are qrm.d01 to qrm.d09
  m->disks = static_cast<int>(disks);
  if (m->disks == 0) r.Fault(s.line, "[Floppies] needs Disks=, the number of floppies (1 to 9)");
  r.DiskText(s, "Label", &m->diskLabel);
  r.DiskText(s, "Volume", &m->diskVolume);
  std::string list;
  int line = 0;
  if (r.Text(s, "Disk1", &list, &line)) {
    m->disk1 = CommaList(list);
    m->disk1Line = line;
    for (const std::string& f : m->disk1) r.Relative(line, "Disk1", f);
  }
  m->strip = r.Flag(s, "Strip", true);
}

void ReadOverrides(Reader& r, const IniSection& s, MediaManifest* m) {
  for (const IniLine& l : s.lines) {
    const size_t equals = l.text.find('=');
    const size_t dot = l.text.find('.');
    if (equals == std::string::npos || dot == std::string::npos || dot == 0 || dot + 1 >= equals) {
      r.Fault(l.line, "\"" + l.text + "\": SECTION.KEY=VALUE is wanted");
      continue;
    }
    m->overrides.push_back({l.text.substr(0, dot), l.text.substr(dot + 1, equals - dot - 1),
                            l.text.substr(equals + 1), l.line});
  }
}

// The manifest's comments: a line that starts with ';', and from a ';'
// after a blank to the end of a line ("CD=cd   ; the disc's root"). A ';'
// with no blank before it belongs to the value.
std::string WithoutComments(const std::string& text) {
  std::string out;
  size_t pos = 0;
  while (pos < text.size()) {
    size_t end = text.find('\n', pos);
    if (end == std::string::npos) end = text.size();
    std::string line = text.substr(pos, end - pos);
    for (size_t i = 1; i < line.size(); ++i)
      if (line[i] == ';' && (line[i - 1] == ' ' || line[i - 1] == '\t')) {
        line.erase(i);
        break;
      }
    out += line;
    if (end < text.size()) out += '\n';
    pos = end + 1;
  }
  return out;
}

}  // namespace

bool ReadManifest(const std::string& text, MediaManifest* m, std::vector<std::string>* errors) {
  const IniText ini(WithoutComments(text));
  Reader r(ini, errors);
  bool floppies = false;
  if (!ini.Find("Media")) r.Fault(0, "no [Media] section: the manifest says nothing of the disc");
  std::vector<std::string> seen;
  for (const IniSection& s : ini.sections()) {
    bool twice = false;
    for (const std::string& name : seen) twice = twice || SameNameIgnoringCase(name, s.name);
    seen.push_back(s.name);
    if (twice) {
      r.Fault(s.line, "[" + s.name + "] comes a second time: only the first is read");
    } else if (SameNameIgnoringCase(s.name, "Media")) {
      ReadMediaSection(r, s, m);
    } else if (SameNameIgnoringCase(s.name.substr(0, 8), "Archive ") || SameNameIgnoringCase(s.name, "Archive")) {
      ReadArchive(r, s, m);
    } else if (SameNameIgnoringCase(s.name, "Floppies")) {
      floppies = true;
      ReadFloppies(r, s, m);
    } else if (SameNameIgnoringCase(s.name, "Floppy setup.cfg")) {
      ReadOverrides(r, s, m);
    } else {
      r.Fault(s.line, "unknown section [" + s.name + "]: Media, Archive NAME, Floppies, Floppy setup.cfg");
    }
  }
  if (!m->overrides.empty() && !floppies)
    r.Fault(0, "[Floppy setup.cfg] without [Floppies]: there is no floppy set to change");
  r.Report();
  return r.Clean();
}
