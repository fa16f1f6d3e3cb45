#include "uninst/uninst_log.h"

#include <cstdarg>

#include "core/paths/path_ops.h"
#include "framework/text.h"

UninstallLog::~UninstallLog() {
  if (m_file != INVALID_HANDLE_VALUE) CloseHandle(m_file);
}

bool UninstallLog::Open(const std::string& path) {
  if (m_file != INVALID_HANDLE_VALUE) CloseHandle(m_file);
  m_file = CreateFileA(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL,
                       nullptr);
  return m_file != INVALID_HANDLE_VALUE;
}

void UninstallLog::Line(const char* format, ...) {
  va_list args;
  va_start(args, format);
  CString line;
  line.FormatV(format, args);
  va_end(args);
  m_lines.push_back(line.str());
  if (m_file == INVALID_HANDLE_VALUE) return;
  const std::string text = line.str() + "\r\n";
  DWORD written = 0;
  WriteFile(m_file, text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
}

std::string UninstallLogPath() {
  char buffer[MAX_PATH];
  const DWORD n = GetTempPathA(sizeof buffer, buffer);
  std::string path(buffer, n > 0 && n < sizeof buffer ? n : 0);
  if (path.empty()) path = "C:\\";
  return AppendPath(path, "VTUNINST.LOG");
}
