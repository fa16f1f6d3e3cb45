// Decoder of implode streams, driven entirely through two callbacks so that
// it knows nothing of files. All of its state lives in a work area that the
// caller owns; it allocates nothing.
#pragma once
#include <cstdint>

// The caller's work area: exactly 12596 bytes. One serves any number of
// consecutive decodings.
struct DclWorkArea {
  uint32_t words[3149];
};
static_assert(sizeof(DclWorkArea) == 12596, "the work area is 12596 bytes");

enum DclResult : unsigned {
  DCL_OK = 0,            // end-of-stream code reached, all output written
  DCL_BAD_DICTSIZE = 1,  // header byte 1 is not 4, 5 or 6
  DCL_BAD_MODE = 2,      // header byte 0 is neither 0 nor 1
  DCL_BAD_DATA = 3,      // input of 4 bytes or fewer, or a repeat reaching
                         // before the start of the output
  DCL_ABORT = 4,         // input ended before the end-of-stream code
};

// Places at most *size bytes in buf and returns how many; 0 means no more
// input. The decoder always asks for 2048 bytes.
using DclReadFn = unsigned (*)(char* buf, unsigned* size, void* param);
// Consumes exactly *size bytes from buf. Blocks of 4096 bytes while
// decoding, then one final block of 0 to 4095 bytes.
using DclWriteFn = void (*)(char* buf, unsigned* size, void* param);

constexpr unsigned kDclInputChunk = 2048;
constexpr unsigned kDclOutputBlock = 4096;

unsigned DclDecode(DclReadFn read, DclWriteFn write, DclWorkArea* work, void* param);
