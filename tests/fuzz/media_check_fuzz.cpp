// The media checker's front end: the input up to its first NUL is setup.cfg,
// the rest is both the archive and the registry file its lines may name,
// on a CD (inputs of even length) or on a set of two floppies (odd length).
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include "core/check/media_check.h"
#include "core/check/memory_media.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const uint8_t* nul = static_cast<const uint8_t*>(std::memchr(data, 0, size));
  const size_t cfgSize = nul ? static_cast<size_t>(nul - data) : size;
  const std::string cfg(reinterpret_cast<const char*>(data), cfgSize);
  std::vector<uint8_t> rest;
  if (nul) rest.assign(nul + 1, data + size);
  const int disks = 1 + int(size & 1);
  MemoryMedia media(disks);
  media.Put(1, "setup.cfg", cfg);
  for (int d = 1; d <= disks; ++d) {
    media.Put(d, "client.z", rest);
    media.Put(d, "vantora.reg", rest);
    media.Put(d, "bin\\vantora.exe", "MZ");
  }
  media.Put(disks, "setup.ini", cfg);
  for (const Finding& f : CheckMedia(media)) {
    if (f.file.empty() || FormatFinding(f).empty()) __builtin_trap();
  }
  return 0;
}
