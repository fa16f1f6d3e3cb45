#include "setup/engine/reg_file_writer.h"

#include <windows.h>

#include <vector>

#include "core/log/log_sink.h"

namespace {

int CauseOf(DWORD error) {
  switch (error) {
    case ERROR_FILE_NOT_FOUND: return CRegFileWriter::kFileNotFound;
    case ERROR_PATH_NOT_FOUND:
    case ERROR_INVALID_NAME: return CRegFileWriter::kBadPath;
    case ERROR_TOO_MANY_OPEN_FILES: return CRegFileWriter::kTooManyOpenFiles;
    case ERROR_ACCESS_DENIED: return CRegFileWriter::kAccessDenied;
    case ERROR_SHARING_VIOLATION: return CRegFileWriter::kSharingViolation;
    case ERROR_LOCK_VIOLATION: return CRegFileWriter::kLockViolation;
    default: return CRegFileWriter::kGeneric;
  }
}

class FileHandle {
 public:
  explicit FileHandle(HANDLE h) : m_h(h) {}
  ~FileHandle() {
    if (valid()) CloseHandle(m_h);
  }
  bool valid() const { return m_h != INVALID_HANDLE_VALUE; }
  HANDLE get() const { return m_h; }

 private:
  HANDLE m_h;
};

}  // namespace

CRegFileWriter::CRegFileWriter(const std::string& path, const TokenTable& tokens)
    : m_strPath(path), m_tokens(tokens.Snapshot()) {}

int CRegFileWriter::Rewrite() {
  if (m_strPath.empty()) return kDone;
  FileHandle file(CreateFileA(m_strPath.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr,
                              OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file.valid()) return CauseOf(GetLastError());
  const DWORD size = GetFileSize(file.get(), nullptr);
  if (size == INVALID_FILE_SIZE) return CauseOf(GetLastError());
  if (size == 0) return kEmptyFile;
  std::string bytes(size, '\0');
  DWORD got = 0;
  if (!ReadFile(file.get(), &bytes[0], size, &got, nullptr)) return CauseOf(GetLastError());
  bytes.resize(got);

  bool bounded = false;
  const std::string out = RewriteRegFile(bytes, m_tokens, &bounded);
  if (bounded)
    LogPrintf("CRegFileWriter: a token in %s holds its own name; replaced %d times per line\n",
              m_strPath.c_str(), kMaxRegReplacementsPerLine);
  DWORD written = 0;
  if (SetFilePointer(file.get(), 0, nullptr, FILE_BEGIN) == INVALID_SET_FILE_POINTER ||
      !SetEndOfFile(file.get()) ||
      !WriteFile(file.get(), out.data(), static_cast<DWORD>(out.size()), &written, nullptr) ||
      written != out.size())
    return CauseOf(GetLastError());
  return kDone;
}

int RunRegistryEditor(const std::string& path) {
  const bool quote = path.find(' ') != std::string::npos && path.front() != '"';
  std::string command = "REGEDIT.EXE /s " + (quote ? "\"" + path + "\"" : path);
  std::vector<char> line(command.begin(), command.end());
  line.push_back('\0');
  STARTUPINFOA start{};
  start.cb = sizeof start;
  PROCESS_INFORMATION process{};
  if (!CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &start,
                      &process))
    return 0;
  CloseHandle(process.hThread);
  WaitForSingleObject(process.hProcess, INFINITE);
  CloseHandle(process.hProcess);
  return 0;
}
