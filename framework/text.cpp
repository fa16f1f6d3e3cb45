#include "text.h"

#include <cstdio>
#include <vector>

void CString::Format(const char* format, ...) {
  va_list args;
  va_start(args, format);
  FormatV(format, args);
  va_end(args);
}

void CString::FormatV(const char* format, va_list args) {
  va_list probe;
  va_copy(probe, args);
  int needed = std::vsnprintf(nullptr, 0, format, probe);
  va_end(probe);
  if (needed < 0) {
    m_str.clear();
    return;
  }
  std::vector<char> buf(static_cast<size_t>(needed) + 1);
  std::vsnprintf(buf.data(), buf.size(), format, args);
  m_str.assign(buf.data(), static_cast<size_t>(needed));
}
