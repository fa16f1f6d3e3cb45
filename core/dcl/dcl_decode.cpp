#include "core/dcl/dcl_decode.h"

#include <cstddef>
#include <cstring>
#include <new>

#include "core/dcl/dcl_codes.h"

namespace {

using namespace dcl;

// The output window: 4096 bytes of history, then the block being filled.
// A repeat may start just below the flush point and run kMaxMatch bytes on,
// and repeats are copied in 8-byte steps that may write up to 15 bytes past
// their end: the slack behind the flush point covers both.
constexpr unsigned kHistory = kDclOutputBlock;
constexpr unsigned kFlushAt = kHistory + kDclOutputBlock;
constexpr unsigned kWindowSize = kFlushAt + kMaxMatch + 16;

// Literal codes of up to 8 bits decode in one look-up; the longer ones (the
// rare characters, up to 13 bits) go through a second, per-prefix table.
constexpr unsigned kLiteralPrimaryBits = 8;
constexpr unsigned kLiteralSubEntries = 202;
constexpr uint16_t kSubTableFlag = 0x8000;

struct alignas(8) DecoderState {
  DclReadFn read;
  DclWriteFn write;
  void* param;
  // Literal tables: symbol | bits << 8, or kSubTableFlag | index bits << 10 | offset.
  uint16_t literal[1u << kLiteralPrimaryBits];
  uint16_t literal_sub[kLiteralSubEntries];
  // Indexed by the 7 bits after the repeat flag: code bits | extra bits << 3 | base << 7.
  uint16_t length[128];
  // Indexed by 8 bits: symbol | code bits << 8.
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

void BuildLengthAndDistanceTables(DecoderState* s) {
  uint16_t* codes = Scratch(s);
  StreamCodes(kLengthBits, kLengthSymbols, codes);
  for (unsigned sym = 0; sym < unsigned(kLengthSymbols); ++sym)
    Spread(s->length, 7, codes[sym], kLengthBits[sym],
           uint16_t(kLengthBits[sym] | kLengthExtra[sym] << 3 | kLengthBase[sym] << 7));
  StreamCodes(kDistanceBits, kDistanceSymbols, codes);
  for (unsigned sym = 0; sym < unsigned(kDistanceSymbols); ++sym)
    Spread(s->distance, 8, codes[sym], kDistanceBits[sym], uint16_t(sym | kDistanceBits[sym] << 8));
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
      Spread(s->literal, kLiteralPrimaryBits, codes[sym], bits, uint16_t(sym | bits << 8));
    } else {
      uint8_t& need = sub_bits[codes[sym] & 0xFF];
      if (bits - kLiteralPrimaryBits > need) need = uint8_t(bits - kLiteralPrimaryBits);
    }
  }
  unsigned offset = 0;
  for (unsigned prefix = 0; prefix < (1u << kLiteralPrimaryBits); ++prefix) {
    if (!sub_bits[prefix]) continue;
    s->literal[prefix] = uint16_t(kSubTableFlag | sub_bits[prefix] << 10 | offset);
    offset += 1u << sub_bits[prefix];
  }
  for (unsigned sym = 0; sym < unsigned(kLiteralSymbols); ++sym) {
    unsigned bits = kLiteralBits[sym];
    if (bits <= kLiteralPrimaryBits) continue;
    uint16_t entry = s->literal[codes[sym] & 0xFF];
    unsigned rest = bits - kLiteralPrimaryBits;
    Spread(s->literal_sub + (entry & 0x3FF), (entry >> 10) & 15, codes[sym] >> kLiteralPrimaryBits, rest,
           uint16_t(sym | rest << 8));
  }
}

inline uint64_t Load64(const uint8_t* p) {
  uint64_t v;
  std::memcpy(&v, p, 8);
#if defined(__BYTE_ORDER__) && __BYTE_ORDER__ == __ORDER_BIG_ENDIAN__
  v = __builtin_bswap64(v);
#endif
  return v;
}

inline void Copy8(uint8_t* to, const uint8_t* from) { std::memcpy(to, from, 8); }

// For a repeat distance below 8: a multiple of the distance that is at least
// 8, so that 8-byte copies from that far back repeat the same pattern.
constexpr uint8_t kPatternStride[8] = {0, 8, 8, 9, 8, 10, 12, 14};

