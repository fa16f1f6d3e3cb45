#include "setup/paths/file_paths.h"

#include <windows.h>

#include "setup/record/install_recorder.h"

int CreatePath(const std::string& path) {
  return ForEachPathPrefix(path, [](const std::string& dir) {
           if (CreateDirectoryA(dir.c_str(), nullptr)) {
             RecordFolder(dir);
             return true;
           }
           return GetLastError() == ERROR_ALREADY_EXISTS;
         })
             ? 1
             : 0;
}

bool FileExistsIn(const std::string& name, const std::string& dir) {
  if (name.empty()) return false;
  std::string candidate = dir;
  if (dir.empty())
    candidate = name;
  else
    AppendPath(candidate, name);
  return GetFileAttributesA(candidate.c_str()) != INVALID_FILE_ATTRIBUTES;
}
