#include "core/paths/path_ops.h"

std::string& AppendPath(std::string& path, std::string_view name) {
  const bool nameRooted = !name.empty() && name.front() == '\\';
  if (path.empty() || path.back() != '\\') {
    if (name.empty() || !nameRooted) path += '\\';
  } else if (nameRooted) {
    path.pop_back();
  }
  path.append(name.data(), name.size());
  return path;
}

std::string& StripFileName(std::string& path) {
  for (char& c : path)
    if (c == '/') c = '\\';
  const size_t cut = path.rfind('\\');
  if (cut != std::string::npos) path.erase(cut);
  return path;
}

bool IsDriveRootedPath(std::string_view path) {
  const size_t slash = path.find_first_of("\\/");
  return slash == 2 && path[1] == ':';
}
