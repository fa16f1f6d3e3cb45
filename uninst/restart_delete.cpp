#include "uninst/restart_delete.h"

#include "core/record/wininit_text.h"
#include "core/paths/path_ops.h"

namespace {

std::string ShortPath(const std::string& path) {
  char buffer[MAX_PATH];
  const DWORD n = GetShortPathNameA(path.c_str(), buffer, sizeof buffer);
  return n > 0 && n < sizeof buffer ? std::string(buffer, n) : path;
}

bool IsWindowsNt() { return (GetVersion() & 0x80000000u) == 0; }

DWORD ReadWhole(const std::string& path, std::string* text) {
  const HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
  if (file == INVALID_HANDLE_VALUE) {
    const DWORD error = GetLastError();
    return error == ERROR_FILE_NOT_FOUND ? ERROR_SUCCESS : error;
  }
  char buffer[4096];
  DWORD got = 0;
  while (ReadFile(file, buffer, sizeof buffer, &got, nullptr) && got > 0) text->append(buffer, got);
  CloseHandle(file);
  return ERROR_SUCCESS;
}

DWORD WriteWhole(const std::string& path, const std::string& text) {
  const HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return GetLastError();
  DWORD written = 0;
  const BOOL ok = WriteFile(file, text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
  const DWORD error = !ok ? GetLastError() : written != text.size() ? ERROR_WRITE_FAULT : ERROR_SUCCESS;
  CloseHandle(file);
  return error;
}

}  // namespace

std::string SystemWininitPath() {
  char buffer[MAX_PATH];
  const UINT n = GetWindowsDirectoryA(buffer, sizeof buffer);
  std::string path(buffer, n < sizeof buffer ? n : 0);
  return AppendPath(path, kWininitFileName);
}

DWORD DeleteAtRestart(const std::vector<std::string>& paths, const std::string& wininitPath) {
  if (paths.empty()) return ERROR_SUCCESS;
  if (wininitPath.empty() && IsWindowsNt()) {
    DWORD first = ERROR_SUCCESS;
    for (const std::string& path : paths)
      if (!MoveFileExA(path.c_str(), nullptr, MOVEFILE_DELAY_UNTIL_REBOOT) && first == ERROR_SUCCESS)
        first = GetLastError();
    return first;
  }
  const std::string file = wininitPath.empty() ? SystemWininitPath() : wininitPath;
  std::vector<std::string> shortPaths;
  for (const std::string& path : paths) shortPaths.push_back(ShortPath(path));
  std::string text;
  const DWORD read = ReadWhole(file, &text);
  if (read != ERROR_SUCCESS) return read;  // never write over a file we could not read
  return WriteWhole(file, AddWininitDeletes(text, shortPaths));
}
