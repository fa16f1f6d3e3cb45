#include "setup/paths/file_copy.h"

namespace {

const char kPartialSuffix[] = ".~vt";
const char kAsideSuffix[] = ".~vo";
FileRenameFn g_rename = nullptr;

bool Rename(const std::string& from, const std::string& to) {
  return (g_rename ? g_rename : MoveFileA)(from.c_str(), to.c_str()) != FALSE;
}

bool Exists(const std::string& path) { return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

}  // namespace

bool IsReadOnlyFile(const std::string& path) {
  const DWORD attributes = GetFileAttributesA(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY) &&
         !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

std::string PartialPath(const std::string& destination) {
  if (destination.size() + sizeof kPartialSuffix - 1 >= MAX_PATH) return std::string();
  return destination + kPartialSuffix;
}

DWORD ProbeOverwrite(const std::string& destination) {
  // Windows 95 creates no file whose path passes the limit; Wine would.
  if (destination.size() >= MAX_PATH) return ERROR_FILENAME_EXCED_RANGE;
  if (!Exists(destination)) return ERROR_SUCCESS;
  if (IsReadOnlyFile(destination)) return ERROR_ACCESS_DENIED;
  // Opened as an overwrite would open it, and closed again untouched.
  const HANDLE h = CreateFileA(destination.c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                               OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (h == INVALID_HANDLE_VALUE) return GetLastError();
  CloseHandle(h);
  return ERROR_SUCCESS;
}

void SetFileRenameForTests(FileRenameFn rename) { g_rename = rename; }

DWORD PutInPlace(const std::string& partial, const std::string& destination) {
  std::string aside;
  if (Exists(destination)) {
    // A name at the path limit has no room for the suffix: the old file is
    // then deleted first, as nothing else can make room.
    const bool roomAside = destination.size() + sizeof kAsideSuffix - 1 < MAX_PATH;
    if (roomAside) {
      aside = destination + kAsideSuffix;
      DeleteFileA(aside.c_str());  // left by a run cut off here
    }
    if (roomAside ? !Rename(destination, aside) : !DeleteFileA(destination.c_str())) {
      // Another program opened it after the probe: it is in use.
      const DWORD error = GetLastError();
      DeleteFileA(partial.c_str());
      return Exists(destination) ? ERROR_SHARING_VIOLATION : error;
    }
  }
  if (Rename(partial, destination)) {
    if (!aside.empty()) DeleteFileA(aside.c_str());
    return ERROR_SUCCESS;
  }
  const DWORD error = GetLastError();
  DeleteFileA(partial.c_str());
  if (!aside.empty()) Rename(aside, destination);
  return error;
}

DWORD CopyOverwriting(const std::string& source, const std::string& destination) {
  if (const DWORD busy = ProbeOverwrite(destination)) return busy;
  const std::string partial = PartialPath(destination);
  const std::string& target = partial.empty() ? destination : partial;
  if (!CopyFileA(source.c_str(), target.c_str(), FALSE)) {
    const DWORD error = GetLastError();
    if (!partial.empty()) DeleteFileA(partial.c_str());
    return error;
  }
  const DWORD attributes = GetFileAttributesA(source.c_str());
  if (attributes != INVALID_FILE_ATTRIBUTES)
    SetFileAttributesA(target.c_str(), attributes & ~static_cast<DWORD>(FILE_ATTRIBUTE_READONLY));
  return partial.empty() ? ERROR_SUCCESS : PutInPlace(partial, destination);
}
