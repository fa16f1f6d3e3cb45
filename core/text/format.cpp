#include "core/text/format.h"

#include <climits>
#include <cstdint>

namespace {

// The largest width or precision taken: beyond it a format is refused
// rather than spending seconds on padding no caller asks for.
constexpr int kMaxField = 65536;

// Writes what fits and counts all of it.
class Out {
 public:
  Out(char* buffer, size_t size) : m_buffer(buffer), m_size(size) {}
  void Put(char c) {
    if (m_count + 1 < m_size) m_buffer[m_count] = c;
    ++m_count;
  }
  void Repeat(char c, int n) {
    for (; n > 0; --n) Put(c);
  }
  void Text(const char* s, size_t n) {
    for (size_t i = 0; i < n; ++i) Put(s[i]);
  }
  size_t Count() const { return m_count; }
  // The NUL after what fitted.
  void End() {
    if (m_size) m_buffer[m_count < m_size ? m_count : m_size - 1] = '\0';
  }

 private:
  char* m_buffer;
  size_t m_size;
  size_t m_count = 0;
};

enum class Length { kInt, kChar, kShort, kLong, kLongLong, kSize, kMax, kPtrDiff, kInt32, kInt64 };

struct Conversion {
  bool left = false, plus = false, space = false, alt = false, zero = false;
  int width = 0;
  int precision = -1;  // none
  Length length = Length::kInt;
  char conversion = 0;
};

// Digits of a field (width or precision) at *p; false beyond kMaxField.
bool Number(const char*& p, int* value) {
  int n = 0;
  while (*p >= '0' && *p <= '9') {
    n = n * 10 + (*p++ - '0');
    if (n > kMaxField) return false;
  }
  *value = n;
  return true;
}

// The conversion after a '%' at *p (moved past it); false when it is one
// this does not support.
bool Parse(const char*& p, va_list* args, Conversion* s) {
  for (;; ++p) {
    if (*p == '-') s->left = true;
    else if (*p == '+') s->plus = true;
    else if (*p == ' ') s->space = true;
    else if (*p == '#') s->alt = true;
    else if (*p == '0') s->zero = true;
    else break;
  }
  if (*p == '*') {
    ++p;
    const int w = va_arg(*args, int);
    if (w < -kMaxField || w > kMaxField) return false;
    if (w < 0) s->left = true;
    s->width = w < 0 ? -w : w;
  } else if (!Number(p, &s->width)) {
    return false;
  }
  if (*p == '.') {
    ++p;
    if (*p == '*') {
      ++p;
      const int v = va_arg(*args, int);
      if (v > kMaxField) return false;
      s->precision = v < 0 ? -1 : v;
    } else if (!Number(p, &s->precision)) {
      return false;
    }
  }
  switch (*p) {
    case 'h':
      s->length = p[1] == 'h' ? (++p, Length::kChar) : Length::kShort;
      ++p;
      break;
    case 'l':
      s->length = p[1] == 'l' ? (++p, Length::kLongLong) : Length::kLong;
      ++p;
      break;
    case 'z': s->length = Length::kSize, ++p; break;
    case 'j': s->length = Length::kMax, ++p; break;
    case 't': s->length = Length::kPtrDiff, ++p; break;
    case 'I':
      if (p[1] == '6' && p[2] == '4') s->length = Length::kInt64, p += 3;
      else if (p[1] == '3' && p[2] == '2') s->length = Length::kInt32, p += 3;
      else return false;
      break;
    default: break;
  }
  s->conversion = *p;
  if (!*p) return false;
  ++p;
  switch (s->conversion) {
    case 'd': case 'i': case 'u': case 'o': case 'x': case 'X': return true;
    case 'c': case 's': case 'p': case '%': return s->length == Length::kInt;  // no wide characters
    default: return false;
  }
}

intmax_t SignedArg(Length length, va_list* args) {
  switch (length) {
    case Length::kChar: return static_cast<signed char>(va_arg(*args, int));
    case Length::kShort: return static_cast<short>(va_arg(*args, int));
    case Length::kLong: return va_arg(*args, long);
    case Length::kLongLong: case Length::kInt64: return va_arg(*args, long long);
    case Length::kSize: case Length::kPtrDiff: return va_arg(*args, ptrdiff_t);
    case Length::kMax: return va_arg(*args, intmax_t);
    default: return va_arg(*args, int);
  }
}

uintmax_t UnsignedArg(Length length, va_list* args) {
  switch (length) {
    case Length::kChar: return static_cast<unsigned char>(va_arg(*args, unsigned));
    case Length::kShort: return static_cast<unsigned short>(va_arg(*args, unsigned));
    case Length::kLong: return va_arg(*args, unsigned long);
    case Length::kLongLong: case Length::kInt64: return va_arg(*args, unsigned long long);
    case Length::kSize: case Length::kPtrDiff: return va_arg(*args, size_t);
    case Length::kMax: return va_arg(*args, uintmax_t);
    default: return va_arg(*args, unsigned);
  }
}

// Pads to the width around a field of `size` characters.
void PadBefore(Out& out, const Conversion& s, size_t size) {
  if (!s.left && s.width > static_cast<int>(size)) out.Repeat(' ', s.width - static_cast<int>(size));
}
void PadAfter(Out& out, const Conversion& s, size_t size) {
  if (s.left && s.width > static_cast<int>(size)) out.Repeat(' ', s.width - static_cast<int>(size));
}

void Integer(Out& out, const Conversion& s, va_list* args) {
  const bool isSigned = s.conversion == 'd' || s.conversion == 'i';
  uintmax_t magnitude;
  char sign = 0;
  if (isSigned) {
    const intmax_t v = SignedArg(s.length, args);
    magnitude = v < 0 ? 0 - static_cast<uintmax_t>(v) : static_cast<uintmax_t>(v);
    sign = v < 0 ? '-' : s.plus ? '+' : s.space ? ' ' : 0;
  } else {
    magnitude = UnsignedArg(s.length, args);
  }
  const unsigned base = s.conversion == 'o' ? 8 : (s.conversion == 'x' || s.conversion == 'X') ? 16 : 10;
  const char* digitSet = s.conversion == 'X' ? "0123456789ABCDEF" : "0123456789abcdef";
  char digits[24];  // 22 octal digits hold 64 bits
  int n = 0;
  for (uintmax_t v = magnitude; v; v /= base) digits[n++] = digitSet[v % base];
  // A precision is a least number of digits: 0 with no precision is "0";
  // with precision 0 it is nothing.
  int precision = s.precision < 0 ? 1 : s.precision;
  if (s.alt && base == 8 && precision <= n) precision = n + 1;  // a leading 0
  const int zeros = precision > n ? precision - n : 0;
  char prefix[2];
  int prefixSize = 0;
  if (sign) prefix[prefixSize++] = sign;
  if (s.alt && base == 16 && magnitude) prefix[prefixSize++] = '0', prefix[prefixSize++] = s.conversion;
  const size_t size = static_cast<size_t>(prefixSize + zeros + n);
  const bool zeroPad = s.zero && !s.left && s.precision < 0;
  if (!zeroPad) PadBefore(out, s, size);
  out.Text(prefix, static_cast<size_t>(prefixSize));
  if (zeroPad && s.width > static_cast<int>(size)) out.Repeat('0', s.width - static_cast<int>(size));
  out.Repeat('0', zeros);
  while (n) out.Put(digits[--n]);
  PadAfter(out, s, size);
}

void String(Out& out, const Conversion& s, const char* text) {
  if (!text) text = "(null)";
  size_t n = 0;  // never past the precision: the text need not end there
  while ((s.precision < 0 || n < static_cast<size_t>(s.precision)) && text[n]) ++n;
  PadBefore(out, s, n);
  out.Text(text, n);
  PadAfter(out, s, n);
}

void Pointer(Out& out, const Conversion& s, const void* p) {
  char text[2 * sizeof(void*)];
  uintptr_t v = reinterpret_cast<uintptr_t>(p);
  for (size_t i = sizeof text; i-- > 0; v >>= 4) text[i] = "0123456789ABCDEF"[v & 15];
  PadBefore(out, s, sizeof text);
  out.Text(text, sizeof text);
  PadAfter(out, s, sizeof text);
}

}  // namespace

