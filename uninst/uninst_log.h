// The uninstaller's log: one line a thing removed or kept, CR LF ends,
// written as it goes, so that what was done before a failure is known.
#pragma once
#include <windows.h>

#include <string>
#include <vector>

class UninstallLog {
 public:
  UninstallLog() = default;
  ~UninstallLog();
  UninstallLog(const UninstallLog&) = delete;
  UninstallLog& operator=(const UninstallLog&) = delete;

  // Starts the file at PATH afresh; false when it cannot be written (the
  // lines are still kept in memory).
  bool Open(const std::string& path);
  // printf-style (FormatText); the line end is added.
  void Line(const char* format, ...);
  const std::vector<std::string>& lines() const { return m_lines; }

 private:
  HANDLE m_file = INVALID_HANDLE_VALUE;
  std::vector<std::string> m_lines;
};

// VTUNINST.LOG in the temporary folder.
std::string UninstallLogPath();
