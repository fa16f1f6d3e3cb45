#include "core/dcl/dcl_decode.h"

#include <cstddef>
#include <cstring>
#include <new>
#include <type_traits>

#include "core/dcl/dcl_codes.h"

namespace {

using namespace dcl;

// The output window: 4096 bytes of history, then the block being filled.
// A repeat may start just below the flush point and run kMaxMatch bytes on,
// and repeats are copied in 8-byte steps that may write up to 7 bytes past
// their end: the slack behind the flush point covers both.
constexpr unsigned kHistory = kDclOutputBlock;
constexpr unsigned kFlushAt = kHistory + kDclOutputBlock;
constexpr unsigned kWindowSize = kFlushAt + kMaxMatch + 16;

// Literal codes of up to 8 bits decode in one look-up; the longer ones (the
// rare characters, up to 13 bits) go through a second, per-prefix table.
constexpr unsigned kLiteralPrimaryBits = 8;
constexpr unsigned kLiteralSubEntries = 202;
constexpr uint16_t kSubTableFlag = 0x8000;
constexpr uint16_t kLongLength = 0x8000;
constexpr unsigned kLengthIndexBits = 7;  // a length code and its extra bits this short decode whole

// The bit buffer is as wide as the machine's registers: 64 bits hold any
// item (at most 30 bits) after one refill; 32 bits hold a literal or a
// short length code, and refill again for a long length or a distance.
// VT_DCL_BIT_BUFFER=32 or 64 chooses one, e.g. to test the 32-bit buffer on
// a 64-bit machine.
#if defined(VT_DCL_BIT_BUFFER)
constexpr unsigned kBufferBits = VT_DCL_BIT_BUFFER;
#elif UINTPTR_MAX > 0xFFFFFFFFu
constexpr unsigned kBufferBits = 64;
#else
constexpr unsigned kBufferBits = 32;
#endif
static_assert(kBufferBits == 32 || kBufferBits == 64, "the bit buffer has 32 or 64 bits");
using BitWord = std::conditional_t<kBufferBits == 64, uint64_t, uint32_t>;
constexpr int kLiteralPartBits = 1 + 13;     // flag, longest literal code
constexpr int kLengthPartBits = 1 + 7 + 8;   // flag, longest length code, extra bits
constexpr int kDistancePartBits = 8 + 6;     // longest distance code, low bits
// Bits wanted before an item. With 32 bits: enough for a literal (9 bits
// when literals are binary) or for a length that the first look-up gives
// whole (at most 8 bits); the rest refill on the way.
constexpr int kBinaryLiteralPartBits = 1 + 8;
constexpr int ItemBits(bool ascii_literals) {
  return kBufferBits == 64 ? kLengthPartBits + kDistancePartBits
                           : ascii_literals ? kLiteralPartBits : kBinaryLiteralPartBits;
}
constexpr bool kRefillOnTheWay = ItemBits(true) < kLengthPartBits + kDistancePartBits;

struct alignas(8) DecoderState {
  DclReadFn read;
  DclWriteFn write;
  void* param;
  // Literal tables: symbol | bits used with the flag << 8, or
  // kSubTableFlag | index mask << 10 | offset.
  uint16_t literal[1u << kLiteralPrimaryBits];
  uint16_t literal_sub[kLiteralSubEntries];
  // Indexed by the 7 bits after the repeat flag. Where the code and its
  // extra bits fit those 7 bits: bits used with the flag | length << 4, for
  // every value of the extra bits. Otherwise kLongLength | symbol | code bits << 4.
  uint16_t length[128];
  // Indexed by 8 bits: code bits | symbol << (dictionary bits + 4), the
  // symbol already in place above the low distance bits.
  uint16_t distance[256];
  uint8_t input[kDclInputChunk];
  uint8_t window[kWindowSize];
};
static_assert(sizeof(DecoderState) + alignof(DecoderState) - alignof(DclWorkArea) <= sizeof(DclWorkArea),
              "decoder state must fit the caller's work area");

DecoderState* StateIn(DclWorkArea* work) {
  auto address = reinterpret_cast<uintptr_t>(work);
  address = (address + alignof(DecoderState) - 1) & ~uintptr_t(alignof(DecoderState) - 1);
  return new (reinterpret_cast<void*>(address)) DecoderState;
}

// One read request; a callback that claims more than it was offered is
// held to what it was offered.
unsigned ReadInput(DecoderState* s, uint8_t* into, unsigned want) {
  unsigned size = want;
  unsigned got = s->read(reinterpret_cast<char*>(into), &size, s->param);
  return got > want ? want : got;
}

void WriteOutput(DecoderState* s, uint8_t* from, unsigned count) {
  unsigned size = count;
  s->write(reinterpret_cast<char*>(from), &size, s->param);
}

// Fills `table` (indexed by `index_bits` stream bits) for codes of at most
// that many bits: every index whose low bits are the code gets the entry.
void Spread(uint16_t* table, unsigned index_bits, unsigned code, unsigned bits, uint16_t entry) {
  for (unsigned i = code; i < (1u << index_bits); i += 1u << bits) table[i] = entry;
}

// Scratch space for the stream codes while the tables are built: the
// output window, which holds nothing yet.
uint16_t* Scratch(DecoderState* s) { return reinterpret_cast<uint16_t*>(s->window); }

void BuildLengthAndDistanceTables(DecoderState* s, unsigned dict_bits) {
  uint16_t* codes = Scratch(s);
  StreamCodes(kLengthBits, kLengthSymbols, codes);
  for (unsigned sym = 0; sym < unsigned(kLengthSymbols); ++sym) {
    const unsigned bits = kLengthBits[sym], extra = kLengthExtra[sym];
    if (bits + extra > kLengthIndexBits) {
      Spread(s->length, kLengthIndexBits, codes[sym], bits, uint16_t(kLongLength | sym | bits << 4));
      continue;
    }
    for (unsigned v = 0; v < (1u << extra); ++v)
      Spread(s->length, kLengthIndexBits, codes[sym] | v << bits, bits + extra,
             uint16_t((1 + bits + extra) | (kLengthBase[sym] + v) << 4));
  }
  StreamCodes(kDistanceBits, kDistanceSymbols, codes);
  for (unsigned sym = 0; sym < unsigned(kDistanceSymbols); ++sym)
    Spread(s->distance, 8, codes[sym], kDistanceBits[sym], uint16_t(kDistanceBits[sym] | sym << (dict_bits + 4)));
}

void BuildLiteralTables(DecoderState* s) {
  uint16_t* codes = Scratch(s);
  StreamCodes(kLiteralBits, kLiteralSymbols, codes);
  // First pass: how many further bits each long-code prefix needs.
  uint8_t* sub_bits = reinterpret_cast<uint8_t*>(codes + kLiteralSymbols);
  std::memset(sub_bits, 0, 1u << kLiteralPrimaryBits);
  for (unsigned sym = 0; sym < unsigned(kLiteralSymbols); ++sym) {
    unsigned bits = kLiteralBits[sym];
    if (bits <= kLiteralPrimaryBits) {
      Spread(s->literal, kLiteralPrimaryBits, codes[sym], bits, uint16_t(sym | (1 + bits) << 8));
    } else {
      uint8_t& need = sub_bits[codes[sym] & 0xFF];
      if (bits - kLiteralPrimaryBits > need) need = uint8_t(bits - kLiteralPrimaryBits);
    }
  }
  unsigned offset = 0;
  for (unsigned prefix = 0; prefix < (1u << kLiteralPrimaryBits); ++prefix) {
    if (!sub_bits[prefix]) continue;
    s->literal[prefix] = uint16_t(kSubTableFlag | ((1u << sub_bits[prefix]) - 1) << 10 | offset);
    offset += 1u << sub_bits[prefix];
  }
  for (unsigned sym = 0; sym < unsigned(kLiteralSymbols); ++sym) {
    unsigned bits = kLiteralBits[sym];
    if (bits <= kLiteralPrimaryBits) continue;
    const unsigned prefix = codes[sym] & 0xFF;
    Spread(s->literal_sub + (s->literal[prefix] & 0x3FF), sub_bits[prefix], codes[sym] >> kLiteralPrimaryBits,
           bits - kLiteralPrimaryBits, uint16_t(sym | (1 + bits) << 8));
  }
}

// Little-endian loads of a whole bit buffer.
inline BitWord LoadWord(const uint8_t* p) {
  BitWord v;
  std::memcpy(&v, p, sizeof v);
#if defined(__BYTE_ORDER__) && __BYTE_ORDER__ == __ORDER_BIG_ENDIAN__
  v = kBufferBits == 64 ? BitWord(__builtin_bswap64(v)) : BitWord(__builtin_bswap32(uint32_t(v)));
#endif
  return v;
}

// The 8 bytes at `p` as a little-endian value, and back.
inline uint64_t LoadLittle64(const uint8_t* p) {
  uint64_t v;
  std::memcpy(&v, p, 8);
#if defined(__BYTE_ORDER__) && __BYTE_ORDER__ == __ORDER_BIG_ENDIAN__
  v = __builtin_bswap64(v);
#endif
  return v;
}

inline void StoreLittle64(uint8_t* p, uint64_t v) {
#if defined(__BYTE_ORDER__) && __BYTE_ORDER__ == __ORDER_BIG_ENDIAN__
  v = __builtin_bswap64(v);
#endif
  std::memcpy(p, &v, 8);
}

inline void Copy8(uint8_t* to, const uint8_t* from) { std::memcpy(to, from, 8); }

// For a repeat distance below 8: a multiple of the distance that is at least
// 8, so that 8-byte copies from that far back repeat the same pattern.
constexpr uint8_t kPatternStride[8] = {0, 8, 8, 9, 8, 10, 12, 14};

// For a repeat distance d below 8: a one at every multiple of 8 * d bits, so
// that multiplying d bytes by it repeats them across 8 bytes (the copies do
// not overlap, so no carries).
constexpr uint64_t PatternSpread(unsigned d) {
  uint64_t spread = 0;
  for (unsigned bit = 0; d && bit < 64; bit += 8 * d) spread |= uint64_t(1) << bit;
  return spread;
}
constexpr uint64_t kPatternSpread[8] = {0, PatternSpread(1), PatternSpread(2), PatternSpread(3),
                                        PatternSpread(4), PatternSpread(5), PatternSpread(6), PatternSpread(7)};

// Runs of one byte value longer than this are filled by the C library, far
// quicker than 8 bytes at a time.
constexpr unsigned kLongRun = 64;

// Copies a repeat of `length` bytes from `from`, which lies before `out`.
// May write up to 7 bytes past the end (into window slack or bytes not yet
// produced).
inline void CopyRepeat(uint8_t* out, const uint8_t* from, unsigned length) {
  const unsigned distance = unsigned(out - from);
  if (distance >= 8) {
    Copy8(out, from);
    for (unsigned i = 8; i < length; i += 8) Copy8(out + i, from + i);
    return;
  }
  // The first 8 bytes: the `distance` bytes before `out`, repeated.
  const uint64_t bytes = LoadLittle64(from) & ~(~uint64_t(0) << (8 * distance));
  StoreLittle64(out, bytes * kPatternSpread[distance]);
  if (length <= 8) return;
  if (distance == 1 && length > kLongRun) {
    std::memset(out + 8, *from, length - 8);
    return;
  }
  const uint8_t* again = out - kPatternStride[distance];
  for (size_t i = 8; i < length; i += 8) Copy8(out + i, again + i);
}

// The stream's bits, least significant first. `count` is the number of valid
// bits in `bits`; it goes negative once an item ran past the end of input
// (the bits above the input's end read as zeros).
struct BitReader {
  BitWord bits = 0;
  int count = 0;
  const uint8_t* in;
  const uint8_t* in_end;
  const uint8_t* words_end;  // below it, `in` has a whole bit buffer's bytes
  bool input_ended = false;

