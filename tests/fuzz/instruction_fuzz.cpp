// Instruction lines as setup.cfg may hold them: the split into key, kind
// and arguments with token replacement, and the fields of every kind.
#include <cstddef>
#include <cstdint>
#include <string>

#include "core/config/instruction.h"
#include "core/config/instruction_args.h"

namespace {
void Check(bool ok) {
  if (!ok) __builtin_trap();
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static const TokenTable tokens = [] {
    TokenTable t;
    t.Set("{MAIN_DIR}", "c:\\Program Files\\Vantora");
    t.Set("{SRC_DIR}", "E:");
    t.Set("{USER_DIR}", "{MAIN_DIR}\\user");
    t.Set("{LOOP}", "x{LOOP},");
    return t;
  }();
  const std::string line(reinterpret_cast<const char*>(data), size);
  std::string key = "untouched", args = "untouched";
  const int kind = SplitCfgInstruction(line, key, args);
  const size_t equals = line.find('=');
  if (equals == std::string::npos || equals == 0 || equals + 1 == line.size()) {
    Check(kind == -1);
    Check(key == "untouched" && args == "untouched");
    return 0;
  }
  Check(key.size() < line.size() && args.size() < line.size());
  Check(line.compare(0, key.size(), key) == 0);

  ParseCfgInstruction(line, key, args, tokens);
  const CopyArgs copy = SplitCopyArgs(key, args);
  Check(!copy.hasComma || copy.sourceDir.size() + copy.destDir.size() < args.size() + 1);
  const ExtractArgs extract = SplitExtractArgs(args);
  Check(extract.sourceDir.size() + extract.destDir.size() <= args.size());
  const ShortcutArgs link = SplitShortcutArgs(key, args);
  Check(link.program.size() <= key.size() && link.linkArgs.size() <= key.size());
  const UserPathArgs user = SplitUserPathArgs(args);
  Check(user.text.size() <= args.size() && user.text.find('^') == std::string::npos);
  Check(SectionNameOf(key, args).find(',') == std::string::npos);
  return 0;
}
