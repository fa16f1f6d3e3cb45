// libFuzzer target: any byte string as an implode stream, delivered in
// pieces whose size the first input byte chooses. The work area is its own
// heap block, so any access outside it is caught by the address sanitizer;
// the output must leave in whole 4096-byte blocks and one shorter last one.
#include <cstdint>
#include <cstring>
#include <memory>

#include "core/dcl/dcl_decode.h"

namespace {

struct Feed {
  const uint8_t* data;
  size_t size;
  size_t pos;
  size_t piece;
  bool ended;  // a block shorter than 4096 was written
};

unsigned Read(char* buf, unsigned* size, void* param) {
  Feed* f = static_cast<Feed*>(param);
  if (*size == 0 || *size > kDclInputChunk) __builtin_trap();
  size_t n = f->size - f->pos;
  if (n > f->piece) n = f->piece;
  std::memcpy(buf, f->data + f->pos, n);
  f->pos += n;
  return unsigned(n);
}

void Write(char* buf, unsigned* size, void* param) {
  Feed* f = static_cast<Feed*>(param);
  if (f->ended || *size > kDclOutputBlock) __builtin_trap();
  if (*size < kDclOutputBlock) f->ended = true;
  volatile char sink = 0;
  for (unsigned i = 0; i < *size; i += 512) sink = buf[i];
  (void)sink;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size < 1) return 0;
  static const size_t pieces[] = {2048, 1, 7, 300};
  Feed feed{data + 1, size - 1, 0, pieces[data[0] & 3], false};
  std::unique_ptr<DclWorkArea> work(new DclWorkArea);
  unsigned r = DclDecode(Read, Write, work.get(), &feed);
  if (r > DCL_ABORT) __builtin_trap();
  // Every decoding that got past the header ends with its final block.
  if ((r == DCL_OK || r == DCL_ABORT) && !feed.ended) __builtin_trap();
  return 0;
}
