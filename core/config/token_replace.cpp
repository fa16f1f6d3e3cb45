#include "core/config/token_replace.h"

#include <cctype>

#include "core/log/log_sink.h"
#include "core/paths/path_ops.h"

int CfgInstructReplaceTokens(std::string& text, const TokenTable& tokens) {
  for (int replaced = 0;; ++replaced) {
    const size_t open = text.find('{');
    if (open == std::string::npos) return 1;
    // The closing brace is searched from the start of the text, as it always
    // was; one that stands before the opening brace counts as missing.
    const size_t close = text.find('}');
    if (close == std::string::npos || close < open) {
      LogPrintf("CfgInstructReplaceTokens(): '}' not found in %s.\n", text.c_str());
      return 0;
    }
    std::string name = text.substr(open, close - open + 1);
    for (char& c : name) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    std::string value;
    if (!tokens.Lookup(name, value)) {
      LogPrintf("CfgInstructReplaceTokens(): Token {%s} not found.\n", name.c_str());
      return 0;
    }
    if (replaced >= kMaxTokenReplacements) {
      LogPrintf("CfgInstructReplaceTokens(): Token {%s} expands without end in %s.\n",
                name.c_str(), text.c_str());
      return 0;
    }
    std::string rebuilt = text.substr(0, open) + value;
    const std::string rest = text.substr(close + 1);
    if (!rest.empty()) AppendPath(rebuilt, rest);
    text.swap(rebuilt);
  }
}
