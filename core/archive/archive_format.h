// The packed archive layout: a 4-byte header (entry count, path flag), then
// entry headers one after the other, each naming a file, its last-write
// time and the absolute offsets of its implode stream in the archive.
// All numbers little-endian. There is no signature: an archive is known
// by the context that names it.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "core/io/byte_stream.h"

// Plain names live in fixed fields of this size (8.3 name and its NUL).
constexpr size_t kShortNameField = 13;
// No name field is longer than this.
constexpr size_t kMaxNameField = 256;

struct ArchiveEntry {
  std::string name;         // the characters before the first NUL
  uint64_t file_time = 0;   // last write, as a Windows FILETIME
  uint32_t data_start = 0;  // absolute offset of the implode stream
  uint32_t data_end = 0;    // absolute offset just past it
};

// Reads the header and the entry table, checking every field against the
// archive's size before anything is read or sized from it.
class ArchiveReader {
 public:
  explicit ArchiveReader(ByteSource& source) : source_(source) {}

  // Reads the 4-byte header; false (see error()) when the file is shorter.
  bool ReadHeader();
  unsigned entry_count() const { return count_; }
  bool has_paths() const { return path_flag_ != 0; }

  // Reads the next entry header from where the previous one ended (the
  // source's position may have moved in between). False on a damaged
  // header: truncated, a name field over 256 bytes, data outside the file
  // or ending before it starts.
  bool NextEntry(ArchiveEntry& entry);

  // What was wrong, for messages.
  const std::string& error() const { return error_; }

 private:
  bool Fail(const std::string& why);

  ByteSource& source_;
  unsigned count_ = 0;
  unsigned path_flag_ = 0;
  uint64_t next_header_ = 4;
  std::string error_;
};

// Assembles an archive: entries are added with their streams, and the whole
// file (header, table, then the streams in order) is written at the end.
class ArchiveWriter {
 public:
  // `with_paths`: names carry their length and may hold a relative path;
  // otherwise they must be 8.3 names.
  explicit ArchiveWriter(bool with_paths) : with_paths_(with_paths) {}

  // False (see error()) when the name does not suit the archive's form.
  bool Add(const std::string& name, uint64_t file_time, std::vector<uint8_t> stream);
  // The same check of a name alone, before its file is compressed: empty
  // when it suits, otherwise why not.
  std::string NameProblem(const std::string& name) const;
  bool WriteTo(ByteSink& sink);
  const std::string& error() const { return error_; }
  size_t size() const { return names_.size(); }

  // True for names of at most 8 characters, optionally a dot and at most
  // 3 more, without path separators or characters DOS refused in names.
  static bool IsShortName(const std::string& name);

 private:
  bool with_paths_;
  std::vector<std::string> names_;
  std::vector<uint64_t> times_;
  std::vector<std::vector<uint8_t>> streams_;
  std::string error_;
};
