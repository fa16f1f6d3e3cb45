#include "uninst/file_ops.h"

#include "core/record/install_record.h"

namespace {

bool Exists(const std::string& path, WIN32_FIND_DATAA* data) {
  const HANDLE find = FindFirstFileA(path.c_str(), data);
  if (find == INVALID_HANDLE_VALUE) return false;
  FindClose(find);
  return true;
}

uint64_t SizeOf(const WIN32_FIND_DATAA& data) {
  return static_cast<uint64_t>(data.nFileSizeHigh) << 32 | data.nFileSizeLow;
}

bool InUseError(DWORD error) {
  return error == ERROR_SHARING_VIOLATION || error == ERROR_ACCESS_DENIED || error == ERROR_LOCK_VIOLATION;
}

}  // namespace

FileState CheckFile(const std::string& path, uint64_t size, uint32_t crc) {
  WIN32_FIND_DATAA data;
  if (!Exists(path, &data) || (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) return FileState::kMissing;
  if (SizeOf(data) != size) return FileState::kChanged;
  const HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                  OPEN_EXISTING, FILE_FLAG_SEQUENTIAL_SCAN, nullptr);
  if (file == INVALID_HANDLE_VALUE) return FileState::kUnreadable;
  uint32_t sum = 0;
  uint64_t read = 0;
  static char buffer[32768];
  DWORD got = 0;
  while (ReadFile(file, buffer, sizeof buffer, &got, nullptr) && got > 0) {
    sum = Crc32(buffer, got, sum);
    read += got;
  }
  CloseHandle(file);
  return read == size && sum == crc ? FileState::kSame : FileState::kChanged;
}

RemovalOutcome DeleteOneFile(const std::string& path) {
  if (DeleteFileA(path.c_str())) return {Removal::kRemoved, 0};
  DWORD error = GetLastError();
  WIN32_FIND_DATAA data;
  if (!Exists(path, &data)) return {Removal::kMissing, 0};
  if (data.dwFileAttributes & FILE_ATTRIBUTE_READONLY) {
    SetFileAttributesA(path.c_str(), data.dwFileAttributes & ~FILE_ATTRIBUTE_READONLY);
    if (DeleteFileA(path.c_str())) return {Removal::kRemoved, 0};
    error = GetLastError();
  }
  if (InUseError(error)) return {Removal::kInUse, error};
  return {Removal::kFailed, error};
}

RemovalOutcome RemoveEmptyFolder(const std::string& path) {
  if (RemoveDirectoryA(path.c_str())) return {Removal::kRemoved, 0};
  const DWORD error = GetLastError();
  const DWORD attributes = GetFileAttributesA(path.c_str());
  if (attributes == INVALID_FILE_ATTRIBUTES) return {Removal::kMissing, 0};
  if (!(attributes & FILE_ATTRIBUTE_DIRECTORY)) return {Removal::kFailed, ERROR_DIRECTORY};
  // Windows 95 says access denied for a folder that is not empty, NT says
  // so in words: either way, what is left in it is not ours to take.
  if (error == ERROR_DIR_NOT_EMPTY || error == ERROR_ACCESS_DENIED) return {Removal::kKept, error};
  return {Removal::kFailed, error};
}
