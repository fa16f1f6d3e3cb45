#include "opened_archive.h"

#include <cerrno>
#include <cstdio>
#include <cstring>

#include "commands.h"
#include "core/dcl/dcl_decode.h"
#include "duplicates.h"

OpenedArchive::OpenedArchive(const std::string& path) : file(path, "rb") {
  if (!file) {
    std::fprintf(stderr, "vtpack: cannot open %s: %s\n", path.c_str(), std::strerror(errno));
    return;
  }
  source.reset(new FileSource(file.get()));
  reader.reset(new ArchiveReader(*source));
  if (!reader->ReadHeader()) {
    std::fprintf(stderr, "vtpack: %s: %s\n", path.c_str(), reader->error().c_str());
    reader.reset();
  }
}

int OpenedArchive::failure() const { return file ? kExitDamaged : kExitFailed; }

bool OpenedArchive::ReadTable() {
  entries.clear();
  ArchiveEntry e;
  for (unsigned i = 0; i < reader->entry_count(); ++i) {
    if (!reader->NextEntry(e)) {
      std::fprintf(stderr, "vtpack: damaged archive: %s\n", reader->error().c_str());
      return false;
    }
    entries.push_back(e);
  }
  return true;
}

unsigned OpenedArchive::WarnDuplicates() const {
  DuplicateNames names;
  unsigned count = 0;
  std::string earlier;
  for (size_t i = 0; i < entries.size(); ++i) {
    if (names.Add(entries[i].name, earlier)) continue;
    std::fprintf(stderr, "vtpack: warning: entry %zu, %s, is the same file as %s for the setup\n", i + 1,
                 entries[i].name.c_str(), earlier.c_str());
    ++count;
  }
  return count;
}

const char* ResultText(unsigned r) {
  switch (r) {
    case DCL_OK: return "OK";
    case DCL_BAD_DICTSIZE: return "bad dictionary size";
    case DCL_BAD_MODE: return "bad literal coding";
    case DCL_BAD_DATA: return "corrupt data";
    default: return "data ends early";
  }
}
