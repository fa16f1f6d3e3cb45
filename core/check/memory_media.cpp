#include "core/check/memory_media.h"

#include <cctype>

namespace {

// Windows compares names without case; '/' and '\\' both separate.
std::string Key(std::string path) {
  for (char& c : path) c = c == '/' ? '\\' : static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  return path;
}

}  // namespace

void MemoryMedia::Put(int disk, const std::string& path, const std::string& text) {
  Put(disk, path, std::vector<uint8_t>(text.begin(), text.end()));
}

void MemoryMedia::Put(int disk, const std::string& path, std::vector<uint8_t> bytes) {
  if (disk >= 1 && disk <= DiskCount()) files_[disk - 1][Key(path)] = std::move(bytes);
}

const std::map<std::string, std::vector<uint8_t>>* MemoryMedia::Disk(int disk) const {
  return disk >= 1 && disk <= DiskCount() ? &files_[disk - 1] : nullptr;
}

bool MemoryMedia::Read(int disk, const std::string& path, std::vector<uint8_t>* bytes) const {
  const auto* files = Disk(disk);
  if (!files) return false;
  auto it = files->find(Key(path));
  if (it == files->end()) return false;
  *bytes = it->second;
  return true;
}

bool MemoryMedia::Exists(int disk, const std::string& path) const {
  const auto* files = Disk(disk);
  return files && files->count(Key(path)) != 0;
}

bool MemoryMedia::HasFolder(int disk, const std::string& path) const {
  const auto* files = Disk(disk);
  if (!files) return false;
  const std::string prefix = Key(path) + "\\";
  auto it = files->lower_bound(prefix);
  return it != files->end() && it->first.compare(0, prefix.size(), prefix) == 0;
}
