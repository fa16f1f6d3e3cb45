// Replacement of "{TOKEN}" names in instruction text.
#pragma once
#include <string>

#include "core/config/token_table.h"

// A value that names its own token would expand forever; past this many
// replacements in one text the replacement fails like an unknown token.
constexpr int kMaxTokenReplacements = 256;

// Replaces every brace-enclosed token in `text` by its value, in place.
// 1 when no '{' is left; 0 on the first error (logged), with the
// replacements made so far kept in `text`.
int CfgInstructReplaceTokens(std::string& text, const TokenTable& tokens);
