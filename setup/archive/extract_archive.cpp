// Both unpacking routines share one walk over the archive; they differ in
// how they talk to the user (logged application boxes versus plain boxes),
// in the cancel check, in how a destination file that cannot be created is
// handled, and in what an entry failure makes of the result.
#include "setup/archive/extract_archive.h"

#include <windows.h>

#include <cstring>
#include <memory>

#include "core/archive/archive_format.h"
#include "core/archive/entry_decode.h"
#include "core/archive/entry_name.h"
#include "setup/archive/win32_file_stream.h"
#include "core/log/log_sink.h"
#include "setup/log/setup_log.h"
#include "setup/paths/file_copy.h"
#include "setup/paths/file_paths.h"
#include "setup/record/install_recorder.h"
#include "setup/app/setup_app.h"

namespace {

constexpr UINT kErrorBox = 0x10;

struct Style {
  bool logged;  // ExtractArchive: log lines, progress, cancel, application boxes
  void Show(const std::string& text) const {
    if (logged)
      VTApp()->AppMessageBox(text.c_str(), kErrorBox);
    else
      AfxMessageBox(text.c_str(), kErrorBox);
  }
};

class Handle {
 public:
  explicit Handle(HANDLE h) : h_(h) {}
  ~Handle() { Close(); }
  void Close() {
    if (valid()) CloseHandle(h_);
    h_ = INVALID_HANDLE_VALUE;
  }
  bool valid() const { return h_ != INVALID_HANDLE_VALUE; }
  HANDLE get() const { return h_; }

 private:
  HANDLE h_;
};

// What became of one entry.
enum class Outcome { kDone, kSkipped, kStop, kStopFailed };

struct Walk {
  const Style& style;
  ArchiveReader& reader;
  Win32FileSource& archive;
  const std::string& destination;
  DclWorkArea* work;

  Outcome Entry() {
    ArchiveEntry entry;
    if (!reader.NextEntry(entry)) {
      style.Show("Unpack error: The archive is damaged (" + reader.error() + ").");
      return Outcome::kStopFailed;
    }
    EntryPath where;
    std::string why;
    if (!SplitEntryName(entry.name, reader.has_paths(), where, &why)) {
      if (style.logged) LogPrintf("Refusing archive entry %s: %s\n", entry.name.c_str(), why.c_str());
      style.Show("Unpack error: The archive entry " + entry.name + " cannot be extracted safely: " + why + ".");
      return Outcome::kStopFailed;
    }
    std::string path = destination;
    if (!where.directory.empty()) {
      AppendPath(path, where.directory);
      CreatePath(path);  // a failure shows when the file cannot be created
    }
    AppendPath(path, where.file);
    if (style.logged) {
      LogPrintf("Extracting file: %s\n", path.c_str());
      VTApp()->NotifyProgress(1, entry.name.c_str());
    }

    // Written under a partial name and put in place once whole: a damaged
    // entry or a run cut off inside it leaves the file as it was.
    if (const DWORD busy = ProbeOverwrite(path)) return CreateFailed(path, entry.name, busy);
    const std::string partial = PartialPath(path);
    const std::string& target = partial.empty() ? path : partial;
    Handle out(CreateFileA(target.c_str(), GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                           nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!out.valid()) return CreateFailed(path, entry.name, GetLastError());

    Win32FileSink sink(out.get());
    if (DecodeEntry(archive, entry.data_start, entry.data_end, sink, work) != DCL_OK) {
      out.Close();
      if (!partial.empty()) DeleteFileA(partial.c_str());
      if (style.logged) LogPrintf("Cannot extract file %s: the archive's data is damaged\n", path.c_str());
      style.Show("Cannot extract file " + entry.name);
      return style.logged ? Outcome::kStopFailed : Outcome::kStop;
    }
    std::memset(work, 0, sizeof *work);
    FILETIME written;
    written.dwLowDateTime = DWORD(entry.file_time);
    written.dwHighDateTime = DWORD(entry.file_time >> 32);
    SetFileTime(out.get(), nullptr, nullptr, &written);
    out.Close();
    if (!partial.empty())
      if (const DWORD error = PutInPlace(partial, path)) return CreateFailed(path, entry.name, error);
    if (style.logged) RecordFile(path);
    if (style.logged) LogPrintf(" %s - OK\n", path.c_str());
    return Outcome::kDone;
  }

  Outcome CreateFailed(const std::string& path, const std::string& name, DWORD error) {
    if (!style.logged) {
      style.Show("Cannot create destination file " + name);
      return Outcome::kStop;
    }
    if (error == ERROR_ACCESS_DENIED || error == ERROR_SHARING_VIOLATION) {
      if (FileExistsIn(path, "")) {
        LogPrintf("Destination file %s exists and cannot be overwritten. Ignore...\n", path.c_str());
        return Outcome::kSkipped;
      }
      LogPrintf("We shouldn't come here ever.\n");
      return Outcome::kStopFailed;
    }
    style.Show("Unpack error: Cannot create file " + name + ".\n" + GetSystemErrorText(error) + "\n.");
    return Outcome::kStopFailed;
  }
};

int Unpack(const std::string& archive_path, const std::string& destination, const Style& style) {
  if (!CreatePath(destination)) {
    style.Show("Error creating destination directory");
    return -1;
  }
  Handle file(CreateFileA(archive_path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                          FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file.valid()) {
    std::string text = "Cannot open source file " + archive_path;
    style.Show(text);
    return -1;
  }
  Win32FileSource archive(file.get());
  ArchiveReader reader(archive);
  if (!reader.ReadHeader()) {
    style.Show("Unpack error: The archive is damaged (" + reader.error() + ").");
    return style.logged ? 0 : 1;
  }
  std::unique_ptr<DclWorkArea> work(new DclWorkArea());
  Walk walk{style, reader, archive, destination, work.get()};
  bool failed = false;
  for (unsigned i = 0; i < reader.entry_count(); ++i) {
    if (style.logged && VTApp()->m_bAbort) break;
    Outcome o = walk.Entry();
    if (o == Outcome::kStopFailed) failed = true;
    if (o == Outcome::kStop || o == Outcome::kStopFailed) break;
  }
  if (!style.logged) return 1;
  return failed || VTApp()->m_bAbort ? 0 : 1;
}

}  // namespace

int ExtractArchive(const std::string& archive, const std::string& destination) {
  return Unpack(archive, destination, Style{true});
}

int UnpackArchive(const std::string& archive, const std::string& destination) {
  return Unpack(archive, destination, Style{false});
}
