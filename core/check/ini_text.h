// setup.cfg and setup.ini as the profile functions read them, with the line
// each entry came from, for the media checker: sections by name (any case,
// the first of a name wins), their lines with blanks trimmed, comments
// (';') and empty lines left out.
#pragma once
#include <string>
#include <vector>

struct IniLine {
  std::string text;  // trimmed, as a section read returns it
  int line = 0;      // 1-based line number in the file
};

struct IniSection {
  std::string name;
  int line = 0;  // of the [header]
  std::vector<IniLine> lines;
};

class IniText {
 public:
  explicit IniText(const std::string& text);
  // NULL when there is no section of that name.
  const IniSection* Find(const std::string& name) const;
  // The value of KEY= in the section (trimmed), as the profile string call
  // gives it; false when the section or the key is missing.
  bool Value(const std::string& section, const std::string& key, std::string* value, int* line = nullptr) const;
  const std::vector<IniSection>& sections() const { return sections_; }

 private:
  std::vector<IniSection> sections_;
};

bool SameNameIgnoringCase(const std::string& a, const std::string& b);
