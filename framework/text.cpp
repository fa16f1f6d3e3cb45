#include "text.h"

#include <vector>

#include "core/text/format.h"

void CString::Format(const char* format, ...) {
  va_list args;
  va_start(args, format);
  FormatV(format, args);
  va_end(args);
}

void CString::FormatV(const char* format, va_list args) {
  va_list probe;
  va_copy(probe, args);
  int needed = FormatTextV(nullptr, 0, format, probe);
  va_end(probe);
  if (needed < 0) {
    m_str.clear();
    return;
  }
  std::vector<char> buf(static_cast<size_t>(needed) + 1);
  FormatTextV(buf.data(), buf.size(), format, args);
  m_str.assign(buf.data(), static_cast<size_t>(needed));
}
