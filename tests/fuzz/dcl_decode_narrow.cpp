// The decoder once more with the 32-bit bit buffer of the 32-bit programs
// we ship, under its own name, so that one fuzz target can hold both.
#define VT_DCL_BIT_BUFFER 32
#define DclDecode DclDecodeNarrow
#include "core/dcl/dcl_decode.cpp"
