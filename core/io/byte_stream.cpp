#include "core/io/byte_stream.h"

#include <cstring>

bool MemorySource::Seek(uint64_t offset) {
  if (offset > size_) return false;
  pos_ = size_t(offset);
  return true;
}

size_t MemorySource::Read(void* into, size_t count) {
  size_t n = count < size_ - pos_ ? count : size_ - pos_;
  if (n) std::memcpy(into, data_ + pos_, n);
  pos_ += n;
  return n;
}

bool VectorSink::Write(const void* data, size_t count) {
  const uint8_t* p = static_cast<const uint8_t*>(data);
  bytes.insert(bytes.end(), p, p + count);
  return true;
}

bool ReadExactly(ByteSource& source, void* into, size_t count) {
  uint8_t* p = static_cast<uint8_t*>(into);
  while (count) {
    size_t n = source.Read(p, count);
    if (!n) return false;
    p += n;
    count -= n;
  }
  return true;
}
