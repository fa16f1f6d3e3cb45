// Decoding one archive entry: the implode decoder reads the entry's bytes
// from the archive, never past the entry's end offset, and writes to the
// output.
#pragma once
#include <cstdint>

#include "core/dcl/dcl_decode.h"
#include "core/io/byte_stream.h"

// Handed to the decoder as its user data.
struct ArchiveReadContext {
  ByteSource* archive = nullptr;
  ByteSink* output = nullptr;
  uint64_t end = 0;            // just past the entry's data
  bool write_failed = false;   // the output refused bytes
};

unsigned ArchiveReadCallback(char* buf, unsigned* size, void* param);
void ArchiveWriteCallback(char* buf, unsigned* size, void* param);

// Seeks to the entry's data and decodes it into `output`. Returns the
// decoder's result, or DCL_ABORT when the data cannot be reached; a refused
// write also counts as DCL_ABORT, so that a full disk is not taken for
// success.
unsigned DecodeEntry(ByteSource& archive, uint64_t start, uint64_t end, ByteSink& output, DclWorkArea* work);
