// TEMPORARY STUB
#include "core/text/format.h"
#include <cstdint>
int FormatTextV(char* b, size_t size, const char* f, va_list a) {
  size_t n = 0;
  auto put = [&](char c) { if (n + 1 < size) b[n] = c; ++n; };
  for (; *f; ++f) {
    if (*f != '%') { put(*f); continue; }
    ++f; bool l = false; int prec = -1;
    if (*f == '.') { prec = 0; ++f; while (*f >= '0' && *f <= '9') prec = prec * 10 + (*f++ - '0'); }
    if (*f == 'l') { l = true; ++f; }
    char tmp[32]; int t = 0;
    switch (*f) {
      case '%': put('%'); break;
      case 'c': put((char)va_arg(a, int)); break;
      case 's': { const char* s = va_arg(a, const char*); if (!s) s = "(null)"; for (int i = 0; *s && (prec < 0 || i < prec); ++i) put(*s++); break; }
      case 'd': { long v = l ? va_arg(a, long) : va_arg(a, int); unsigned long u = v < 0 ? 0ul - (unsigned long)v : v; if (v < 0) put('-'); do tmp[t++] = '0' + u % 10; while (u /= 10); while (t) put(tmp[--t]); break; }
      case 'u': { unsigned long u = l ? va_arg(a, unsigned long) : va_arg(a, unsigned); do tmp[t++] = '0' + u % 10; while (u /= 10); while (t) put(tmp[--t]); break; }
      case 'x': case 'p': { uintptr_t u = *f == 'p' ? (uintptr_t)va_arg(a, void*) : (l ? va_arg(a, unsigned long) : va_arg(a, unsigned)); do tmp[t++] = "0123456789abcdef"[u % 16]; while (u /= 16); while (t) put(tmp[--t]); break; }
      default: return -1;
    }
  }
  if (size) b[n < size ? n : size - 1] = 0;
  return (int)n;
}
int FormatText(char* b, size_t size, const char* f, ...) { va_list a; va_start(a, f); int r = FormatTextV(b, size, f, a); va_end(a); return r; }
