#include "uninst/removal_engine.h"

#include "core/paths/path_ops.h"
#include "framework/text.h"
#include "uninst/file_ops.h"
#include "uninst/restart_delete.h"
#include "uninst/texts.h"

namespace {

constexpr DWORD kRetryStepMs = 100;

std::string Formatted(const char* format, const std::string& what) {
  CString text;
  text.Format(format, what.c_str());
  return text.str();
}

std::string AddRemoveKey() { return std::string("HKEY_LOCAL_MACHINE\\") + kUninstallKey; }

}  // namespace

RemovalEngine::RemovalEngine(UninstallUi& ui, UninstallLog& log, const RemovalOptions& options)
    : m_ui(ui), m_log(log), m_options(options) {}

void RemovalEngine::Step(const std::string& item) {
  m_ui.Progress(m_done, m_total, Formatted(kProgressItem, item));
  ++m_done;
}

void RemovalEngine::FileRemoved(const std::string& path, DWORD waitMs) {
  RemovalOutcome outcome = DeleteOneFile(path);
  for (DWORD waited = 0; outcome.result == Removal::kInUse && waited < waitMs; waited += kRetryStepMs) {
    Sleep(kRetryStepMs);
    m_ui.Progress(m_done, m_total, Formatted(kProgressItem, path));  // keeps the window alive
    outcome = DeleteOneFile(path);
  }
  switch (outcome.result) {
    case Removal::kRemoved:
      ++m_result.files;
      m_log.Line(kLogRemoved, path.c_str());
      break;
    case Removal::kMissing: m_log.Line(kLogMissing, path.c_str()); break;
    case Removal::kInUse:
      m_result.atRestart.push_back(path);
      m_log.Line(kLogInUse, path.c_str());
      break;
    case Removal::kKept:
    case Removal::kFailed:
      ++m_result.failed;
      m_log.Line(kLogFailed, static_cast<int>(outcome.error), path.c_str());
      break;
  }
}

void RemovalEngine::RemoveRecordedFile(const PlannedFile& file) {
  Step(file.path);
  switch (CheckFile(file.path, file.size, file.crc)) {
    case FileState::kMissing: m_log.Line(kLogMissing, file.path.c_str()); return;
    case FileState::kSame: FileRemoved(file.path); return;
    case FileState::kUnreadable:
      // Held open by a program that is running: it is ours by its size,
      // and it can only go at the next start anyway.
      m_result.atRestart.push_back(file.path);
      m_log.Line(kLogUnchecked, file.path.c_str());
      return;
    case FileState::kChanged: break;
  }
  if (!m_ui.AskYesNo(Formatted(kChangedFileText, file.path))) {
    ++m_result.keptChanged;
    m_log.Line(kLogKeptChanged, file.path.c_str());
    return;
  }
  m_log.Line(kLogRemovedChanged, file.path.c_str());
  FileRemoved(file.path);
}

void RemovalEngine::RegistryRemoved(const RemovalOutcome& outcome, const std::string& key, const std::string& name) {
  const bool value = !name.empty();
  switch (outcome.result) {
    case Removal::kRemoved:
      ++m_result.registry;
      value ? m_log.Line(kLogRemovedValue, key.c_str(), name.c_str()) : m_log.Line(kLogRemoved, key.c_str());
      break;
    case Removal::kMissing:
      value ? m_log.Line(kLogMissingValue, key.c_str(), name.c_str()) : m_log.Line(kLogMissing, key.c_str());
      break;
    case Removal::kKept:
      ++m_result.keptRegistry;
      m_log.Line(kLogKeptKeyInUse, key.c_str());
      break;
    case Removal::kInUse:
    case Removal::kFailed:
      ++m_result.failed;
      const int error = static_cast<int>(outcome.error);
      value ? m_log.Line(kLogFailedValue, error, key.c_str(), name.c_str())
            : m_log.Line(kLogFailed, error, key.c_str());
      break;
  }
}

