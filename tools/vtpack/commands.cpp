#include "commands.h"

#include <cinttypes>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <memory>

#include "core/archive/archive_format.h"
#include "core/archive/entry_decode.h"
#include "core/archive/entry_name.h"
#include "core/archive/file_time.h"
#include "create_inputs.h"
#include "host_files.h"
#include "opened_archive.h"
#include "progress.h"
#include "verify.h"

namespace {

constexpr size_t kPiece = 1u << 18;

std::string Date(uint64_t file_time) {
  std::time_t t = std::time_t(UnixSecondsFromFileTime(file_time));
  std::tm* tm = std::gmtime(&t);
  char text[32];
  if (!tm || !std::strftime(text, sizeof text, "%Y-%m-%d %H:%M:%S", tm)) return "(unknown date)     ";
  return text;
}

// Smaller files may grow by a few bytes of code tables: not worth a word.
constexpr uint64_t kGrowthWorthTelling = 4096;

double Percent(uint64_t part, uint64_t whole) { return whole ? 100.0 * double(part) / double(whole) : 0.0; }

// Compresses one file, moving the progress line on by its bytes as it goes.
bool Compress(const PackInput& file, const DclEncoderOptions& o, Progress& progress, uint64_t files_done,
              uint64_t bytes_before, std::vector<uint8_t>& stream, uint64_t& size) {
  OpenFile in(file.path, "rb");
  if (!in) {
    std::fprintf(stderr, "vtpack: cannot read %s: %s\n", file.path.c_str(), std::strerror(errno));
    return false;
  }
  FileSource source(in.get());
  size = source.Size();
  VectorSink sink;
  DclEncoder encoder(o, sink);
  std::vector<uint8_t> piece(kPiece);
  uint64_t done = 0;
  for (size_t n; (n = source.Read(piece.data(), piece.size())) > 0; done += n) {
    encoder.Write(piece.data(), n);
    progress.Show(files_done, bytes_before + done + n);
  }
  if (done != size || std::ferror(in.get())) {
    std::fprintf(stderr, "vtpack: cannot read %s: %s\n", file.path.c_str(), std::strerror(errno));
    return false;
  }
  encoder.Finish();
  stream = std::move(sink.bytes);
  return true;
}

// A whole archive of ours: its header and every entry of its table read.
// The format has no signature, so nothing less tells one from another file.
bool IsPackedArchive(const std::string& path) {
  OpenFile file(path, "rb");
  if (!file) return false;
  FileSource source(file.get());
  ArchiveReader reader(source);
  if (!reader.ReadHeader()) return false;
  ArchiveEntry e;
  for (unsigned i = 0; i < reader.entry_count(); ++i)
    if (!reader.NextEntry(e)) return false;
  return true;
}

// What must hold before anything is compressed or written: the archive
// is none of its own inputs, a file in its place is an archive (or --force
// says to replace it), and every name suits the archive.
int CheckCreate(const CreateOptions& options, const std::string& archive, const std::vector<PackInput>& inputs) {
  if (IsDirectory(archive)) {
    std::fprintf(stderr, "vtpack: %s is a folder, not an archive\n", archive.c_str());
    return kExitUsage;
  }
  const bool exists = PathExists(archive);
  for (const PackInput& in : inputs)
    if (exists && SameFile(in.path, archive)) {
      std::fprintf(stderr, "vtpack: %s is the archive itself: an archive cannot hold itself (name another archive)\n",
                   in.path.c_str());
      return kExitUsage;
    }
  if (exists && !options.force && !IsPackedArchive(archive)) {
    std::fprintf(stderr,
                 "vtpack: %s exists and is not a packed archive; it would be lost. Name another archive, or give "
                 "--force to replace it\n",
                 archive.c_str());
    return kExitUsage;
  }
  if (inputs.size() > 0xFFFF) {
    std::fprintf(stderr, "vtpack: %zu files: an archive holds at most 65535\n", inputs.size());
    return kExitUsage;
  }
  const ArchiveWriter names(options.paths);
  for (const PackInput& in : inputs) {
    const std::string problem = names.NameProblem(in.name);
    if (!problem.empty()) {
      std::fprintf(stderr, "vtpack: %s\n", problem.c_str());
      return kExitUsage;
    }
  }
  return kExitOk;
}

}  // namespace

