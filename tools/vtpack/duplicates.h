// Entry names that the setup would take for the same file: Windows compares
// names without regard to case, and '/' and '\' are the same separator.
#pragma once
#include <map>
#include <string>

class DuplicateNames {
 public:
  // Records `name`; false, with the name it collides with in `earlier`,
  // when an earlier name means the same file.
  bool Add(const std::string& name, std::string& earlier);

  // The form two names share when they mean the same file.
  static std::string Key(const std::string& name);

 private:
  std::map<std::string, std::string> seen_;  // key -> first name with it
};
