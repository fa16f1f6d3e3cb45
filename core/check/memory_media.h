// Media held in memory, for the checker's tests and fuzzing, and for tools
// that check media before they write them: files by disk and path, names
// compared without case.
#pragma once
#include <map>
#include <string>
#include <vector>

#include "core/check/media_check.h"

class MemoryMedia : public MediaView {
 public:
  explicit MemoryMedia(int disks = 1) : files_(disks < 1 ? 1 : disks) {}
  void Put(int disk, const std::string& path, const std::string& text);
  void Put(int disk, const std::string& path, std::vector<uint8_t> bytes);
  int DiskCount() const override { return static_cast<int>(files_.size()); }
  bool Read(int disk, const std::string& path, std::vector<uint8_t>* bytes) const override;
  bool Exists(int disk, const std::string& path) const override;
  bool HasFolder(int disk, const std::string& path) const override;

 private:
  const std::map<std::string, std::vector<uint8_t>>* Disk(int disk) const;
  std::vector<std::map<std::string, std::vector<uint8_t>>> files_;
};
