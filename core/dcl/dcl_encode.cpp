#include "core/dcl/dcl_encode.h"

#include <algorithm>
#include <cstring>

#include "core/dcl/dcl_match_finder.h"

namespace {

using namespace dcl;

// Input is parsed in blocks of this many bytes; a repeat never crosses a
// block end, which costs a few bits per block at most.
constexpr int kBlock = 32768;
// A repeat at least this long is taken at once instead of being weighed
// against every shorter choice (long runs would otherwise cost a full
// table walk per byte for no measurable gain).
constexpr int kTakeAtOnce = 200;
constexpr uint32_t kUnreached = 0xFFFFFFFFu;

class BitWriter {
 public:
  explicit BitWriter(ByteSink& sink) : sink_(sink) {}
  void Put(uint32_t value, unsigned bits) {
    acc_ |= uint64_t(value) << count_;
    count_ += bits;
    while (count_ >= 8) {
      bytes_.push_back(uint8_t(acc_));
      acc_ >>= 8;
      count_ -= 8;
    }
  }
  void PutByte(uint8_t b) { Put(b, 8); }
  uint64_t total() const { return written_ + bytes_.size(); }
  // Completes the last byte with zero bits.
  void Align() {
    if (count_) Put(0, 8 - count_);
  }
  bool Drain(bool all) {
    if (bytes_.empty() || (!all && bytes_.size() < 65536)) return ok_;
    ok_ = ok_ && sink_.Write(bytes_.data(), bytes_.size());
    written_ += bytes_.size();
    bytes_.clear();
    return ok_;
  }

 private:
  ByteSink& sink_;
  std::vector<uint8_t> bytes_;
  uint64_t acc_ = 0;
  uint64_t written_ = 0;
  unsigned count_ = 0;
  bool ok_ = true;
};

// What every literal and repeat costs, in bits, with this stream's codes.
struct CodeBook {
  explicit CodeBook(const DclEncoderOptions& options) {
    ascii = options.literals == kLiteralsAscii;
    dict_bits = DictionaryCode(options.dictionary_size);
    StreamCodes(kLiteralBits, kLiteralSymbols, literal_code);
    StreamCodes(kLengthBits, kLengthSymbols, length_code);
    StreamCodes(kDistanceBits, kDistanceSymbols, distance_code);
    for (int c = 0; c < 256; ++c) literal_cost[c] = uint8_t(1 + (ascii ? kLiteralBits[c] : 8));
    for (int sym = 0; sym < kLengthSymbols; ++sym)
      for (int extra = 0; extra < (1 << kLengthExtra[sym]); ++extra) {
        int length = kLengthBase[sym] + extra;
        if (length > kMaxMatch) continue;
        length_symbol[length] = uint8_t(sym);
        length_cost[length] = uint8_t(1 + kLengthBits[sym] + kLengthExtra[sym]);
      }
  }
  int LowBits(int length) const { return length == kMinMatch ? kShortDistanceBits : dict_bits; }
  uint32_t MatchCost(int length, int distance) const {
    int low = LowBits(length);
    return length_cost[length] + kDistanceBits[(distance - 1) >> low] + low;
  }

  bool ascii;
  int dict_bits;
  uint16_t literal_code[kLiteralSymbols];
  uint16_t length_code[kLengthSymbols];
  uint16_t distance_code[kDistanceSymbols];
  uint8_t literal_cost[256];
  uint8_t length_symbol[kMaxMatch + 1] = {};
  uint8_t length_cost[kMaxMatch + 1] = {};
};

}  // namespace

struct DclEncoder::Impl {
  Impl(const DclEncoderOptions& o, ByteSink& sink)
      : options(o), book(o), bits(sink), finder(o.dictionary_size, o.max_chain) {
    matches.resize(MatchFinder::kMaxMatches);
    bits.PutByte(uint8_t(o.literals));
    bits.PutByte(uint8_t(book.dict_bits));
  }

  void EmitLiteral(uint8_t c) {
    if (book.ascii)
      bits.Put(uint32_t(book.literal_code[c]) << 1, book.literal_cost[c]);
    else
      bits.Put(uint32_t(c) << 1, 9);
  }

  void EmitRepeat(int length, int distance) {
    int sym = book.length_symbol[length];
    bits.Put(1u | uint32_t(book.length_code[sym]) << 1, 1 + kLengthBits[sym]);
    if (kLengthExtra[sym]) bits.Put(uint32_t(length - kLengthBase[sym]), kLengthExtra[sym]);
    int low = book.LowBits(length);
    int d = distance - 1;
    bits.Put(book.distance_code[d >> low], kDistanceBits[d >> low]);
    bits.Put(uint32_t(d) & ((1u << low) - 1), unsigned(low));
  }

  void EmitEnd() {
    const int sym = kLengthSymbols - 1;
    bits.Put(1u | uint32_t(book.length_code[sym]) << 1, 1 + kLengthBits[sym]);
    bits.Put(uint32_t(kEndOfStream - kLengthBase[sym]), kLengthExtra[sym]);
  }

  const uint8_t* At(int64_t pos) const { return data.data() + (pos - base); }
  uint64_t stream_bytes() const { return bits.total(); }

  // Emits the cheapest path from block-relative `from` to `to`.
  void EmitPath(int from, int to, int64_t block_start) {
    path.clear();
    for (int at = to; at > from; at -= step_length[at]) path.push_back(at);
    for (auto it = path.rbegin(); it != path.rend(); ++it) {
      int at = *it;
      if (step_length[at] == 1)
        EmitLiteral(*At(block_start + at - 1));
      else
        EmitRepeat(step_length[at], step_distance[at]);
    }
  }

