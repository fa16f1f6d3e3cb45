// The formatter (core/text/format.h) on formats made from the input: each
// conversion drawn from what it supports and a few things it refuses, with
// arguments from the input too. It must agree with glibc's snprintf on
// every supported format (%p and null strings aside, where it follows the
// Microsoft runtime), refuse exactly the rest, never write past a small
// buffer, and leave in it the start of what a large one holds.
#include <climits>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <string>

#include "core/text/format.h"

namespace {
struct Input {
  const uint8_t* data;
  size_t size;
  uint8_t Byte() { return size ? (--size, *data++) : 0; }
  uint64_t Wide() {
    uint64_t v = 0;
    for (int i = 0; i < 8; ++i) v = v << 8 | Byte();
    return v;
  }
};

const char* const kStrings[] = {"", "a", "Vantora", "C:\\Program Files\\Corvane\\setup.exe"};
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  Input in{data, size};
  // One conversion, with literal text around it: three arguments at most
  // (width, precision, value), so that both functions get the same ones.
  std::string f = "<";
  bool supported = true;
  const uint8_t flags = in.Byte();
  f += '%';
  for (int i = 0; i < 5; ++i)
    if (flags & (1 << i)) f += "-+ #0"[i];
  const uint8_t shape = in.Byte();
  const bool starWidth = shape & 1, starPrecision = shape & 2;
  int width = in.Byte() % 40 - (starWidth ? 20 : 0), precision = in.Byte() % 40 - (starPrecision ? 20 : 0);
  if (starWidth) f += '*';
  else if (shape & 4) f += std::to_string(width < 0 ? -width : width);
  if (starPrecision) f += ".*";
  else if (shape & 8) f += "." + std::to_string(precision < 0 ? -precision : precision);
  static const char* const kLengths[] = {"", "hh", "h", "l", "ll", "z", "j", "t", "L", "q"};
  const char* length = kLengths[in.Byte() % 10];
  f += length;
  static const char kConversions[] = "diuoxXcs%fegnkp";
  const char conversion = kConversions[in.Byte() % (sizeof kConversions - 1)];
  f += conversion;
  f += '>';
  const bool integer = std::strchr("diuoxX", conversion) != nullptr;
  if (!std::strcmp(length, "L") || !std::strcmp(length, "q")) supported = false;
  if (!integer && *length) supported = false;
  if (std::strchr("fegnk", conversion)) supported = false;
  const bool comparable = supported && conversion != 'p';

  const uint64_t raw = in.Wide();
  const char* text = kStrings[raw % 4];
  char small[8], large[256], theirs[256];
  std::memset(small, '#', sizeof small);
  int ours = 0, glibc = 0, cut = 0;
  auto call = [&](auto value) {
    if (starWidth && starPrecision) {
      ours = FormatText(large, sizeof large, f.c_str(), width, precision, value);
      cut = FormatText(small, sizeof small - 1, f.c_str(), width, precision, value);
      if (comparable) glibc = std::snprintf(theirs, sizeof theirs, f.c_str(), width, precision, value);
    } else if (starWidth || starPrecision) {
      const int star = starWidth ? width : precision;
      ours = FormatText(large, sizeof large, f.c_str(), star, value);
      cut = FormatText(small, sizeof small - 1, f.c_str(), star, value);
      if (comparable) glibc = std::snprintf(theirs, sizeof theirs, f.c_str(), star, value);
    } else {
      ours = FormatText(large, sizeof large, f.c_str(), value);
      cut = FormatText(small, sizeof small - 1, f.c_str(), value);
      if (comparable) glibc = std::snprintf(theirs, sizeof theirs, f.c_str(), value);
    }
  };
#pragma GCC diagnostic ignored "-Wformat-nonliteral"
#pragma clang diagnostic ignored "-Wformat-nonliteral"
  if (conversion == 's')
    call(text);
  else if (conversion == 'p')
    call(reinterpret_cast<void*>(static_cast<uintptr_t>(raw)));
  else if (!std::strcmp(length, "ll") || !std::strcmp(length, "j"))
    call(static_cast<long long>(raw));
  else if (!std::strcmp(length, "l") || !std::strcmp(length, "z") || !std::strcmp(length, "t"))
    call(static_cast<long>(raw));
  else
    call(static_cast<int>(raw));

  if (small[sizeof small - 1] != '#') __builtin_trap();  // wrote past the size it was given
  if (!supported) {
    if (ours != -1 || cut != -1 || large[0] || small[0]) __builtin_trap();
    return 0;
  }
  if (ours < 0 || ours != cut) __builtin_trap();
  if (std::strncmp(small, large, sizeof small - 2) != 0 || std::strlen(small) > sizeof small - 2) __builtin_trap();
  if (comparable && (glibc != ours || std::strcmp(theirs, large) != 0)) __builtin_trap();
  return 0;
}