  inline void SetInput(const uint8_t* begin, const uint8_t* end) {
    in = begin;
    in_end = end;
    words_end = end - begin >= int(sizeof(BitWord)) ? end - (sizeof(BitWord) - 1) : begin;
  }

  // Tops the buffer up to at least kBufferBits - 7 bits, asking the read
  // callback for more input when the buffer runs dry. Called with fewer
  // than kBufferBits - 8 bits, so that the whole-word shift stays in range.
  inline void Refill(DecoderState* s) {
    if (in < words_end) {
      // Whole bytes only move `in`; the part-byte bits above `count` are
      // the very bits the next refill puts there again.
      bits |= LoadWord(in) << count;
      in += (kBufferBits - 1 - unsigned(count)) >> 3;
      count |= int(kBufferBits) - 8;
      return;
    }
    while (count <= int(kBufferBits) - 8) {
      if (in == in_end) {
        if (input_ended) return;
        unsigned got = ReadInput(s, s->input, kDclInputChunk);
        if (!got) {
          input_ended = true;
          return;
        }
        SetInput(s->input, s->input + got);
      }
      bits |= BitWord(*in++) << count;
      count += 8;
    }
  }
  inline unsigned Peek() const { return unsigned(bits); }
  inline void Drop(unsigned n) {
    bits >>= n;
    count -= int(n);
  }
};

// DecodeBlock's answer when the block is full and must leave first.
constexpr unsigned kBlockFull = ~0u;

// Decodes items until the block being filled is full (kBlockFull) or the
// stream ends (a DclResult). Until the first block has left, a repeat may
// reach no further back than the first byte of output; after that the
// window always holds the whole dictionary's history.
template <bool kAsciiLiterals, bool kFirstBlock>
__attribute__((always_inline)) inline unsigned DecodeBlock(DecoderState* s, BitReader& r, uint8_t*& out_pos,
                                                           unsigned dict_bits) {
  const unsigned dict_mask = (1u << dict_bits) - 1;
  uint8_t* out = out_pos;
  uint8_t* const flush_at = s->window + kFlushAt;
  unsigned result = DCL_ABORT;

  for (;;) {
    if (r.count < ItemBits(kAsciiLiterals)) r.Refill(s);

    if (!(r.bits & 1)) {
      unsigned literal;
      if (!kAsciiLiterals) {
        literal = r.Peek() >> 1;
        r.Drop(kBinaryLiteralPartBits);
      } else {
        unsigned entry = s->literal[r.Peek() >> 1 & 0xFF];
        if (entry & kSubTableFlag)
          entry = s->literal_sub[(entry & 0x3FF) + (r.Peek() >> (1 + kLiteralPrimaryBits) & entry >> 10 & 31)];
        literal = entry;
        r.Drop(entry >> 8);
      }
      if (r.count < 0) break;
      *out++ = uint8_t(literal);
    } else {
      unsigned entry = s->length[r.Peek() >> 1 & ((1u << kLengthIndexBits) - 1)];
      unsigned length;
      if (!(entry & kLongLength)) {
        length = entry >> 4;
        r.Drop(entry & 15);
      } else {
        if (kRefillOnTheWay && r.count < kLengthPartBits) r.Refill(s);
        const unsigned sym = entry & 15, code_bits = entry >> 4 & 7, extra_bits = kLengthExtra[sym];
        length = kLengthBase[sym] + (r.Peek() >> (1 + code_bits) & ((1u << extra_bits) - 1));
        r.Drop(1 + code_bits + extra_bits);
        if (length == unsigned(kEndOfStream)) {
          if (r.count >= 0) result = DCL_OK;
          break;
        }
      }
      if (kRefillOnTheWay && r.count < kDistancePartBits) r.Refill(s);
      unsigned d = s->distance[r.Peek() & 0xFF];
      unsigned code = d & 15, high = d >> 4;
      unsigned from_end;  // the distance less one
      if (length != 2) {
        from_end = high | (r.Peek() >> code & dict_mask);
        r.Drop(code + dict_bits);
      } else {
        from_end = high >> (dict_bits - kShortDistanceBits) | (r.Peek() >> code & 3);
        r.Drop(code + kShortDistanceBits);
      }
      if (r.count < 0) break;
      const uint8_t* from = out - from_end - 1;
      if (kFirstBlock && from < s->window + kHistory) {
        // Reaches before the first byte ever produced: corrupt data, not
        // an invitation to copy whatever the window held.
        result = DCL_BAD_DATA;
        break;
      }
      CopyRepeat(out, from, length);
      out += length;
    }

    if (out >= flush_at) {
      result = kBlockFull;
      break;
    }
  }
  out_pos = out;
  return result;
}

template <bool kAsciiLiterals>
unsigned DecodeItems(DecoderState* s, const uint8_t* in, const uint8_t* in_end, unsigned dict_bits) {
  BitReader r;
  r.SetInput(in, in_end);
  uint8_t* const window = s->window;
  uint8_t* out = window + kHistory;
  unsigned result = DecodeBlock<kAsciiLiterals, true>(s, r, out, dict_bits);
  while (result == kBlockFull) {
    WriteOutput(s, window + kHistory, kDclOutputBlock);
    std::memmove(window, window + kDclOutputBlock, size_t(out - window) - kDclOutputBlock);
    out -= kDclOutputBlock;
    result = DecodeBlock<kAsciiLiterals, false>(s, r, out, dict_bits);
  }
  WriteOutput(s, window + kHistory, unsigned(out - (window + kHistory)));
  return result;
}

}  // namespace

unsigned DclDecode(DclReadFn read, DclWriteFn write, DclWorkArea* work, void* param) {
  DecoderState* s = StateIn(work);
  s->read = read;
  s->write = write;
  s->param = param;

  // A callback may deliver less than asked at any time, also at the start:
  // gather the header and a little more before judging the stream too short.
  unsigned have = 0;
  while (have <= 4) {
    unsigned got = ReadInput(s, s->input + have, kDclInputChunk - have);
    if (!got) break;
    have += got;
  }
  if (have <= 4) return DCL_BAD_DATA;

  const unsigned literal_coding = s->input[0];
  const unsigned dict_code = s->input[1];
  if (dict_code < 4 || dict_code > 6) return DCL_BAD_DICTSIZE;
  if (literal_coding > kLiteralsAscii) return DCL_BAD_MODE;

  BuildLengthAndDistanceTables(s, dict_code);
  if (literal_coding == kLiteralsAscii) {
    BuildLiteralTables(s);
    return DecodeItems<true>(s, s->input + 2, s->input + have, dict_code);
  }
  return DecodeItems<false>(s, s->input + 2, s->input + have, dict_code);
}
