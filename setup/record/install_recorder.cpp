#include "setup/record/install_recorder.h"

#include <windows.h>

#include <set>
#include <vector>

#include "core/log/log_sink.h"
#include "core/paths/path_ops.h"

namespace {

struct Recorder {
  std::string path;                  // the record file; empty until recording starts
  std::vector<std::string> pending;  // lines noted before it started
  // The lines this run has given the record: the same entry again (the
  // run-once value at every hand-off, a key on the path of several
  // values) adds nothing, as the first entry of a thing decides.
  std::set<std::string> given;
};

Recorder& State() {
  static Recorder recorder;
  return recorder;
}

std::string RecordPathIn(const std::string& mainDir) {
  std::string path = mainDir;
  AppendPath(path, kRecordFileName);
  return path;
}

// Appends `text` with one write at the file's end: a run cut off leaves at
// most its last line torn. A new file gets the header first.
bool AppendText(const std::string& path, std::string text) {
  HANDLE file = CreateFileA(path.c_str(), GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ, nullptr, OPEN_ALWAYS,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  if (GetFileSize(file, nullptr) == 0) text = std::string(kRecordHeader) + "\r\n" + text;
  SetFilePointer(file, 0, nullptr, FILE_END);
  DWORD written = 0;
  const BOOL ok = WriteFile(file, text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
  CloseHandle(file);
  return ok && written == text.size();
}

// Writes the lines noted so far; they stay noted when the file cannot be
// written yet ({MAIN_DIR} is made by the first instruction that needs it).
void Flush() {
  Recorder& r = State();
  if (r.path.empty() || r.pending.empty()) return;
  // The lines go one write each, so that none is torn by another's.
  size_t written = 0;
  for (const std::string& line : r.pending) {
    if (!AppendText(r.path, line)) break;
    ++written;
  }
  r.pending.erase(r.pending.begin(), r.pending.begin() + static_cast<long>(written));
}

}  // namespace

bool IsRecording() { return !State().path.empty(); }

void StartRecording(const std::string& mainDir) {
  if (mainDir.empty()) return;
  const std::string path = RecordPathIn(mainDir);
  // Another folder's record has seen none of this run's lines.
  if (lstrcmpiA(path.c_str(), State().path.c_str()) != 0)
    State().given = std::set<std::string>(State().pending.begin(), State().pending.end());
  State().path = path;
  Flush();
}

void ResumeRecording(const std::string& mainDir) {
  if (mainDir.empty()) return;
  if (GetFileAttributesA(RecordPathIn(mainDir).c_str()) != INVALID_FILE_ATTRIBUTES) StartRecording(mainDir);
}

void StopRecording() {
  State().path.clear();
  State().pending.clear();
  State().given.clear();
}

void AppendRecordEntry(const RecordEntry& entry) {
  const std::string line = FormatRecordLine(entry);
  if (line.empty()) {
    LogPrintf("Installation record: %s cannot be recorded\n", entry.path.c_str());
    return;
  }
  if (!State().given.insert(line).second) return;
  State().pending.push_back(line);
  Flush();
}

void RecordFile(const std::string& path) {
  if (!IsRecording()) return;
  HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) {
    LogPrintf("Installation record: cannot read %s back\n", path.c_str());
    return;
  }
  RecordEntry entry;
  entry.kind = RecordKind::kFile;
  entry.path = path;
  std::vector<char> buffer(64 * 1024);
  DWORD got = 0;
  while (ReadFile(file, buffer.data(), static_cast<DWORD>(buffer.size()), &got, nullptr) && got > 0) {
    entry.crc = Crc32(buffer.data(), got, entry.crc);
    entry.size += got;
  }
  CloseHandle(file);
  AppendRecordEntry(entry);
}

namespace {

void RecordPath(RecordKind kind, const std::string& path) {
  RecordEntry entry;
  entry.kind = kind;
  entry.path = path;
  AppendRecordEntry(entry);
}

}  // namespace

void RecordFolder(const std::string& path) {
  if (IsRecording()) RecordPath(RecordKind::kFolder, path);
}
void RecordShortcut(const std::string& linkPath) { RecordPath(RecordKind::kShortcut, linkPath); }
void RecordSelfCopy(const std::string& path) { RecordPath(RecordKind::kSelfCopy, path); }
void RecordInstaller(const std::string& commandLine) { RecordPath(RecordKind::kInstaller, commandLine); }
