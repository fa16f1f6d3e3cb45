#include "core/wizard/choice_option.h"

ChoiceOption SplitChoiceOption(std::string_view text) {
  const size_t mark = text.find('^');
  if (mark == std::string_view::npos) return {std::string(), std::string(text)};
  return {std::string(text.substr(0, mark)), std::string(text.substr(mark + 1))};
}
