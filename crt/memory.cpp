// The C library's memory, string and character functions that our code and
// the compiler call. Built with -fno-builtin and without loop-to-call
// rewriting (cmake/shipped.cmake), or the compiler would turn these loops
// back into calls to themselves.
//
// Copies and fills use the string instructions: on a Pentium a REP MOVSD
// moves a word a clock, and on today's processors REP MOVS is the fast
// path for large blocks.
#include <cstddef>
#include <cstdint>

namespace {
#if defined(__x86_64__)
using Word = uint64_t;
#define VT_REP_MOVS_WORD "rep movsq"
#define VT_REP_STOS_WORD "rep stosq"
#else
using Word = uint32_t;
#define VT_REP_MOVS_WORD "rep movsl"
#define VT_REP_STOS_WORD "rep stosl"
#endif

}  // namespace

extern "C" {

void* memcpy(void* dst, const void* src, size_t n) {
  unsigned char* d = static_cast<unsigned char*>(dst);
  const unsigned char* s = static_cast<const unsigned char*>(src);
  size_t words = n / sizeof(Word), bytes = n % sizeof(Word);
  __asm__ volatile(VT_REP_MOVS_WORD "\n\tmov %3, %2\n\trep movsb"
                   : "+D"(d), "+S"(s), "+c"(words)
                   : "r"(bytes)
                   : "memory");
  return dst;
}

void* memmove(void* dst, const void* src, size_t n) {
  unsigned char* d = static_cast<unsigned char*>(dst);
  const unsigned char* s = static_cast<const unsigned char*>(src);
  if (d <= s || d >= s + n) return memcpy(dst, src, n);
  // Overlapping with the destination above: from the end down.
  while (n--) d[n] = s[n];
  return dst;
}

void* memset(void* dst, int value, size_t n) {
  unsigned char* d = static_cast<unsigned char*>(dst);
  const Word fill = static_cast<Word>(static_cast<unsigned char>(value)) * (~Word{0} / 0xFF);
  size_t words = n / sizeof(Word), bytes = n % sizeof(Word);
  __asm__ volatile(VT_REP_STOS_WORD "\n\tmov %2, %1\n\trep stosb"
                   : "+D"(d), "+c"(words)
                   : "r"(bytes), "a"(fill)
                   : "memory");
  return dst;
}

int memcmp(const void* a, const void* b, size_t n) {
  const unsigned char* p = static_cast<const unsigned char*>(a);
  const unsigned char* q = static_cast<const unsigned char*>(b);
  for (size_t i = 0; i < n; ++i)
    if (p[i] != q[i]) return p[i] < q[i] ? -1 : 1;
  return 0;
}

void* memchr(const void* block, int value, size_t n) {
  const unsigned char* p = static_cast<const unsigned char*>(block);
  const unsigned char c = static_cast<unsigned char>(value);
  for (size_t i = 0; i < n; ++i)
    if (p[i] == c) return const_cast<unsigned char*>(p + i);
  return nullptr;
}

size_t strlen(const char* s) {
  const char* p = s;
  while (*p) ++p;
  return static_cast<size_t>(p - s);
}

int strcmp(const char* a, const char* b) {
  const unsigned char* p = reinterpret_cast<const unsigned char*>(a);
  const unsigned char* q = reinterpret_cast<const unsigned char*>(b);
  while (*p && *p == *q) ++p, ++q;
  return *p == *q ? 0 : (*p < *q ? -1 : 1);
}

int strncmp(const char* a, const char* b, size_t n) {
  const unsigned char* p = reinterpret_cast<const unsigned char*>(a);
  const unsigned char* q = reinterpret_cast<const unsigned char*>(b);
  for (; n; --n, ++p, ++q) {
    if (*p != *q) return *p < *q ? -1 : 1;
    if (!*p) break;
  }
  return 0;
}

char* strcpy(char* dst, const char* src) {
  char* d = dst;
  while ((*d++ = *src++)) {
  }
  return dst;
}

char* strchr(const char* s, int c) {
  const char ch = static_cast<char>(c);
  for (;; ++s) {
    if (*s == ch) return const_cast<char*>(s);
    if (!*s) return nullptr;
  }
}

char* strrchr(const char* s, int c) {
  const char ch = static_cast<char>(c);
  const char* found = nullptr;
  for (;; ++s) {
    if (*s == ch) found = s;
    if (!*s) return const_cast<char*>(found);
  }
}

// The "C" locale's: only the 26 unaccented letters change case, as in the
// runtime the programs were written for.
int toupper(int c) { return c >= 'a' && c <= 'z' ? c - 'a' + 'A' : c; }
int tolower(int c) { return c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c; }

// Blanks, an optional sign, decimal digits; what follows is ignored. The
// value wraps as 32-bit arithmetic does rather than overflowing.
int atoi(const char* s) {
  while (*s == ' ' || (*s >= '\t' && *s <= '\r')) ++s;
  const bool negative = *s == '-';
  if (*s == '-' || *s == '+') ++s;
  unsigned value = 0;
  while (*s >= '0' && *s <= '9') value = value * 10 + static_cast<unsigned>(*s++ - '0');
  return static_cast<int>(negative ? 0u - value : value);
}

}  // extern "C"
