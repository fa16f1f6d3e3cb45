#include "core/wizard/intro_text.h"

std::string IntroText(std::string_view cfgValue, std::string_view defaultText) {
  if (cfgValue.empty()) return std::string(defaultText);
  std::string text(cfgValue.substr(0, kIntroTextMax));
  for (char& c : text)
    if (c == '^') c = '\n';
  return text;
}
