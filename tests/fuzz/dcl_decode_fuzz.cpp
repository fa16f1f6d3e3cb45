// libFuzzer target: any byte string as an implode stream, delivered in
// pieces whose size the first input byte chooses, to the decoder with the
// machine's bit buffer and to the one with the 32-bit buffer (what the
// 32-bit programs run): both must give the same result and the same output.
// The work area is its own heap block, so any access outside it is caught
// by the address sanitizer; the output must leave in whole 4096-byte blocks
// and one shorter last one.
#include <cstdint>
#include <cstring>
#include <memory>

#include "core/dcl/dcl_decode.h"

unsigned DclDecodeNarrow(DclReadFn read, DclWriteFn write, DclWorkArea* work, void* param);

namespace {

struct Feed {
  const uint8_t* data;
  size_t size;
  size_t pos;
  size_t piece;
  bool ended;  // a block shorter than 4096 was written
  uint64_t written;
  uint64_t digest;
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
  f->written += *size;
  for (unsigned i = 0; i < *size; ++i) f->digest = (f->digest ^ uint8_t(buf[i])) * 0x100000001B3ull;
}

using Decoder = unsigned (*)(DclReadFn, DclWriteFn, DclWorkArea*, void*);

Feed Decode(Decoder decode, const uint8_t* data, size_t size, size_t piece, unsigned* result) {
  Feed feed{data, size, 0, piece, false, 0, 0xCBF29CE484222325ull};
  std::unique_ptr<DclWorkArea> work(new DclWorkArea);
  *result = decode(Read, Write, work.get(), &feed);
  if (*result > DCL_ABORT) __builtin_trap();
  // Every decoding that got past the header ends with its final block.
  if ((*result == DCL_OK || *result == DCL_ABORT) && !feed.ended) __builtin_trap();
  return feed;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size < 1) return 0;
  static const size_t pieces[] = {2048, 1, 7, 300};
  const size_t piece = pieces[data[0] & 3];
  unsigned wide_result, narrow_result;
  const Feed wide = Decode(DclDecode, data + 1, size - 1, piece, &wide_result);
  const Feed narrow = Decode(DclDecodeNarrow, data + 1, size - 1, piece, &narrow_result);
  if (wide_result != narrow_result || wide.written != narrow.written || wide.digest != narrow.digest)
    __builtin_trap();
  return 0;
}
