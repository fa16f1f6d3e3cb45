// extract: every entry, or the named ones, into a folder; files already
// there are left alone unless --overwrite says otherwise.
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <memory>

#include "commands.h"
#include "core/archive/entry_decode.h"
#include "core/archive/entry_name.h"
#include "duplicates.h"
#include "host_files.h"
#include "opened_archive.h"
#include "progress.h"

namespace {

// The entries to extract: all of them, or those named (as the setup
// matches names: without case). False after naming an entry the archive
// does not hold.
bool Select(const OpenedArchive& a, const std::string& archive, const std::vector<std::string>& wanted,
            std::vector<const ArchiveEntry*>& chosen) {
  std::vector<bool> pick(a.entries.size(), wanted.empty());
  bool all_found = true;
  for (const std::string& name : wanted) {
    bool found = false;
    for (size_t i = 0; i < a.entries.size(); ++i)
      if (DuplicateNames::Key(a.entries[i].name) == DuplicateNames::Key(name)) pick[i] = found = true;
    if (!found) std::fprintf(stderr, "vtpack: %s holds no entry %s\n", archive.c_str(), name.c_str());
    all_found = all_found && found;
  }
  for (size_t i = 0; i < a.entries.size(); ++i)
    if (pick[i]) chosen.push_back(&a.entries[i]);
  return all_found;
}

// Extracts one entry; returns the exit code it earns.
int ExtractOne(OpenedArchive& a, const ArchiveEntry& e, const std::string& directory, bool overwrite,
               DclWorkArea* work) {
  EntryPath where;
  std::string why;
  if (!SplitEntryName(e.name, a.reader->has_paths(), where, &why)) {
    std::fprintf(stderr, "vtpack: refusing %s: %s\n", e.name.c_str(), why.c_str());
    return kExitDamaged;
  }
  const std::string dir = HostJoin(directory, where.directory);
  const std::string path = HostJoin(dir, where.file);
  if (!overwrite && PathExists(path)) {
    std::fprintf(stderr, "vtpack: %s exists; not overwritten (--overwrite replaces it)\n", path.c_str());
    return kExitFailed;
  }
  OpenFile out(MakeDirectories(dir) ? path : std::string(), "wb");
  if (!out) {
    std::fprintf(stderr, "vtpack: cannot create %s: %s\n", path.c_str(), std::strerror(errno));
    return kExitFailed;
  }
  FileSink sink(out.get());
  const unsigned r = DecodeEntry(*a.source, e.data_start, e.data_end, sink, work);
  const bool closed = out.Close();
  if (!closed) {
    std::fprintf(stderr, "vtpack: cannot write %s: %s\n", path.c_str(), std::strerror(errno));
    return kExitFailed;
  }
  if (r != DCL_OK) {
    std::fprintf(stderr, "vtpack: %s: %s\n", path.c_str(), ResultText(r));
    return kExitDamaged;
  }
  SetFileTime(path, e.file_time);
  std::printf("  %-40s OK\n", path.c_str());
  return kExitOk;
}

}  // namespace

int ExtractArchiveTo(const ExtractOptions& options, const std::string& archive, const std::string& directory,
                     const std::vector<std::string>& entries) {
  OpenedArchive a(archive);
  if (!a.ok()) return a.failure();
  // The whole table first: a damaged one or a missing name stops before
  // anything is written.
  if (!a.ReadTable()) return kExitDamaged;
  std::vector<const ArchiveEntry*> chosen;
  if (!Select(a, archive, entries, chosen)) return kExitUsage;
  if (!MakeDirectories(directory)) {
    std::fprintf(stderr, "vtpack: cannot create %s: %s\n", directory.c_str(), std::strerror(errno));
    return kExitFailed;
  }
  uint64_t all_bytes = 0;
  for (const ArchiveEntry* e : chosen) all_bytes += e->data_end - e->data_start;
  Progress progress("extract", chosen.size(), all_bytes);
  std::unique_ptr<DclWorkArea> work(new DclWorkArea());
  int result = kExitOk;
  uint64_t files_done = 0, bytes_done = 0;
  for (const ArchiveEntry* e : chosen) {
    progress.Clear();
    const int r = ExtractOne(a, *e, directory, options.overwrite, work.get());
    // A write failure outranks a damaged entry: the archive may be fine.
    if (r == kExitFailed || (r != kExitOk && result == kExitOk)) result = r;
    bytes_done += e->data_end - e->data_start;
    progress.Show(++files_done, bytes_done);
  }
  return result;
}
