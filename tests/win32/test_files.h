// Files and folders for the Win32 tests: scratch folders on C:, whole
// text files written and read back, Linux paths as Wine shows them.
#pragma once
#include <windows.h>
#include <shellapi.h>

#include <string>

// A Linux path as the programs under Wine see it: through drive Z:.
inline std::string FromLinux(const std::string& path) {
  std::string windows = "Z:" + path;
  for (char& c : windows)
    if (c == '/') c = '\\';
  return windows;
}

// Removes a folder and everything in it (nothing when it is not there).
inline void RemoveTree(const std::string& path) {
  std::string from = path;
  from.push_back('\0');  // the shell wants a double-NUL-terminated list
  SHFILEOPSTRUCTA op = {};
  op.wFunc = FO_DELETE;
  op.pFrom = from.c_str();
  op.fFlags = FOF_NOCONFIRMATION | FOF_SILENT | FOF_NOERRORUI;
  SHFileOperationA(&op);
}

// A scratch folder on C: for one test, removed with everything in it.
class ScratchDir {
 public:
  explicit ScratchDir(const std::string& name) : m_path("c:\\vttest\\" + name) {
    RemoveTree(m_path);
    CreateDirectoryA("c:\\vttest", nullptr);
    CreateDirectoryA(m_path.c_str(), nullptr);
  }
  ~ScratchDir() { RemoveTree(m_path); }
  const std::string& path() const { return m_path; }
  std::string operator/(const std::string& name) const { return m_path + "\\" + name; }

 private:
  std::string m_path;
};

inline bool WriteTextFile(const std::string& path, const std::string& text) {
  HANDLE f = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
  if (f == INVALID_HANDLE_VALUE) return false;
  DWORD written = 0;
  const BOOL ok = WriteFile(f, text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
  CloseHandle(f);
  return ok && written == text.size();
}

inline std::string ReadTextFile(const std::string& path) {
  HANDLE f = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                         OPEN_EXISTING, 0, nullptr);
  if (f == INVALID_HANDLE_VALUE) return std::string();
  std::string text;
  char buffer[4096];
  DWORD got = 0;
  while (ReadFile(f, buffer, sizeof buffer, &got, nullptr) && got > 0) text.append(buffer, got);
  CloseHandle(f);
  return text;
}
