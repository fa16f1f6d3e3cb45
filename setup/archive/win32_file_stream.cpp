#include "setup/archive/win32_file_stream.h"

Win32FileSource::Win32FileSource(HANDLE file) : file_(file) {
  DWORD high = 0;
  DWORD low = GetFileSize(file, &high);
  if (low != INVALID_FILE_SIZE || GetLastError() == NO_ERROR) size_ = uint64_t(high) << 32 | low;
}

bool Win32FileSource::Seek(uint64_t offset) {
  if (offset > size_) return false;
  LONG high = LONG(offset >> 32);
  DWORD low = SetFilePointer(file_, LONG(offset & 0xFFFFFFFFu), &high, FILE_BEGIN);
  if (low == INVALID_SET_FILE_POINTER && GetLastError() != NO_ERROR) return false;
  pos_ = offset;
  return true;
}

size_t Win32FileSource::Read(void* into, size_t count) {
  DWORD got = 0;
  if (!count || !ReadFile(file_, into, DWORD(count), &got, nullptr)) return 0;
  pos_ += got;
  return got;
}

bool Win32FileSink::Write(const void* data, size_t count) {
  DWORD written = 0;
  return WriteFile(file_, data, DWORD(count), &written, nullptr) && written == count;
}
