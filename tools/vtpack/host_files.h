// The packer's view of the host's files: whole-file reads, streams over C
// files, modification times as FILETIMEs, directory creation. Works the
// same natively and as a Windows program.
#pragma once
#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

#include "core/io/byte_stream.h"

class FileSource : public ByteSource {
 public:
  explicit FileSource(std::FILE* f);
  uint64_t Size() const override { return size_; }
  bool Seek(uint64_t offset) override;
  uint64_t Tell() const override { return pos_; }
  size_t Read(void* into, size_t count) override;

 private:
  std::FILE* f_;
  uint64_t size_ = 0;
  uint64_t pos_ = 0;
};

class FileSink : public ByteSink {
 public:
  explicit FileSink(std::FILE* f) : f_(f) {}
  bool Write(const void* data, size_t count) override;
  uint64_t written() const { return written_; }

 private:
  std::FILE* f_;
  uint64_t written_ = 0;
};

// Owns an open C file.
class OpenFile {
 public:
  OpenFile(const std::string& path, const char* mode) : f_(std::fopen(path.c_str(), mode)) {}
  ~OpenFile() { Close(); }
  bool Close();  // false when buffered data could not be written
  std::FILE* get() const { return f_; }
  explicit operator bool() const { return f_ != nullptr; }

 private:
  std::FILE* f_;
};

// Last-write time of a file as a FILETIME; false when it cannot be read.
bool GetFileTime(const std::string& path, uint64_t* file_time);
bool SetFileTime(const std::string& path, uint64_t file_time);
bool GetFileSize(const std::string& path, uint64_t* size);
bool IsDirectory(const std::string& path);
// True when something (file or folder) is at `path`.
bool PathExists(const std::string& path);
// The names in a folder, without "." and "..", sorted byte by byte.
bool ListFolder(const std::string& path, std::vector<std::string>& names);
// Creates `path` and every directory above it; true when it exists after.
bool MakeDirectories(const std::string& path);
// Joins with the host's separator; `relative` uses backslashes.
std::string HostJoin(const std::string& dir, const std::string& relative);
// The part of a host path after its last separator.
std::string BaseName(const std::string& path);
bool IsTerminal(std::FILE* f);
// True when both paths name one existing file (through links, "..", or
// another spelling of the same name).
bool SameFile(const std::string& a, const std::string& b);
