// Path text operations used everywhere in the setup program. Pure text: no
// file system access here (directory creation lives in the Win32 layer).
#pragma once
#include <string>
#include <string_view>

// Joins `name` to `path` in place with exactly one backslash between them and
// returns `path`. An empty name guarantees a trailing backslash.
std::string& AppendPath(std::string& path, std::string_view name);

// Cuts `path` in place at its last backslash (removing it), after turning
// every '/' into '\'. A path without a backslash stays as it is.
std::string& StripFileName(std::string& path);

// True when `path` starts with a drive letter, a colon and a backslash
// ('/' counts as '\'): the only form that directory creation accepts.
bool IsDriveRootedPath(std::string_view path);

// The prefixes of a drive-rooted path that name directories to create, in
// order: one for each backslash after the drive's, then the whole path.
// Empty for any other form.
template <typename Fn>
bool ForEachPathPrefix(std::string path, Fn&& create) {
  if (!IsDriveRootedPath(path)) return false;
  for (char& c : path)
    if (c == '/') c = '\\';
  for (size_t i = path.find('\\', 3); i != std::string::npos; i = path.find('\\', i + 1))
    if (!create(path.substr(0, i))) return false;
  return create(path);
}
