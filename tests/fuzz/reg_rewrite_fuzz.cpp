// Registry files from the media with tokens filled in: any bytes, with and
// without the REGEDIT4 header, and a token that brings itself back.
#include <cstddef>
#include <cstdint>
#include <string>

#include "core/config/reg_rewrite.h"

namespace {
void Check(bool ok) {
  if (!ok) __builtin_trap();
}
size_t Count(const std::string& s, const std::string& what) {
  size_t n = 0;
  for (size_t at = s.find(what); at != std::string::npos; at = s.find(what, at + what.size())) ++n;
  return n;
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static const RegTokens tokens = {{"{MAIN_DIR}", "c:\\Program Files\\Vantora"},
                                   {"{LOOP}", "[{LOOP}]"},
                                   {"{EMPTY}", ""}};
  static const RegTokens none;
  const std::string bytes(reinterpret_cast<const char*>(data), size);
  const size_t lines = SplitRegFileLines(bytes).size();

  // Without tokens a file only gets its line ends made CR LF.
  const std::string plain = RewriteRegFile(bytes, none);
  Check(Count(plain, "\r\n") >= lines);
  Check(plain.size() <= 2 * bytes.size() + 2);

  bool bounded = false;
  const std::string filled = RewriteRegFile(bytes, tokens, &bounded);
  Check(filled.size() >= lines * 2);
  // Each line grows by at most the bound's worth of the longest value, doubled.
  Check(filled.size() <= plain.size() + lines * 3 * 64 * (kMaxRegReplacementsPerLine + 1) + 64 * size);
  return 0;
}
