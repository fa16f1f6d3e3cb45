// The removal itself: works through an uninstall plan (core/record/
// uninstall_plan.h) on the real files and registry, asks through the
// UninstallUi, logs each thing removed or kept, and counts for the summary.
// No window of its own: the tests drive it with scripted answers.
//
// Order: files, shortcuts, the setup's own copies, registry values, run-once
// values, product trees, created keys (when empty), then the program's own:
// the record, the uninstaller and the Add/Remove Programs entry, and last
// the folders, deepest first, when empty.
#pragma once
#include <windows.h>

#include <string>
#include <vector>

#include "core/record/uninstall_plan.h"
#include "uninst/registry_ops.h"
#include "uninst/uninst_log.h"
#include "uninst/uninstall_ui.h"

struct RemovalOptions {
  std::string mainDir;      // {MAIN_DIR}: the record and the uninstaller are here
  std::string wininitPath;  // "" for the system's own way (restart_delete.h)
  // The uninstaller started this copy and may still be ending: how long its
  // file is tried again before it is left for the next start.
  DWORD ownFileWaitMs = 5000;
};

struct RemovalResult {
  int files = 0, folders = 0, registry = 0;  // removed
  int keptChanged = 0, keptFolders = 0, keptRegistry = 0, keptUntrusted = 0;
  int failed = 0;
  int installers = 0;                  // other installers, left in place
  std::vector<std::string> atRestart;  // deleted when Windows next starts
};

class RemovalEngine {
 public:
  RemovalEngine(UninstallUi& ui, UninstallLog& log, const RemovalOptions& options);
  RemovalResult Run(const UninstallPlan& plan);

 private:
  void Step(const std::string& item);
  void RemoveRecordedFile(const PlannedFile& file);
  // Counts and logs how a file's removal went; `wait`: retry while in use.
  void FileRemoved(const std::string& path, DWORD waitMs = 0);
  void RegistryRemoved(const RemovalOutcome& outcome, const std::string& key, const std::string& name = "");
  void ReportUnremoved(const UninstallPlan& plan);
  void RemoveProgramsOwn();

  UninstallUi& m_ui;
  UninstallLog& m_log;
  RemovalOptions m_options;
  RemovalResult m_result;
  size_t m_done = 0, m_total = 0;
};

// The summary message after a removal; `logWritten`: whether the log file
// at `logPath` could be written.
std::string SummaryText(const RemovalResult& result, const std::string& logPath, bool logWritten);
