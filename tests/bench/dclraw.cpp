// Raw implode streams on the command line, for the peer round trips and
// for measuring the decoder under callgrind (whole process: reading the
// stream, decoding, and handing the output to a sink).
//   dclraw encode binary|ascii 1024|2048|4096 IN OUT
//   dclraw decode IN OUT        (OUT "-" discards the output)
#include <cstdio>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "core/dcl/dcl_decode.h"
#include "core/dcl/dcl_encode.h"

namespace {

bool ReadFile(const char* path, std::vector<uint8_t>& out) {
  FILE* f = std::fopen(path, "rb");
  if (!f) return false;
  uint8_t buf[65536];
  size_t n;
  while ((n = std::fread(buf, 1, sizeof buf, f)) > 0) out.insert(out.end(), buf, buf + n);
  bool ok = !std::ferror(f);
  std::fclose(f);
  return ok;
}

struct DecodeIo {
  const std::vector<uint8_t>* in;
  size_t pos = 0;
  FILE* out = nullptr;
  uint64_t produced = 0;
  bool failed = false;
};

unsigned ReadCb(char* buf, unsigned* size, void* param) {
  auto* io = static_cast<DecodeIo*>(param);
  size_t n = std::min<size_t>(*size, io->in->size() - io->pos);
  std::memcpy(buf, io->in->data() + io->pos, n);
  io->pos += n;
  return unsigned(n);
}

void WriteCb(char* buf, unsigned* size, void* param) {
  auto* io = static_cast<DecodeIo*>(param);
  io->produced += *size;
  if (io->out && *size && std::fwrite(buf, 1, *size, io->out) != *size) io->failed = true;
}

int Usage() {
  std::fprintf(stderr, "usage: dclraw encode binary|ascii 1024|2048|4096 IN OUT\n       dclraw decode IN OUT|-\n");
  return 2;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc == 6 && !std::strcmp(argv[1], "encode")) {
    DclEncoderOptions o;
    o.literals = !std::strcmp(argv[2], "ascii") ? dcl::kLiteralsAscii : dcl::kLiteralsBinary;
    o.dictionary_size = std::atoi(argv[3]);
    if (!DclEncoder::ValidOptions(o)) return Usage();
    std::vector<uint8_t> in;
    if (!ReadFile(argv[4], in)) return std::perror(argv[4]), 1;
    auto stream = DclEncodeBuffer(in.data(), in.size(), o);
    FILE* f = std::fopen(argv[5], "wb");
    if (!f || std::fwrite(stream.data(), 1, stream.size(), f) != stream.size() || std::fclose(f)) return std::perror(argv[5]), 1;
    return 0;
  }
  if (argc == 4 && !std::strcmp(argv[1], "decode")) {
    std::vector<uint8_t> in;
    if (!ReadFile(argv[2], in)) return std::perror(argv[2]), 1;
    DecodeIo io;
    io.in = &in;
    if (std::strcmp(argv[3], "-") && !(io.out = std::fopen(argv[3], "wb"))) return std::perror(argv[3]), 1;
    static DclWorkArea work;
    unsigned r = DclDecode(ReadCb, WriteCb, &work, &io);
    if (io.out && std::fclose(io.out)) io.failed = true;
    if (r != DCL_OK || io.failed) {
      std::fprintf(stderr, "dclraw: decoding failed (result %u)\n", r);
      return 1;
    }
    std::printf("%llu\n", (unsigned long long)io.produced);
    return 0;
  }
  return Usage();
}