int CreateArchive(const CreateOptions& options, const std::string& archive, const std::vector<std::string>& files) {
  std::vector<PackInput> inputs;
  if (int r = GatherInputs(options, files, inputs)) return r;
  if (int r = CheckCreate(options, archive, inputs)) return r;
  uint64_t all_bytes = 0;
  for (const PackInput& in : inputs) all_bytes += in.size;
  Progress progress("create", inputs.size(), all_bytes);
  ArchiveWriter writer(options.paths);
  uint64_t total_in = 0, total_out = 0;
  for (const PackInput& in : inputs) {
    uint64_t time = 0, size = 0;
    std::vector<uint8_t> stream;
    if (!GetFileTime(in.path, &time)) {
      progress.Clear();
      std::fprintf(stderr, "vtpack: cannot read %s: %s\n", in.path.c_str(), std::strerror(errno));
      return kExitFailed;
    }
    if (!Compress(in, options.encoder, progress, writer.size(), total_in, stream, size)) return kExitFailed;
    progress.Clear();
    if (!options.quiet)
      std::printf("  %-40s %10" PRIu64 " -> %10zu  %5.1f%%\n", in.name.c_str(), size, stream.size(),
                  Percent(stream.size(), size));
    // Implode has no stored form: data that does not compress (packed or
    // random already) comes out larger.
    if (stream.size() > size && size >= kGrowthWorthTelling)
      std::printf("vtpack: warning: %s grew by %.1f%% when packed (%" PRIu64 " -> %zu bytes): it is compressed or "
                  "random data already; it takes less room as a plain file, copied (kind 1)\n",
                  in.name.c_str(), Percent(stream.size(), size) - 100.0, size, stream.size());
    total_in += size;
    total_out += stream.size();
    if (!writer.Add(in.name, time, std::move(stream))) {
      std::fprintf(stderr, "vtpack: %s\n", writer.error().c_str());
      return kExitUsage;
    }
    progress.Show(writer.size(), total_in);
  }
  progress.Clear();
  OpenFile out(archive, "wb");
  FileSink sink(out.get());
  if (!out || !writer.WriteTo(sink) || !out.Close()) {
    std::fprintf(stderr, "vtpack: cannot write %s: %s\n", archive.c_str(), std::strerror(errno));
    std::remove(archive.c_str());
    return kExitFailed;
  }
  if (int r = VerifyArchive(archive, inputs)) return r;
  if (!options.quiet)
    std::printf("%s: %zu files, %" PRIu64 " -> %" PRIu64 " bytes\n", archive.c_str(), writer.size(), total_in,
                total_out);
  return kExitOk;
}

int ListArchive(const std::string& archive) {
  OpenedArchive a(archive);
  if (!a.ok()) return a.failure();
  const bool whole = a.ReadTable();
  std::printf("%u entries, %s names\n", a.reader->entry_count(), a.reader->has_paths() ? "path" : "plain");
  std::printf("%-19s %10s  %s\n", "last written (UTC)", "packed", "name");
  for (const ArchiveEntry& e : a.entries)
    std::printf("%s %10u  %s\n", Date(e.file_time).c_str(), e.data_end - e.data_start, e.name.c_str());
  std::fflush(stdout);
  a.WarnDuplicates();
  return whole ? kExitOk : kExitDamaged;
}

int TestArchive(const std::string& archive) {
  OpenedArchive a(archive);
  if (!a.ok()) return a.failure();
  if (!a.ReadTable()) return kExitDamaged;
  uint64_t all_bytes = 0;
  for (const ArchiveEntry& e : a.entries) all_bytes += e.data_end - e.data_start;
  Progress progress("test", a.entries.size(), all_bytes);
  std::unique_ptr<DclWorkArea> work(new DclWorkArea());
  int bad = 0;
  uint64_t files_done = 0, bytes_done = 0;
  for (const ArchiveEntry& e : a.entries) {
    CountingSink sink;
    unsigned r = DecodeEntry(*a.source, e.data_start, e.data_end, sink, work.get());
    progress.Clear();
    EntryPath where;
    std::string refused;
    const bool placed = SplitEntryName(e.name, a.reader->has_paths(), where, &refused);
    if (placed)
      std::printf("  %-40s %s (%u -> %" PRIu64 " bytes)\n", e.name.c_str(), ResultText(r), e.data_end - e.data_start,
                  sink.total);
    else
      std::printf("  %-40s refused by the setup: %s\n", e.name.c_str(), refused.c_str());
    if (r != DCL_OK || !placed) ++bad;
    bytes_done += e.data_end - e.data_start;
    progress.Show(++files_done, bytes_done);
  }
  progress.Clear();
  std::printf("%s: %d of %u entries failed\n", archive.c_str(), bad, a.reader->entry_count());
  std::fflush(stdout);
  const unsigned duplicates = a.WarnDuplicates();
  if (bad) return kExitDamaged;
  return duplicates ? kExitDuplicates : kExitOk;
}