  void Relax(int to, uint32_t c, int length, int distance) {
    if (c < cost[to]) {
      cost[to] = c;
      step_length[to] = uint16_t(length);
      step_distance[to] = uint16_t(distance);
    }
  }

  // Parses and emits [start, start + size): a shortest path where every
  // edge is a literal or a repeat, weighted by its exact size in bits.
  void EncodeBlock(int64_t start, int size) {
    if (cost.size() < size_t(size) + 1) {  // small inputs keep small tables
      cost.resize(size + 1);
      step_length.resize(size + 1);
      step_distance.resize(size + 1);
    }
    finder.SetData(data.data(), base, base + int64_t(data.size()));
    int segment = 0;
    int frontier = 0;  // cost[] is valid up to here
    cost[0] = 0;
    for (int i = 0; i < size; ++i) {
      auto reach = [&](int to) {
        while (frontier < to) cost[++frontier] = kUnreached;
      };
      reach(i + 1);
      const uint8_t byte = *At(start + i);
      Relax(i + 1, cost[i] + book.literal_cost[byte], 1, 0);

      int limit = std::min(kMaxMatch, size - i);
      int pair = 0;
      int n = finder.Find(start + i, limit, matches.data(), &pair);
      if (n && matches[n - 1].length >= kTakeAtOnce) {
        // A long run: settle the path so far and take it.
        const Match m = matches[n - 1];
        EmitPath(segment, i, start);
        EmitRepeat(m.length, m.distance);
        for (int k = 1; k < m.length; ++k) finder.Insert(start + i + k);
        segment = frontier = i + m.length;
        cost[segment] = 0;
        i = segment - 1;
        continue;
      }
      if (pair) {
        reach(i + 2);
        Relax(i + 2, cost[i] + book.MatchCost(2, pair), 2, pair);
      }
      int length = 3;
      for (int k = 0; k < n; ++k) {
        const Match m = matches[k];
        reach(i + m.length);
        for (; length <= m.length; ++length) Relax(i + length, cost[i] + book.MatchCost(length, m.distance), length, m.distance);
      }
    }
    EmitPath(segment, size, start);
  }

  bool Consume(bool final) {
    for (;;) {
      int64_t pending = base + int64_t(data.size()) - next;
      // Until the input ends, a block waits for a whole longest repeat of
      // input beyond it: the match finder measures that far.
      if (pending == 0 || (!final && pending < kBlock + kMaxMatch)) break;
      int size = int(std::min<int64_t>(pending, kBlock));
      EncodeBlock(next, size);
      next += size;
      if (!bits.Drain(false)) return false;
      // Keep one window of history behind the next block.
      int64_t keep_from = std::max(base, next - options.dictionary_size);
      if (keep_from - base >= kBlock) {
        data.erase(data.begin(), data.begin() + (keep_from - base));
        base = keep_from;
      }
    }
    return true;
  }

  DclEncoderOptions options;
  CodeBook book;
  BitWriter bits;
  MatchFinder finder;
  std::vector<uint8_t> data;
  int64_t base = 0;  // stream offset of data[0]
  int64_t next = 0;  // stream offset of the first byte not yet encoded
  std::vector<uint32_t> cost;
  std::vector<uint16_t> step_length;
  std::vector<uint16_t> step_distance;
  std::vector<Match> matches;
  std::vector<int> path;
  bool finished = false;
  bool failed = false;
};

DclEncoder::DclEncoder(const DclEncoderOptions& options, ByteSink& sink) {
  DclEncoderOptions o = options;
  if (!ValidOptions(o)) {
    o.literals = kLiteralsBinary;
    o.dictionary_size = 4096;
  }
  impl_.reset(new Impl(o, sink));
  impl_->failed = !ValidOptions(options);
}

DclEncoder::~DclEncoder() = default;

bool DclEncoder::ValidOptions(const DclEncoderOptions& options) {
  return (options.literals == kLiteralsBinary || options.literals == kLiteralsAscii) &&
         DictionaryCode(options.dictionary_size) != 0 && options.max_chain >= 0;
}

bool DclEncoder::Write(const void* data, size_t count) {
  Impl& s = *impl_;
  if (s.failed || s.finished) return false;
  const uint8_t* p = static_cast<const uint8_t*>(data);
  while (count) {
    size_t piece = std::min<size_t>(count, kBlock);
    s.data.insert(s.data.end(), p, p + piece);
    p += piece;
    count -= piece;
    if (!s.Consume(false)) s.failed = true;
    if (s.failed) return false;
  }
  return true;
}

bool DclEncoder::Finish() {
  Impl& s = *impl_;
  if (s.failed || s.finished) return false;
  s.finished = true;
  if (!s.Consume(true)) return false;
  s.EmitEnd();
  s.bits.Align();
  // Decoders refuse streams of 4 bytes or fewer as too short to be real,
  // yet an empty or one-byte file codes to exactly 4: pad such streams with
  // a zero byte after the end code, which every decoder ignores.
  if (s.stream_bytes() <= 4) s.bits.PutByte(0);
  return s.bits.Drain(true);
}

std::vector<uint8_t> DclEncodeBuffer(const void* data, size_t size, const DclEncoderOptions& options) {
  VectorSink sink;
  DclEncoder encoder(options, sink);
  if (!encoder.Write(data, size) || !encoder.Finish()) return {};
  return std::move(sink.bytes);
}