int FormatTextV(char* buffer, size_t size, const char* format, va_list args) {
  Out out(buffer, size);
  va_list rest;
  va_copy(rest, args);
  bool ok = format != nullptr;
  for (const char* p = format; ok && *p;) {
    if (*p != '%') {
      out.Put(*p++);
      continue;
    }
    ++p;
    Conversion s;
    if (!Parse(p, &rest, &s)) {
      ok = false;
      break;
    }
    switch (s.conversion) {
      case '%': out.Put('%'); break;
      case 'c':
        PadBefore(out, s, 1);
        out.Put(static_cast<char>(va_arg(rest, int)));
        PadAfter(out, s, 1);
        break;
      case 's': String(out, s, va_arg(rest, const char*)); break;
      case 'p': Pointer(out, s, va_arg(rest, const void*)); break;
      default: Integer(out, s, &rest); break;
    }
    if (out.Count() > INT_MAX) ok = false;
  }
  va_end(rest);
  if (!ok) {
    if (size) buffer[0] = '\0';
    return -1;
  }
  out.End();
  return static_cast<int>(out.Count());
}

int FormatText(char* buffer, size_t size, const char* format, ...) {
  va_list args;
  va_start(args, format);
  const int n = FormatTextV(buffer, size, format, args);
  va_end(args);
  return n;
}
