// Helpers shared by the implode tests: sample data and a decoder harness
// that records every callback.
#pragma once
#include <cstdint>
#include <cstring>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "core/dcl/dcl_decode.h"
#include "core/dcl/dcl_encode.h"

namespace dcltest {

struct Run {
  unsigned result = 99;
  std::vector<uint8_t> output;
  std::vector<unsigned> writes;  // size of each write call
  std::vector<unsigned> asks;    // size asked by each read call
};

struct Feed {
  const std::vector<uint8_t>* input;
  size_t pos = 0;
  size_t piece;
  Run* run;
};

inline unsigned ReadPiece(char* buf, unsigned* size, void* param) {
  Feed* f = static_cast<Feed*>(param);
  f->run->asks.push_back(*size);
  size_t n = std::min<size_t>({*size, f->piece, f->input->size() - f->pos});
  std::memcpy(buf, f->input->data() + f->pos, n);
  f->pos += n;
  return unsigned(n);
}

inline void WriteAll(char* buf, unsigned* size, void* param) {
  Feed* f = static_cast<Feed*>(param);
  f->run->writes.push_back(*size);
  f->run->output.insert(f->run->output.end(), buf, buf + *size);
}

// Decodes `stream`, delivered `piece` bytes per read at most, with a work
// area on the heap so that the address sanitizer sees any stray access.
inline Run Decode(const std::vector<uint8_t>& stream, size_t piece = kDclInputChunk) {
  Run run;
  Feed feed{&stream, 0, piece, &run};
  auto work = std::make_unique<DclWorkArea>();
  run.result = DclDecode(ReadPiece, WriteAll, work.get(), &feed);
  return run;
}

inline std::vector<uint8_t> Encode(const std::vector<uint8_t>& data, dcl::LiteralCoding literals, int dict) {
  DclEncoderOptions o;
  o.literals = literals;
  o.dictionary_size = dict;
  return DclEncodeBuffer(data.data(), data.size(), o);
}

// English-like text from a small vocabulary: plenty of repeats at all
// distances, some punctuation and line ends.
inline std::vector<uint8_t> Text(size_t size, unsigned seed = 1) {
  static const char* words[] = {"the", "setup", "program", "copies", "files", "to", "your", "computer",
                                "and", "registers", "Vantora", "dial-up", "client", "of", "a", "disk",
                                "installation", "when", "is", "finished,", "please", "restart", "Windows."};
  std::mt19937 rng(seed);
  std::string s;
  while (s.size() < size) {
    s += words[rng() % (sizeof words / sizeof *words)];
    s += (rng() % 11 == 0) ? "\r\n" : " ";
  }
  return std::vector<uint8_t>(s.begin(), s.begin() + size);
}

inline std::vector<uint8_t> Random(size_t size, unsigned seed = 2) {
  std::mt19937 rng(seed);
  std::vector<uint8_t> v(size);
  for (auto& b : v) b = uint8_t(rng());
  return v;
}

// Structured binary: little records with counters, small values and runs.
inline std::vector<uint8_t> Records(size_t size, unsigned seed = 3) {
  std::mt19937 rng(seed);
  std::vector<uint8_t> v;
  uint32_t counter = 0;
  while (v.size() < size) {
    uint8_t rec[16] = {0x8B, 0x45, uint8_t(rng() % 8), 0xE8};
    std::memcpy(rec + 4, &counter, 4);
    counter += rng() % 64;
    for (int i = 8; i < 16; ++i) rec[i] = uint8_t(rng() % 4 == 0 ? rng() : 0);
    v.insert(v.end(), rec, rec + 16);
  }
  v.resize(size);
  return v;
}

}  // namespace dcltest
