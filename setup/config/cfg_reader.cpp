#include "setup/config/cfg_reader.h"

#include <windows.h>

#include "core/config/profile_section.h"

int ReadCfgSection(const char* section, std::vector<std::string>& lines, const char* file) {
  std::vector<char> buffer;
  DWORD got = 0;
  // The profile function says "did not fit" by returning size - 2; grow and
  // ask again. Growth is by the usual step while the section is small, then
  // in proportion, so a huge section costs a few reads instead of thousands.
  for (size_t size = kSectionBufferStep;; ) {
    buffer.assign(size, '\0');
    got = GetPrivateProfileSectionA(section, buffer.data(), static_cast<DWORD>(size), file);
    if (got != size - 2) break;
    if (size >= kSectionBufferMax) break;
    size += size < 8 * kSectionBufferStep ? kSectionBufferStep : size;
  }
  if (got == 0) return -1;
  AppendSectionLines(buffer.data(), got, lines);
  return static_cast<int>(lines.size());
}

int ReadCfgString(const char* section, const char* key, std::string& out, const char* def,
                  const char* file, int size) {
  if (size < 1) size = 1;
  std::vector<char> buffer(static_cast<size_t>(size) + 1, '\0');
  GetPrivateProfileStringA(section, key, def, buffer.data(), static_cast<DWORD>(size), file);
  out = buffer.data();
  return out != (def ? def : "") ? 1 : 0;
}

bool CfgSectionHasContent(const char* section, const char* file) {
  char probe[7];
  return GetPrivateProfileSectionA(section, probe, sizeof probe, file) != 0;
}
