// The fixed codes of the implode stream format, shared by the decoder and
// the encoder. The format has no code tables of its own in the stream: every
// literal, length and distance code is one of these, known to both ends.
#pragma once
#include <cstdint>

namespace dcl {

constexpr int kLiteralSymbols = 256;
constexpr int kLengthSymbols = 16;
constexpr int kDistanceSymbols = 64;

constexpr int kMinMatch = 2;
constexpr int kMaxMatch = 518;
// The length value that marks the end of the stream.
constexpr int kEndOfStream = 519;
// Repeats of length 2 carry only this many low distance bits.
constexpr int kShortDistanceBits = 2;

// Header byte 0: how literals are written.
enum LiteralCoding : uint8_t { kLiteralsBinary = 0, kLiteralsAscii = 1 };

// Code lengths in bits, per symbol.
extern const uint8_t kLiteralBits[kLiteralSymbols];
extern const uint8_t kLengthBits[kLengthSymbols];
extern const uint8_t kDistanceBits[kDistanceSymbols];

// Each length symbol stands for kLengthBase[s] plus kLengthExtra[s] extra bits.
extern const uint16_t kLengthBase[kLengthSymbols];
extern const uint8_t kLengthExtra[kLengthSymbols];

// The codes as they appear in the stream: the first bit sent is bit 0 of the
// value. (The format assigns canonical codes, shortest first and by symbol
// within a length, and sends each code most significant bit first with every
// bit inverted; these values already have that folded in.)
void StreamCodes(const uint8_t* bits, int count, uint16_t* codes);

// Dictionary size code (header byte 1) for a window of 1024, 2048 or 4096
// bytes; 0 for any other size.
int DictionaryCode(int window_size);

}  // namespace dcl
