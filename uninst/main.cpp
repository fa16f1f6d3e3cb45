// vtuninst: takes away what Vantora's setup recorded in INSTALL.REC, and
// nothing else.
//
// Command line:
//   (none)        the record beside this program; asks before it starts
//   /run FOLDER   the temporary copy at work: the record is in FOLDER
//                 (the rest of the line, blanks and all); asks nothing more
//
// Windows cannot delete a program that is running, nor the folder it is
// in. So the program in {MAIN_DIR} only asks, copies itself to the
// temporary folder, starts the copy and ends; the copy removes everything,
// {MAIN_DIR} included, and leaves itself to WININIT.INI.
#include <windows.h>

#include <commctrl.h>

#include "core/paths/path_ops.h"
#include "core/record/install_record.h"
#include "core/record/uninstall_plan.h"
#include "framework/text.h"
#include "uninst/removal_engine.h"
#include "uninst/restart_delete.h"
#include "uninst/texts.h"
#include "uninst/window_ui.h"

namespace {

constexpr int kExitDone = 0;        // removed, or the user said No
constexpr int kExitNoRecord = 1;    // no record, or one that cannot be read

const char kRunSwitch[] = "/run";

std::string ProgramPath() {
  char buffer[MAX_PATH];
  const DWORD n = GetModuleFileNameA(nullptr, buffer, sizeof buffer);
  return std::string(buffer, n < sizeof buffer ? n : 0);
}

std::string Trimmed(const std::string& s) {
  const size_t first = s.find_first_not_of(" \t\"");
  if (first == std::string::npos) return std::string();
  return s.substr(first, s.find_last_not_of(" \t\"") - first + 1);
}

// The folder after "/run", or false when the line does not start with it.
bool RunFolder(const std::string& line, std::string* folder) {
  const std::string head = line.substr(0, sizeof kRunSwitch - 1);
  if (lstrcmpiA(head.c_str(), kRunSwitch) != 0) return false;
  if (line.size() > head.size() && line[head.size()] != ' ' && line[head.size()] != '\t') return false;
  *folder = Trimmed(line.substr(head.size()));
  return !folder->empty();
}

bool ReadWholeFile(const std::string& path, std::string* text) {
  const HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  char buffer[8192];
  DWORD got = 0;
  bool ok = true;
  while ((ok = ReadFile(file, buffer, sizeof buffer, &got, nullptr) != FALSE) && got > 0) text->append(buffer, got);
  CloseHandle(file);
  return ok;
}

std::string Formatted(const char* format, const std::string& what) {
  CString text;
  text.Format(format, what.c_str());
  return text.str();
}

// No record: only the Add/Remove Programs entry may go, if the user wants.
int OfferListRemoval(WindowUi& ui, const std::string& recordPath) {
  if (ui.Message(Formatted(kNoRecordText, recordPath), MB_YESNO | MB_ICONSTOP | MB_DEFBUTTON2) == IDYES) {
    const RemovalOutcome outcome = DeleteRegTree(std::string("HKEY_LOCAL_MACHINE\\") + kUninstallKey);
    const bool gone = outcome.result == Removal::kRemoved || outcome.result == Removal::kMissing;
    ui.Message(gone ? kEntryRemovedText : kEntryNotRemovedText, MB_OK | (gone ? MB_ICONINFORMATION : MB_ICONEXCLAMATION));
  }
  return kExitNoRecord;
}

// The copy in the temporary folder, named like a program so that it runs.
bool CopyToTemp(std::string* copy) {
  char folder[MAX_PATH], name[MAX_PATH];
  const DWORD n = GetTempPathA(sizeof folder, folder);
  if (n == 0 || n >= sizeof folder) return false;
  *copy = folder;  // what the message names when the copy cannot be made
  if (!GetTempFileNameA(folder, "VTU", 0, name)) return false;
  // GetTempFileName made NAME.TMP to reserve the name; the copy is NAME.EXE.
  std::string reserved = name;
  *copy = reserved.substr(0, reserved.rfind('.')) + ".EXE";
  const bool copied = CopyFileA(ProgramPath().c_str(), copy->c_str(), FALSE) != FALSE;
  DeleteFileA(reserved.c_str());
  return copied;
}

bool StartCopy(const std::string& copy, const std::string& mainDir) {
  std::string line = "\"" + copy + "\" " + kRunSwitch + " " + mainDir;
  STARTUPINFOA startup = {};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process = {};
  if (!CreateProcessA(copy.c_str(), &line[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process))
    return false;
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  return true;
}

// The first run: ask, hand over to the copy, end.
int AskAndHandOver(WindowUi& ui, const RecordRead& record, const std::string& mainDir, const std::string& recordPath) {
  CString question;
  if (record.state == RecordState::kDamaged) question.Format(kDamagedNote, record.badLine);
  question += Formatted(kConfirmText, recordPath);
  if (ui.Message(question.str(), MB_YESNO | MB_ICONQUESTION | MB_DEFBUTTON2) != IDYES) return kExitDone;
  std::string copy;
  if (!CopyToTemp(&copy)) {
    ui.Message(Formatted(kCopyFailedText, copy), MB_OK | MB_ICONSTOP);
    return kExitDone;
  }
  if (!StartCopy(copy, mainDir)) {
    DeleteFileA(copy.c_str());
    ui.Message(Formatted(kStartFailedText, copy), MB_OK | MB_ICONSTOP);
  }
  return kExitDone;
}

// The temporary copy: remove, sum up, and leave itself to the next start.
int RemoveAll(WindowUi& ui, const RecordRead& record, const std::string& mainDir, const std::string& recordPath) {
  UninstallLog log;
  const std::string logPath = UninstallLogPath();
  const bool logWritten = log.Open(logPath);
  log.Line(kLogStart, recordPath.c_str());
  if (record.state == RecordState::kTornEnd) log.Line(kLogTornEnd, record.badLine);
  if (record.state == RecordState::kDamaged) log.Line(kLogDamaged, record.badLine);
  ui.ShowProgress();
  RemovalOptions options;
  options.mainDir = mainDir;
  RemovalEngine engine(ui, log, options);
  const RemovalResult result = engine.Run(MakeUninstallPlan(record.entries, mainDir));
  ui.Message(SummaryText(result, logPath, logWritten), MB_OK | MB_ICONINFORMATION);
  DeleteAtRestart({ProgramPath()}, std::string());
  return kExitDone;
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR commandLine, int) {
  InitCommonControls();
  WindowUi ui(instance);
  std::string mainDir;
  const bool isCopy = RunFolder(commandLine ? commandLine : "", &mainDir);
  if (!isCopy) StripFileName(mainDir = ProgramPath());
  std::string recordPath = mainDir;
  AppendPath(recordPath, kRecordFileName);

  std::string text;
  const RecordRead record = ReadWholeFile(recordPath, &text) ? ReadRecord(text) : RecordRead();
  if (record.state == RecordState::kNoRecord) return OfferListRemoval(ui, recordPath);
  return isCopy ? RemoveAll(ui, record, mainDir, recordPath) : AskAndHandOver(ui, record, mainDir, recordPath);
}
