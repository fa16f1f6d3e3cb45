#include "folder_media.h"

#include <sys/stat.h>

#include <cstdio>

#include "core/launcher/launch_menu.h"

#ifdef _WIN32
#include <windows.h>
#else
#include <dirent.h>
#include <strings.h>
#endif

namespace {

bool IsFile(const std::string& path) {
  struct stat st;
  return stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

bool IsFolder(const std::string& path) {
  struct stat st;
  return stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

// The entry of `folder` named `name` in any case; empty when none.
std::string FindEntry(const std::string& folder, const std::string& name) {
#ifdef _WIN32
  const std::string path = folder + "\\" + name;
  return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES ? path : std::string();
#else
  const std::string exact = folder + "/" + name;
  struct stat st;
  if (stat(exact.c_str(), &st) == 0) return exact;
  DIR* dir = opendir(folder.c_str());
  if (!dir) return std::string();
  std::string found;
  while (dirent* e = readdir(dir)) {
    if (strcasecmp(e->d_name, name.c_str()) == 0) {
      found = folder + "/" + e->d_name;
      break;
    }
  }
  closedir(dir);
  return found;
#endif
}

}  // namespace

std::string FindMediaPath(const std::string& root, const std::string& path) {
  std::string host = root;
  size_t start = 0;
  while (start <= path.size()) {
    size_t end = path.find_first_of("\\/", start);
    if (end == std::string::npos) end = path.size();
    const std::string part = path.substr(start, end - start);
    start = end + 1;
    if (part.empty() || part == ".") continue;
    if (part == "..") return std::string();  // the checker looks on the media only
    host = FindEntry(host, part);
    if (host.empty()) return host;
  }
  return host;
}

std::vector<std::string> LauncherTargetsMissing(const std::string& cdRoot) {
  std::vector<std::string> missing;
  if (FindMediaPath(cdRoot, "cdmenu.exe").empty()) return missing;
  for (int id = 0; id < kLaunchButtons; ++id) {
    const char* target = TargetOf(id);
    if (target && FindMediaPath(cdRoot, target).empty())
      missing.push_back(std::string("the launcher starts ") + target + ", which is not on the CD" +
                        (id == 0 ? ": the setup's folder on the disc must be Brightwall" : ": its button does nothing"));
  }
  return missing;
}

std::string FolderMedia::Resolve(int disk, const std::string& path) const {
  if (disk < 1 || disk > DiskCount()) return std::string();
  return FindMediaPath(disks_[disk - 1], path);
}

bool FolderMedia::Exists(int disk, const std::string& path) const {
  const std::string host = Resolve(disk, path);
  return !host.empty() && IsFile(host);
}

bool FolderMedia::HasFolder(int disk, const std::string& path) const {
  const std::string host = Resolve(disk, path);
  return !host.empty() && IsFolder(host);
}

bool FolderMedia::Read(int disk, const std::string& path, std::vector<uint8_t>* bytes) const {
  const std::string host = Resolve(disk, path);
  if (host.empty() || !IsFile(host)) return false;
  std::FILE* f = std::fopen(host.c_str(), "rb");
  if (!f) return false;
  bytes->clear();
  unsigned char buffer[65536];
  size_t n;
  while ((n = std::fread(buffer, 1, sizeof buffer, f)) > 0) bytes->insert(bytes->end(), buffer, buffer + n);
  const bool ok = !std::ferror(f);
  std::fclose(f);
  return ok;
}