// Copies a repeat of `length` bytes from `distance` bytes back. May write up
// to 15 bytes past the end (into window slack or bytes not yet produced).
inline void CopyRepeat(uint8_t* out, unsigned distance, unsigned length) {
  uint8_t* end = out + length;
  if (distance >= 8) {
    const uint8_t* from = out - distance;
    Copy8(out, from);
    Copy8(out + 8, from + 8);
    for (out += 16, from += 16; out < end; out += 8, from += 8) Copy8(out, from);
    return;
  }
  const uint8_t* from = out - distance;
  for (unsigned i = 0; i < 8; ++i) out[i] = from[i];
  const unsigned stride = kPatternStride[distance];
  for (out += 8; out < end; out += 8) Copy8(out, out - stride);
}

template <bool kAsciiLiterals>
unsigned DecodeItems(DecoderState* s, const uint8_t* in, const uint8_t* in_end, unsigned dict_bits) {
  uint64_t bits = 0;
  int count = 0;  // valid bits in `bits`; negative once an item ran past the input
  bool input_ended = false;
  uint8_t* const window = s->window;
  uint8_t* out = window + kHistory;
  const uint8_t* oldest = out;  // nothing before the first byte of output exists
  unsigned result = DCL_ABORT;

  for (;;) {
    if (count < 32) {
      if (in_end - in >= 8) {
        // Whole bytes only move `in`; the part-byte bits above `count` are
        // the very bits the next refill puts there again.
        bits |= Load64(in) << count;
        in += (63 - count) >> 3;
        count |= 56;
      } else {
        while (count <= 56) {
          if (in == in_end) {
            if (input_ended) break;
            unsigned got = ReadInput(s, s->input, kDclInputChunk);
            if (!got) {
              input_ended = true;
              break;
            }
            in = s->input;
            in_end = in + got;
          }
          bits |= uint64_t(*in++) << count;
          count += 8;
        }
      }
    }

    if (!(bits & 1)) {
      unsigned literal;
      if (!kAsciiLiterals) {
        literal = unsigned(bits >> 1) & 0xFF;
        bits >>= 9;
        count -= 9;
      } else {
        unsigned entry = s->literal[unsigned(bits >> 1) & 0xFF];
        if (!(entry & kSubTableFlag)) {
          literal = entry & 0xFF;
          unsigned used = 1 + (entry >> 8);
          bits >>= used;
          count -= int(used);
        } else {
          bits >>= 1 + kLiteralPrimaryBits;
          unsigned index = unsigned(bits) & ((1u << ((entry >> 10) & 15)) - 1);
          unsigned sub = s->literal_sub[(entry & 0x3FF) + index];
          literal = sub & 0xFF;
          bits >>= sub >> 8;
          count -= int(1 + kLiteralPrimaryBits + (sub >> 8));
        }
      }
      if (count < 0) break;
      *out++ = uint8_t(literal);
    } else {
      bits >>= 1;
      unsigned entry = s->length[unsigned(bits) & 127];
      unsigned code_bits = entry & 7, extra_bits = (entry >> 3) & 15;
      bits >>= code_bits;
      unsigned length = (entry >> 7) + (unsigned(bits) & ((1u << extra_bits) - 1));
      bits >>= extra_bits;
      count -= int(1 + code_bits + extra_bits);
      if (length == unsigned(kEndOfStream)) {
        if (count >= 0) result = DCL_OK;
        break;
      }
      unsigned low_bits = length == 2 ? unsigned(kShortDistanceBits) : dict_bits;
      unsigned d = s->distance[unsigned(bits) & 0xFF];
      bits >>= d >> 8;
      unsigned distance = ((d & 63) << low_bits | (unsigned(bits) & ((1u << low_bits) - 1))) + 1;
      bits >>= low_bits;
      count -= int((d >> 8) + low_bits);
      if (count < 0) break;
      if (distance > unsigned(out - oldest)) {
        // Reaches before the first byte ever produced: corrupt data, not
        // an invitation to copy whatever the window held.
        result = DCL_BAD_DATA;
        break;
      }
      CopyRepeat(out, distance, length);
      out += length;
    }

    if (out >= window + kFlushAt) {
      WriteOutput(s, window + kHistory, kDclOutputBlock);
      std::memmove(window, window + kDclOutputBlock, size_t(out - window) - kDclOutputBlock);
      out -= kDclOutputBlock;
      oldest = window;
    }
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

  BuildLengthAndDistanceTables(s);
  if (literal_coding == kLiteralsAscii) {
    BuildLiteralTables(s);
    return DecodeItems<true>(s, s->input + 2, s->input + have, dict_code);
  }
  return DecodeItems<false>(s, s->input + 2, s->input + have, dict_code);
}
