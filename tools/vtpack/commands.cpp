#include "commands.h"

#include <cinttypes>
#include <cstdio>
#include <ctime>
#include <memory>

#include "core/archive/archive_format.h"
#include "core/archive/entry_decode.h"
#include "core/archive/entry_name.h"
#include "core/archive/file_time.h"
#include "host_files.h"

namespace {

// Files above this size get a running percentage on a terminal.
constexpr uint64_t kProgressAbove = 1u << 20;
constexpr size_t kPiece = 1u << 18;

std::string Date(uint64_t file_time) {
  std::time_t t = std::time_t(UnixSecondsFromFileTime(file_time));
  std::tm* tm = std::gmtime(&t);
  char text[32];
  if (!tm || !std::strftime(text, sizeof text, "%Y-%m-%d %H:%M:%S", tm)) return "(unknown date)     ";
  return text;
}

double Percent(uint64_t part, uint64_t whole) { return whole ? 100.0 * double(part) / double(whole) : 0.0; }

// Compresses one file; `progress` names it on a terminal while it runs.
bool Compress(const std::string& path, const std::string& shown, const DclEncoderOptions& o,
              std::vector<uint8_t>& stream, uint64_t& size) {
  OpenFile in(path, "rb");
  if (!in) {
    std::fprintf(stderr, "vtpack: cannot read %s\n", path.c_str());
    return false;
  }
  FileSource source(in.get());
  size = source.Size();
  VectorSink sink;
  DclEncoder encoder(o, sink);
  const bool progress = size > kProgressAbove && IsTerminal(stderr);
  std::vector<uint8_t> piece(kPiece);
  uint64_t done = 0;
  for (size_t n; (n = source.Read(piece.data(), piece.size())) > 0; done += n) {
    encoder.Write(piece.data(), n);
    if (progress) std::fprintf(stderr, "\r  %s  %3.0f%%", shown.c_str(), Percent(done + n, size));
  }
  if (progress) std::fprintf(stderr, "\r%*s\r", int(shown.size() + 8), "");
  if (done != size || std::ferror(in.get())) {
    std::fprintf(stderr, "vtpack: cannot read %s\n", path.c_str());
    return false;
  }
  encoder.Finish();
  stream = std::move(sink.bytes);
  return true;
}

// The name a file gets in the archive.
bool EntryNameFor(const std::string& file, bool paths, std::string& name) {
  name = paths ? file : BaseName(file);
  for (char& c : name)
    if (c == '/') c = '\\';
  while (paths && name.compare(0, 2, ".\\") == 0) name.erase(0, 2);
  EntryPath where;
  std::string why;
  if (!SplitEntryName(name, paths, where, &why)) {
    std::fprintf(stderr, "vtpack: %s cannot be packed under that name: %s\n", file.c_str(), why.c_str());
    return false;
  }
  return true;
}

// Opens an archive and reads its header, reporting failures.
struct OpenedArchive {
  explicit OpenedArchive(const std::string& path) : file(path, "rb") {
    if (!file) {
      std::fprintf(stderr, "vtpack: cannot open %s\n", path.c_str());
      return;
    }
    source.reset(new FileSource(file.get()));
    reader.reset(new ArchiveReader(*source));
    if (!reader->ReadHeader()) {
      std::fprintf(stderr, "vtpack: %s: %s\n", path.c_str(), reader->error().c_str());
      reader.reset();
    }
  }
  bool ok() const { return reader != nullptr; }
  int failure() const { return file ? kExitDamaged : kExitFailed; }
  bool Next(ArchiveEntry& e) {
    if (reader->NextEntry(e)) return true;
    std::fprintf(stderr, "vtpack: damaged archive: %s\n", reader->error().c_str());
    return false;
  }

  OpenFile file;
  std::unique_ptr<FileSource> source;
  std::unique_ptr<ArchiveReader> reader;
};

const char* ResultText(unsigned r) {
  switch (r) {
    case DCL_OK: return "OK";
    case DCL_BAD_DICTSIZE: return "bad dictionary size";
    case DCL_BAD_MODE: return "bad literal coding";
    case DCL_BAD_DATA: return "corrupt data";
    default: return "data ends early";
  }
}

}  // namespace

