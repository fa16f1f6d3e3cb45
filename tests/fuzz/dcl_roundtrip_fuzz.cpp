// libFuzzer target: the encoder on any input, in the mode the first byte
// chooses, fed in pieces; the decoder must give back exactly the input.
#include <cstdint>
#include <cstring>
#include <memory>
#include <vector>

#include "core/dcl/dcl_decode.h"
#include "core/dcl/dcl_encode.h"

namespace {

struct Io {
  const std::vector<uint8_t>* stream;
  size_t pos;
  std::vector<uint8_t> out;
};

unsigned Read(char* buf, unsigned* size, void* param) {
  Io* io = static_cast<Io*>(param);
  size_t n = io->stream->size() - io->pos;
  if (n > *size) n = *size;
  std::memcpy(buf, io->stream->data() + io->pos, n);
  io->pos += n;
  return unsigned(n);
}

void Write(char* buf, unsigned* size, void* param) {
  Io* io = static_cast<Io*>(param);
  io->out.insert(io->out.end(), buf, buf + *size);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  // Long inputs add little but time here; block boundaries and long runs
  // are the unit tests' business.
  if (size < 1 || size > 6000) return 0;
  DclEncoderOptions o;
  o.literals = (data[0] & 1) ? dcl::kLiteralsAscii : dcl::kLiteralsBinary;
  o.dictionary_size = 1024 << ((data[0] >> 1) % 3);
  o.max_chain = (data[0] & 0x80) ? 4 : 0;
  ++data;
  --size;
  VectorSink sink;
  DclEncoder encoder(o, sink);
  for (size_t at = 0, piece = 1; at < size; at += piece, piece = piece * 7 + 3)
    encoder.Write(data + at, piece < size - at ? piece : size - at);
  encoder.Finish();
  Io io{&sink.bytes, 0, {}};
  std::unique_ptr<DclWorkArea> work(new DclWorkArea);
  if (DclDecode(Read, Write, work.get(), &io) != DCL_OK) __builtin_trap();
  if (io.out.size() != size || (size && std::memcmp(io.out.data(), data, size))) __builtin_trap();
  return 0;
}
