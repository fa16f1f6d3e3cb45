// Byte sources and sinks over Win32 file handles, so that the portable
// archive reader and entry decoder work on the setup's files.
#pragma once
#include <windows.h>

#include "core/io/byte_stream.h"

// Reads an open file; does not own the handle.
class Win32FileSource : public ByteSource {
 public:
  explicit Win32FileSource(HANDLE file);
  uint64_t Size() const override { return size_; }
  bool Seek(uint64_t offset) override;
  uint64_t Tell() const override { return pos_; }
  size_t Read(void* into, size_t count) override;

 private:
  HANDLE file_;
  uint64_t size_ = 0;
  uint64_t pos_ = 0;
};

// Appends to an open file; does not own the handle.
class Win32FileSink : public ByteSink {
 public:
  explicit Win32FileSink(HANDLE file) : file_(file) {}
  bool Write(const void* data, size_t count) override;

 private:
  HANDLE file_;
};
