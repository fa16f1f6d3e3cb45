// Small byte-source and byte-sink interfaces, so that the packer, the
// archive format and the tests work the same over files and memory.
#pragma once
#include <cstddef>
#include <cstdint>
#include <vector>

class ByteSource {
 public:
  virtual ~ByteSource() = default;
  // Total size in bytes.
  virtual uint64_t Size() const = 0;
  // Moves the read position; false when `offset` lies beyond the end.
  virtual bool Seek(uint64_t offset) = 0;
  virtual uint64_t Tell() const = 0;
  // Reads up to `count` bytes at the read position; returns how many were
  // read (0 at the end or on a read error).
  virtual size_t Read(void* into, size_t count) = 0;
};

class ByteSink {
 public:
  virtual ~ByteSink() = default;
  // Appends `count` bytes; false when they could not all be written.
  virtual bool Write(const void* data, size_t count) = 0;
};

// A source over bytes held in memory (not copied: they must outlive it).
class MemorySource : public ByteSource {
 public:
  MemorySource(const void* data, size_t size)
      : data_(static_cast<const uint8_t*>(data)), size_(size) {}
  explicit MemorySource(const std::vector<uint8_t>& bytes) : MemorySource(bytes.data(), bytes.size()) {}
  uint64_t Size() const override { return size_; }
  bool Seek(uint64_t offset) override;
  uint64_t Tell() const override { return pos_; }
  size_t Read(void* into, size_t count) override;

 private:
  const uint8_t* data_;
  size_t size_;
  size_t pos_ = 0;
};

// A sink that appends to a byte vector.
class VectorSink : public ByteSink {
 public:
  bool Write(const void* data, size_t count) override;
  std::vector<uint8_t> bytes;
};

// A sink that keeps nothing but the count (for testing what decodes).
class CountingSink : public ByteSink {
 public:
  bool Write(const void*, size_t count) override {
    total += count;
    return true;
  }
  uint64_t total = 0;
};

// Reads exactly `count` bytes or fails.
bool ReadExactly(ByteSource& source, void* into, size_t count);
