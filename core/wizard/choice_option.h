// The options of the maintenance choice: each string is a caption, a "^"
// and the description shown while the option is picked.
#pragma once
#include <string>
#include <string_view>

struct ChoiceOption {
  std::string caption;
  std::string description;
};

// Splits at the first "^". Without one the caption is empty and the whole
// text is the description.
ChoiceOption SplitChoiceOption(std::string_view text);
