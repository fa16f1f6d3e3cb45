// Speed and ratio of the implode encoder and decoder: for every file given
// and every mode (literal coding and dictionary size), the packed size,
// encode and decode speed in MB/s (decoding from and to memory, best of a
// few runs).
//   vt_dcl_bench FILE...      (run-bench.sh gathers a corpus and runs it)
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "core/dcl/dcl_decode.h"
#include "core/dcl/dcl_encode.h"

namespace {

using Clock = std::chrono::steady_clock;

std::vector<uint8_t> Load(const char* path) {
  std::vector<uint8_t> v;
  if (FILE* f = std::fopen(path, "rb")) {
    uint8_t buf[65536];
    for (size_t n; (n = std::fread(buf, 1, sizeof buf, f)) > 0;) v.insert(v.end(), buf, buf + n);
    std::fclose(f);
  }
  return v;
}

struct Io {
  const std::vector<uint8_t>* in;
  size_t pos;
  uint8_t* out;
  size_t produced;
};

unsigned Read(char* buf, unsigned* size, void* param) {
  Io* io = static_cast<Io*>(param);
  size_t n = std::min<size_t>(*size, io->in->size() - io->pos);
  std::memcpy(buf, io->in->data() + io->pos, n);
  io->pos += n;
  return unsigned(n);
}

void Write(char* buf, unsigned* size, void* param) {
  Io* io = static_cast<Io*>(param);
  std::memcpy(io->out + io->produced, buf, *size);
  io->produced += *size;
}

double Seconds(Clock::time_point since) { return std::chrono::duration<double>(Clock::now() - since).count(); }

// Repeats `fn` until it has run a quarter second (at least 3 times) and
// returns the fastest run's seconds.
template <typename Fn>
double Fastest(Fn fn) {
  double best = 1e9, total = 0;
  for (int runs = 0; runs < 3 || total < 0.25; ++runs) {
    auto t = Clock::now();
    fn();
    double s = Seconds(t);
    best = std::min(best, s);
    total += s;
  }
  return best;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: vt_dcl_bench FILE...\n");
    return 2;
  }
  std::printf("%-14s %-6s %5s %10s %10s %7s %10s %10s\n", "file", "lit", "dict", "size", "packed", "ratio",
              "enc MB/s", "dec MB/s");
  auto work = std::make_unique<DclWorkArea>();
  int failures = 0;
  for (int i = 1; i < argc; ++i) {
    std::vector<uint8_t> data = Load(argv[i]);
    std::string name = argv[i];
    name = name.substr(name.find_last_of('/') + 1);
    if (data.empty()) {
      std::fprintf(stderr, "vt_dcl_bench: cannot read %s\n", argv[i]);
      return 1;
    }
    std::vector<uint8_t> out(data.size() + 1);
    for (auto literals : {dcl::kLiteralsBinary, dcl::kLiteralsAscii})
      for (int dict : {1024, 2048, 4096}) {
        DclEncoderOptions o;
        o.literals = literals;
        o.dictionary_size = dict;
        std::vector<uint8_t> stream;
        auto t = Clock::now();
        stream = DclEncodeBuffer(data.data(), data.size(), o);
        double enc = Seconds(t);
        Io io{};
        double dec = Fastest([&] {
          io = Io{&stream, 0, out.data(), 0};
          if (DclDecode(Read, Write, work.get(), &io) != DCL_OK) ++failures;
        });
        if (io.produced != data.size() || std::memcmp(out.data(), data.data(), data.size())) {
          std::fprintf(stderr, "vt_dcl_bench: %s does not round-trip\n", name.c_str());
          ++failures;
        }
        double mb = double(data.size()) / 1e6;
        std::printf("%-14s %-6s %5d %10zu %10zu %6.1f%% %10.1f %10.1f\n", name.c_str(),
                    literals == dcl::kLiteralsAscii ? "ascii" : "binary", dict, data.size(), stream.size(),
                    100.0 * double(stream.size()) / double(data.size()), mb / enc, mb / dec);
        std::fflush(stdout);
      }
  }
  return failures ? 1 : 0;
}
