#include "core/dcl/dcl_codes.h"

namespace dcl {

const uint8_t kLiteralBits[kLiteralSymbols] = {
    11, 12, 12, 12, 12, 12, 12, 12, 12, 8, 7, 12, 12, 7, 12, 12,
    12, 12, 12, 12, 12, 12, 12, 12, 12, 12, 13, 12, 12, 12, 12, 12,
    4, 10, 8, 12, 10, 12, 10, 8, 7, 7, 8, 9, 7, 6, 7, 8,
    7, 6, 7, 7, 7, 7, 8, 7, 7, 8, 8, 12, 11, 7, 9, 11,
    12, 6, 7, 6, 6, 5, 7, 8, 8, 6, 11, 9, 6, 7, 6, 6,
    7, 11, 6, 6, 6, 7, 9, 8, 9, 9, 11, 8, 11, 9, 12, 8,
    12, 5, 6, 6, 6, 5, 6, 6, 6, 5, 11, 7, 5, 6, 5, 5,
    6, 10, 5, 5, 5, 5, 8, 7, 8, 8, 10, 11, 11, 12, 12, 12,
    13, 13, 13, 13, 13, 13, 13, 13, 13, 13, 13, 13, 13, 13, 13, 13,
    13, 13, 13, 13, 13, 13, 13, 13, 13, 13, 13, 13, 13, 13, 13, 13,
    13, 13, 13, 13, 13, 13, 13, 13, 13, 13, 13, 13, 13, 13, 13, 13,
    12, 12, 12, 12, 12, 12, 12, 12, 12, 12, 12, 12, 12, 12, 12, 12,
    12, 12, 12, 12, 12, 12, 12, 12, 12, 12, 12, 12, 12, 12, 12, 12,
    12, 12, 12, 12, 12, 12, 12, 12, 12, 12, 12, 12, 12, 12, 12, 12,
    13, 12, 13, 13, 13, 12, 13, 13, 13, 12, 13, 13, 13, 13, 12, 13,
    13, 13, 12, 12, 12, 13, 13, 13, 13, 13, 13, 13, 13, 13, 13, 13,
};

const uint8_t kLengthBits[kLengthSymbols] = {2, 3, 3, 3, 4, 4, 4, 5, 5, 5, 5, 6, 6, 6, 7, 7};

const uint8_t kDistanceBits[kDistanceSymbols] = {
    2, 4, 4, 5, 5, 5, 5, 6, 6, 6, 6, 6, 6, 6, 6, 6,
    6, 6, 6, 6, 6, 6, 7, 7, 7, 7, 7, 7, 7, 7, 7, 7,
    7, 7, 7, 7, 7, 7, 7, 7, 7, 7, 7, 7, 7, 7, 7, 7,
    8, 8, 8, 8, 8, 8, 8, 8, 8, 8, 8, 8, 8, 8, 8, 8,
};

const uint16_t kLengthBase[kLengthSymbols] = {3, 2, 4, 5, 6, 7, 8, 9,
                                              10, 12, 16, 24, 40, 72, 136, 264};
const uint8_t kLengthExtra[kLengthSymbols] = {0, 0, 0, 0, 0, 0, 0, 0, 1, 2, 3, 4, 5, 6, 7, 8};

void StreamCodes(const uint8_t* bits, int count, uint16_t* codes) {
  // Canonical assignment: walk the lengths upwards, symbols in order within
  // a length, the next code being the previous one plus one, widened.
  unsigned code = 0;
  int previous = 0;
  bool first = true;
  for (int length = 1; length <= 16; ++length) {
    for (int s = 0; s < count; ++s) {
      if (bits[s] != length) continue;
      if (first) {
        first = false;
      } else {
        code = (code + 1) << (length - previous);
      }
      previous = length;
      // Inverted, most significant bit first: reverse into send order.
      unsigned inverted = ~code & ((1u << length) - 1);
      unsigned sent = 0;
      for (int i = 0; i < length; ++i) sent |= ((inverted >> (length - 1 - i)) & 1u) << i;
      codes[s] = static_cast<uint16_t>(sent);
    }
  }
}

int DictionaryCode(int window_size) {
  switch (window_size) {
    case 1024: return 4;
    case 2048: return 5;
    case 4096: return 6;
    default: return 0;
  }
}

}  // namespace dcl
