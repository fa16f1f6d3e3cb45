#include "setup/paths/file_copy.h"

bool IsReadOnlyFile(const std::string& path) {
  const DWORD attributes = GetFileAttributesA(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY) &&
         !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

DWORD CopyOverwriting(const std::string& source, const std::string& destination) {
  if (IsReadOnlyFile(destination)) return ERROR_ACCESS_DENIED;
  if (!CopyFileA(source.c_str(), destination.c_str(), FALSE)) return GetLastError();
  const DWORD attributes = GetFileAttributesA(source.c_str());
  if (attributes != INVALID_FILE_ATTRIBUTES)
    SetFileAttributesA(destination.c_str(), attributes & ~static_cast<DWORD>(FILE_ATTRIBUTE_READONLY));
  return ERROR_SUCCESS;
}
