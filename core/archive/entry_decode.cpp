#include "core/archive/entry_decode.h"

unsigned ArchiveReadCallback(char* buf, unsigned* size, void* param) {
  auto* ctx = static_cast<ArchiveReadContext*>(param);
  uint64_t at = ctx->archive->Tell();
  uint64_t left = at < ctx->end ? ctx->end - at : 0;
  size_t want = *size < left ? *size : size_t(left);
  return want ? unsigned(ctx->archive->Read(buf, want)) : 0;
}

void ArchiveWriteCallback(char* buf, unsigned* size, void* param) {
  auto* ctx = static_cast<ArchiveReadContext*>(param);
  if (*size && !ctx->write_failed && !ctx->output->Write(buf, *size)) ctx->write_failed = true;
}

unsigned DecodeEntry(ByteSource& archive, uint64_t start, uint64_t end, ByteSink& output, DclWorkArea* work) {
  if (end < start || end > archive.Size() || !archive.Seek(start)) return DCL_ABORT;
  ArchiveReadContext ctx;
  ctx.archive = &archive;
  ctx.output = &output;
  ctx.end = end;
  unsigned result = DclDecode(ArchiveReadCallback, ArchiveWriteCallback, work, &ctx);
  if (result == DCL_OK && ctx.write_failed) return DCL_ABORT;
  return result;
}
