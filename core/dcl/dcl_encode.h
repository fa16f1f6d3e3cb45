// Implode encoder: turns a byte stream, given in pieces of any size, into
// one implode stream. It parses each block optimally for the format's fixed
// codes (a shortest path over every literal and every nearest repeat of each
// length that the whole window offers), which beats greedy and lazy parsing.
#pragma once
#include <cstddef>
#include <cstdint>
#include <memory>
#include <vector>

#include "core/dcl/dcl_codes.h"
#include "core/io/byte_stream.h"

struct DclEncoderOptions {
  dcl::LiteralCoding literals = dcl::kLiteralsBinary;
  int dictionary_size = 4096;  // 1024, 2048 or 4096
  // How many earlier positions the match finder looks at per search at
  // most (a faster, slightly weaker search); 0 means as many as it takes.
  int max_chain = 0;
};

class DclEncoder {
 public:
  // The stream goes to `sink` as it is made; the sink must outlive Finish().
  DclEncoder(const DclEncoderOptions& options, ByteSink& sink);
  ~DclEncoder();
  DclEncoder(const DclEncoder&) = delete;
  DclEncoder& operator=(const DclEncoder&) = delete;

  // False when the options are not valid for the format.
  static bool ValidOptions(const DclEncoderOptions& options);

  // Both return false once the sink has refused bytes.
  bool Write(const void* data, size_t count);
  // Ends the stream (end code, last bits). Nothing may be written after it.
  bool Finish();

 private:
  struct Impl;
  std::unique_ptr<Impl> impl_;
};

// One-call convenience: the whole stream for `data`.
std::vector<uint8_t> DclEncodeBuffer(const void* data, size_t size, const DclEncoderOptions& options);
