#include "duplicates.h"

std::string DuplicateNames::Key(const std::string& name) {
  std::string key = name;
  for (char& c : key) {
    if (c == '/') c = '\\';
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  }
  return key;
}

bool DuplicateNames::Add(const std::string& name, std::string& earlier) {
  auto placed = seen_.emplace(Key(name), name);
  if (placed.second) return true;
  earlier = placed.first->second;
  return false;
}
