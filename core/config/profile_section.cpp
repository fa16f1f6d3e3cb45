#include "core/config/profile_section.h"

#include <cstring>

void AppendSectionLines(const char* buffer, size_t length, std::vector<std::string>& lines) {
  size_t pos = 0;
  while (pos < length && buffer[pos] != '\0') {
    const void* end = std::memchr(buffer + pos, '\0', length - pos);
    const size_t n = end ? static_cast<size_t>(static_cast<const char*>(end) - (buffer + pos))
                         : length - pos;
    if (buffer[pos] != ';') lines.emplace_back(buffer + pos, n);
    pos += n + 1;
  }
}