void RemovalEngine::ReportUnremoved(const UninstallPlan& plan) {
  for (const PlannedValue& v : plan.keptValues) m_log.Line(kLogKeptValue, v.key.c_str(), v.name.c_str());
  for (const std::string& key : plan.keptKeys) m_log.Line(kLogKeptKey, key.c_str());
  m_result.keptRegistry += static_cast<int>(plan.keptValues.size() + plan.keptKeys.size());
  for (const std::string& line : plan.installers) m_log.Line(kLogInstaller, line.c_str());
  m_result.installers = static_cast<int>(plan.installers.size());
  for (const RefusedEntry& r : plan.refused) {
    const char* format = r.why == RefusedWhy::kNotFullPath   ? kLogRefusedPath
                         : r.why == RefusedWhy::kUnknownRoot ? kLogRefusedRoot
                                                             : kLogRefusedShared;
    m_log.Line(format, r.what.c_str());
  }
  m_result.keptUntrusted = static_cast<int>(plan.refused.size());
}

void RemovalEngine::RemoveProgramsOwn() {
  std::string record = m_options.mainDir, uninstaller = m_options.mainDir;
  AppendPath(record, kRecordFileName);
  AppendPath(uninstaller, kUninstallerFileName);
  Step(record);
  FileRemoved(record);
  Step(uninstaller);
  FileRemoved(uninstaller, m_options.ownFileWaitMs);
  Step(kLogAddRemove);
  RegistryRemoved(DeleteRegTree(AddRemoveKey()), AddRemoveKey());
}

RemovalResult RemovalEngine::Run(const UninstallPlan& plan) {
  m_result = RemovalResult();
  m_done = 0;
  m_total = plan.StepCount() + 3;  // and the program's own three
  ReportUnremoved(plan);
  for (const PlannedFile& file : plan.files) RemoveRecordedFile(file);
  for (const std::string& path : plan.shortcuts) Step(path), FileRemoved(path);
  for (const std::string& path : plan.selfCopies) Step(path), FileRemoved(path);
  for (const PlannedValue& v : plan.values) Step(v.key), RegistryRemoved(DeleteRegValue(v.key, v.name), v.key, v.name);
  const std::string runOnce = std::string("HKEY_CURRENT_USER\\") + kRunOnceKey;
  for (const std::string& name : plan.runOnce) Step(name), RegistryRemoved(DeleteRegValue(runOnce, name), runOnce, name);
  for (const std::string& key : plan.productKeys) Step(key), RegistryRemoved(DeleteRegTree(key), key);
  for (const std::string& key : plan.keys) Step(key), RegistryRemoved(DeleteRegKeyIfEmpty(key), key);
  RemoveProgramsOwn();
  for (const std::string& folder : plan.folders) {
    Step(folder);
    const RemovalOutcome outcome = RemoveEmptyFolder(folder);
    if (outcome.result == Removal::kRemoved) {
      ++m_result.folders;
      m_log.Line(kLogRemoved, folder.c_str());
    } else if (outcome.result == Removal::kKept) {
      ++m_result.keptFolders;
      m_log.Line(kLogKeptFolder, folder.c_str());
    } else if (outcome.result == Removal::kMissing) {
      m_log.Line(kLogMissing, folder.c_str());
    } else {
      ++m_result.failed;
      m_log.Line(kLogFailed, static_cast<int>(outcome.error), folder.c_str());
    }
  }
  const DWORD scheduled = DeleteAtRestart(m_result.atRestart, m_options.wininitPath);
  if (scheduled != ERROR_SUCCESS) {
    for (const std::string& path : m_result.atRestart) m_log.Line(kLogRestartFailed, static_cast<int>(scheduled), path.c_str());
    m_result.failed += static_cast<int>(m_result.atRestart.size());
    m_result.atRestart.clear();
  }
  m_ui.Progress(m_total, m_total, std::string());
  return m_result;
}

std::string SummaryText(const RemovalResult& r, const std::string& logPath, bool logWritten) {
  CString text(kSummaryDone), line;
  line.Format(kSummaryRemoved, r.files, r.folders, r.registry);
  text += line;
  const struct {
    int count;
    const char* format;
  } parts[] = {
      {r.keptChanged, kSummaryKeptChanged}, {r.keptFolders, kSummaryKeptFolders},
      {r.keptRegistry, kSummaryKeptRegistry}, {r.keptUntrusted, kSummaryKeptUntrusted},
      {r.failed, kSummaryFailed}, {static_cast<int>(r.atRestart.size()), kSummaryRestart},
      {r.installers, kSummaryInstallers},
  };
  for (const auto& part : parts) {
    if (part.count == 0) continue;
    line.Format(part.format, part.count);
    text += line;
  }
  line.Format(logWritten ? kSummaryLog : kSummaryNoLog, logPath.c_str());
  text += line;
  return text.str();
}