int CreateArchive(const CreateOptions& options, const std::string& archive, const std::vector<std::string>& files) {
  ArchiveWriter writer(options.paths);
  uint64_t total_in = 0, total_out = 0;
  for (const std::string& file : files) {
    std::string name;
    if (!EntryNameFor(file, options.paths, name)) return kExitUsage;
    uint64_t time = 0, size = 0;
    std::vector<uint8_t> stream;
    if (!GetFileTime(file, &time)) {
      std::fprintf(stderr, "vtpack: cannot read %s\n", file.c_str());
      return kExitFailed;
    }
    if (!Compress(file, name, options.encoder, stream, size)) return kExitFailed;
    std::printf("  %-40s %10" PRIu64 " -> %10zu  %5.1f%%\n", name.c_str(), size, stream.size(),
                Percent(stream.size(), size));
    total_in += size;
    total_out += stream.size();
    if (!writer.Add(name, time, std::move(stream))) {
      std::fprintf(stderr, "vtpack: %s\n", writer.error().c_str());
      return kExitUsage;
    }
  }
  OpenFile out(archive, "wb");
  FileSink sink(out.get());
  if (!out || !writer.WriteTo(sink) || !out.Close()) {
    std::fprintf(stderr, "vtpack: cannot write %s\n", archive.c_str());
    std::remove(archive.c_str());
    return kExitFailed;
  }
  std::printf("%s: %zu files, %" PRIu64 " -> %" PRIu64 " bytes\n", archive.c_str(), writer.size(), total_in,
              total_out);
  return kExitOk;
}

int ListArchive(const std::string& archive) {
  OpenedArchive a(archive);
  if (!a.ok()) return a.failure();
  std::printf("%u entries, %s names\n", a.reader->entry_count(), a.reader->has_paths() ? "path" : "plain");
  std::printf("%-19s %10s  %s\n", "last written (UTC)", "packed", "name");
  ArchiveEntry e;
  for (unsigned i = 0; i < a.reader->entry_count(); ++i) {
    if (!a.Next(e)) return kExitDamaged;
    std::printf("%s %10u  %s\n", Date(e.file_time).c_str(), e.data_end - e.data_start, e.name.c_str());
  }
  return kExitOk;
}

int TestArchive(const std::string& archive) {
  OpenedArchive a(archive);
  if (!a.ok()) return a.failure();
  std::unique_ptr<DclWorkArea> work(new DclWorkArea());
  int bad = 0;
  ArchiveEntry e;
  for (unsigned i = 0; i < a.reader->entry_count(); ++i) {
    if (!a.Next(e)) return kExitDamaged;
    CountingSink sink;
    unsigned r = DecodeEntry(*a.source, e.data_start, e.data_end, sink, work.get());
    std::printf("  %-40s %s (%u -> %" PRIu64 " bytes)\n", e.name.c_str(), ResultText(r), e.data_end - e.data_start,
                sink.total);
    if (r != DCL_OK) ++bad;
  }
  std::printf("%s: %d of %u entries failed\n", archive.c_str(), bad, a.reader->entry_count());
  return bad ? kExitDamaged : kExitOk;
}

int ExtractArchiveTo(const std::string& archive, const std::string& directory) {
  OpenedArchive a(archive);
  if (!a.ok()) return a.failure();
  if (!MakeDirectories(directory)) {
    std::fprintf(stderr, "vtpack: cannot create %s\n", directory.c_str());
    return kExitFailed;
  }
  std::unique_ptr<DclWorkArea> work(new DclWorkArea());
  int result = kExitOk;
  ArchiveEntry e;
  for (unsigned i = 0; i < a.reader->entry_count(); ++i) {
    if (!a.Next(e)) return kExitDamaged;
    EntryPath where;
    std::string why;
    if (!SplitEntryName(e.name, a.reader->has_paths(), where, &why)) {
      std::fprintf(stderr, "vtpack: refusing %s: %s\n", e.name.c_str(), why.c_str());
      result = kExitDamaged;
      continue;
    }
    std::string dir = HostJoin(directory, where.directory);
    std::string path = HostJoin(dir, where.file);
    OpenFile out(MakeDirectories(dir) ? path : std::string(), "wb");
    if (!out) {
      std::fprintf(stderr, "vtpack: cannot create %s\n", path.c_str());
      result = kExitFailed;
      continue;
    }
    FileSink sink(out.get());
    unsigned r = DecodeEntry(*a.source, e.data_start, e.data_end, sink, work.get());
    const bool closed = out.Close();
    if (r == DCL_OK && closed) {
      SetFileTime(path, e.file_time);
      std::printf("  %-40s OK\n", path.c_str());
    } else if (!closed) {
      std::fprintf(stderr, "vtpack: cannot write %s\n", path.c_str());
      result = kExitFailed;
    } else {
      std::fprintf(stderr, "vtpack: %s: %s\n", path.c_str(), ResultText(r));
      if (result == kExitOk) result = kExitDamaged;
    }
  }
  return result;
}
