// libFuzzer target: any byte string as a packed archive. Every entry header
// is read, its name checked, and its data decoded, exactly as extraction
// does, with nothing read or written outside the buffers.
#include <cstdint>
#include <memory>

#include "core/archive/archive_format.h"
#include "core/archive/entry_decode.h"
#include "core/archive/entry_name.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  MemorySource source(data, size);
  ArchiveReader reader(source);
  if (!reader.ReadHeader()) return 0;
  std::unique_ptr<DclWorkArea> work(new DclWorkArea);
  ArchiveEntry entry;
  for (unsigned i = 0; i < reader.entry_count(); ++i) {
    if (!reader.NextEntry(entry)) break;
    if (entry.name.size() > kMaxNameField || entry.data_end > size || entry.data_start > entry.data_end)
      __builtin_trap();
    EntryPath where;
    std::string why;
    if (SplitEntryName(entry.name, reader.has_paths(), where, &why)) {
      // What passes must stay below the destination.
      if (where.file.empty() || where.file.find(':') != std::string::npos) __builtin_trap();
      if (!where.directory.empty() && where.directory[0] == '\\') __builtin_trap();
      if (where.directory.find(':') != std::string::npos) __builtin_trap();
      std::string parts = "\\" + where.directory + "\\";
      if (parts.find("\\..\\") != std::string::npos) __builtin_trap();
    }
    CountingSink sink;
    DecodeEntry(source, entry.data_start, entry.data_end, sink, work.get());
  }
  return 0;
}
