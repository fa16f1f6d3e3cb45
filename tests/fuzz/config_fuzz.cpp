// setup.cfg text as the configuration engine meets it: token replacement of
// an instruction, a raw profile section, and a message instruction argument.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "core/config/message_instruction.h"
#include "core/config/profile_section.h"
#include "core/config/token_replace.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static const TokenTable tokens = [] {
    TokenTable t;
    t.Set("{MAIN_DIR}", "c:\\Corvane");
    t.Set("{SRC_DIR}", "E:");
    t.Set("{USER_DIR}", "{MAIN_DIR}\\user");
    t.Set("{LOOP}", "x{LOOP}");
    return t;
  }();
  const std::string text(reinterpret_cast<const char*>(data), size);

  std::string line = text;
  CfgInstructReplaceTokens(line, tokens);

  std::vector<std::string> lines;
  AppendSectionLines(text.data(), text.size(), lines);

  const MessageInstruction m = ParseMessageInstruction(text);
  if (m.text.size() > text.size()) __builtin_trap();
  return 0;
}
