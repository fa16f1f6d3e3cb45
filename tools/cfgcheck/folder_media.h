// The media checker's view of media on this machine: disk N is the Nth
// folder given (a CD is one folder). Names are found in any case, as
// Windows finds them on the disc.
#pragma once
#include <string>
#include <vector>

#include "core/check/media_check.h"

// The host path of a media path (parts separated by '\\' or '/') below the
// host folder `root`, each part found in any case; empty when it is not
// there or leaves the folder (".."). Also used by the media builder.
std::string FindMediaPath(const std::string& root, const std::string& path);

// A disc whose root holds the launcher (cdmenu.exe): the launcher's targets
// (Brightwall\Setup.exe, Pw\Setup.exe, ...) that are not on it, each as a
// warning's text; none when the root has no launcher.
std::vector<std::string> LauncherTargetsMissing(const std::string& cdRoot);

class FolderMedia : public MediaView {
 public:
  explicit FolderMedia(std::vector<std::string> disks) : disks_(std::move(disks)) {}
  int DiskCount() const override { return static_cast<int>(disks_.size()); }
  bool Read(int disk, const std::string& path, std::vector<uint8_t>* bytes) const override;
  bool Exists(int disk, const std::string& path) const override;
  bool HasFolder(int disk, const std::string& path) const override;

 private:
  // The host path of a media path on a disk; empty when it is not there.
  std::string Resolve(int disk, const std::string& path) const;
  std::vector<std::string> disks_;
};
