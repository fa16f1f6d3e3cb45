// The formatter every program and tool prints with (core/text/format.h):
// against the C library's snprintf wherever the two are meant to agree, and
// on its own where they part (the Microsoft runtime's %p and I64, "(null)",
// and what it refuses).
#include <gtest/gtest.h>

#include <climits>
#include <cstdint>
#include <cstdio>
#include <string>

#include "core/text/format.h"

namespace {
template <typename... Args>
std::string Ours(const char* format, Args... args) {
  char buffer[512];
  const int n = FormatText(buffer, sizeof buffer, format, args...);
  return n < 0 ? "<refused>" : std::string(buffer) + "|" + std::to_string(n);
}

template <typename... Args>
std::string Theirs(const char* format, Args... args) {
  char buffer[512];
  const int n = std::snprintf(buffer, sizeof buffer, format, args...);
  return std::string(buffer) + "|" + std::to_string(n);
}

// Every combination of flags, width and precision for one conversion and
// one value, compared with the C library.
template <typename T>
void Sweep(const char* length, char conversion, T value) {
  const char* flagSets[] = {"", "-", "+", " ", "#", "0", "-0", "+0", "- #", "+ 0#"};
  const char* widths[] = {"", "1", "7", "25", "*"};
  const char* precisions[] = {"", ".", ".0", ".1", ".5", ".30", ".*"};
  for (const char* flags : flagSets)
    for (const char* width : widths)
      for (const char* precision : precisions) {
        const std::string f = std::string("[%") + flags + width + precision + length + conversion + "]";
        const bool starW = *width == '*', starP = std::string(precision) == ".*";
        std::string ours, theirs;
        if (starW && starP) {
          ours = Ours(f.c_str(), -9, 4, value), theirs = Theirs(f.c_str(), -9, 4, value);
        } else if (starW || starP) {
          ours = Ours(f.c_str(), starW ? 12 : -3, value), theirs = Theirs(f.c_str(), starW ? 12 : -3, value);
        } else {
          ours = Ours(f.c_str(), value), theirs = Theirs(f.c_str(), value);
        }
        ASSERT_EQ(ours, theirs) << f << " of " << +value;
      }
}
}  // namespace

#if defined(__GNUC__)
#pragma GCC diagnostic ignored "-Wformat"  // the sweeps build their formats at run time
#pragma GCC diagnostic ignored "-Wformat-security"
#pragma GCC diagnostic ignored "-Wformat-overflow"
#endif

TEST(FormatText, IntegersAgreeWithTheCLibrary) {
#if !defined(__GLIBC__)
  // MinGW's printf parts from the C standard here ("% u" keeps its blank,
  // "%#.o" of 0 prints nothing); the native run holds ours to glibc's.
  GTEST_SKIP() << "compared with glibc's snprintf in the native run";
#endif
  for (int v : {0, 1, -1, 42, -42, 255, INT_MAX, INT_MIN}) {
    Sweep("", 'd', v);
    Sweep("", 'i', v);
    Sweep("", 'u', static_cast<unsigned>(v));
    Sweep("", 'x', static_cast<unsigned>(v));
    Sweep("", 'X', static_cast<unsigned>(v));
    Sweep("", 'o', static_cast<unsigned>(v));
    Sweep("hh", 'd', v);  // passed as int, printed as a char's value
    Sweep("h", 'u', v);
  }
  for (long long v : {0LL, -1LL, LLONG_MAX, LLONG_MIN, 1234567890123LL}) {
    Sweep("ll", 'd', v);
    Sweep("ll", 'x', static_cast<unsigned long long>(v));
  }
  for (long v : {0L, -5L, LONG_MAX}) Sweep("l", 'd', v);
  Sweep("l", 'u', ULONG_MAX);
  Sweep("z", 'u', SIZE_MAX);
  Sweep("j", 'd', INTMAX_MIN);
  Sweep("t", 'd', static_cast<ptrdiff_t>(-7));
}

TEST(FormatText, CharactersAndStringsAgreeWithTheCLibrary) {
  for (const char* s : {"", "a", "Vantora", "C:\\Program Files\\Corvane"}) {
    for (const char* f : {"[%s]", "[%10s]", "[%-10s]", "[%.3s]", "[%8.2s]", "[%-*s]", "[%.*s]"}) {
      const bool star = std::string(f).find('*') != std::string::npos;
      EXPECT_EQ(star ? Ours(f, 6, s) : Ours(f, s), star ? Theirs(f, 6, s) : Theirs(f, s)) << f << " of " << s;
    }
  }
  for (const char* f : {"[%c]", "[%3c]", "[%-3c]", "%c%c"})
    EXPECT_EQ(Ours(f, 'x', 'y'), Theirs(f, 'x', 'y')) << f;
  EXPECT_EQ(Ours("100%% sure %5%", 1), "100% sure %|11");
  // A NUL character is written and counted like any other.
  char b[8];
  EXPECT_EQ(FormatText(b, sizeof b, "a%cb", 0), 3);
  EXPECT_EQ(b[2], 'b');
}

TEST(FormatText, WhatTheMicrosoftRuntimeDid) {
  // Pointers: upper-case, as wide as a pointer, no 0x.
  const std::string p = sizeof(void*) == 4 ? "0012ABCD" : "000000000012ABCD";
  EXPECT_EQ(Ours("%p", reinterpret_cast<void*>(0x12abcd)), p + "|" + std::to_string(p.size()));
  EXPECT_EQ(Ours("[%-20p]", nullptr), "[" + std::string(2 * sizeof(void*), '0') +
                                          std::string(20 - 2 * sizeof(void*), ' ') + "]|22");
  EXPECT_EQ(Ours("%I64d %I64u %I32d", -5LL, 18446744073709551615ULL, -7), "-5 18446744073709551615 -7|26");
  EXPECT_EQ(Ours("[%s] [%.2s]", static_cast<const char*>(nullptr), static_cast<const char*>(nullptr)),
            "[(null)] [(n]|13");
  // A precision stops reading: the text need not end.
  const char unterminated[3] = {'a', 'b', 'c'};
  EXPECT_EQ(Ours("%.3s", unterminated), "abc|3");
}

TEST(FormatText, RefusesWhatItDoesNotSupport) {
  for (const char* f : {"%f", "%e", "%g", "%a", "%Lf", "%n", "%q", "%ls", "%lc", "%I16d", "abc%", "%-5", "%.",
                        "%99999999d", "%.99999999d", "%hs"}) {
    char b[16] = "untouched";
    EXPECT_EQ(FormatText(b, sizeof b, f, 1), -1) << f;
    EXPECT_STREQ(b, "") << f;
  }
  EXPECT_EQ(FormatText(nullptr, 0, "%f", 1.0), -1);
  EXPECT_EQ(FormatText(nullptr, 0, nullptr), -1);
  EXPECT_EQ(Ours("%*d", 100000, 1), "<refused>");  // a width no caller asks for
}

TEST(FormatText, CutsAtEverySizeAndCountsTheWhole) {
  const std::string whole = "Please insert Vantora disk #12";
  for (size_t size = 0; size <= whole.size() + 2; ++size) {
    char b[64];
    std::fill(b, b + sizeof b, '#');
    const int n = FormatText(size ? b : nullptr, size, "Please insert Vantora disk #%d", 12);
    EXPECT_EQ(n, static_cast<int>(whole.size())) << size;
    if (size == 0) continue;
    const size_t kept = std::min(size - 1, whole.size());
    EXPECT_EQ(std::string(b), whole.substr(0, kept)) << size;
    EXPECT_EQ(b[size], '#') << "wrote past " << size;
  }
}
