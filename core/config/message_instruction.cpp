#include "core/config/message_instruction.h"

#include <utility>

namespace {

std::string Trim(const std::string& s) {
  const size_t first = s.find_first_not_of(' ');
  if (first == std::string::npos) return std::string();
  return s.substr(first, s.find_last_not_of(' ') - first + 1);
}

const std::pair<const char*, unsigned> kButtons[] = {
    {"BTN_OKCANCEL", 1}, {"BTN_RETRYCANCEL", 5}, {"BTN_YESNO", 4}};
const std::pair<const char*, unsigned> kIcons[] = {
    {"ICON_WARNING", 0x30}, {"ICON_INFO", 0x40}, {"ICON_QUESTION", 0x20}, {"ICON_STOP", 0x10}};

template <size_t N>
unsigned Lookup(const std::pair<const char*, unsigned> (&table)[N], const std::string& keyword) {
  for (const auto& [name, value] : table)
    if (keyword == name) return value;
  return 0;
}

}  // namespace

std::string MessageInstructionProblem(const std::string& argument) {
  const size_t comma = argument.find(',');
  if (comma == std::string::npos) return std::string();
  const std::string modifiers = argument.substr(comma + 1);
  const size_t plus = modifiers.find('+');
  const std::string buttons = Trim(modifiers.substr(0, plus));
  const std::string icon = plus == std::string::npos ? std::string() : Trim(modifiers.substr(plus + 1));
  const std::string shown = "the setup shows \"" + argument.substr(0, comma) + "\"";
  if (buttons.compare(0, 4, "BTN_") != 0 && buttons.compare(0, 5, "ICON_") != 0)
    return "the text ends at its first comma: " + shown + " and takes \"" + Trim(modifiers) +
           "\" for button keywords; write the text without a comma";
  if (buttons.compare(0, 5, "ICON_") == 0)
    return "an icon needs the buttons first (BTN_OKCANCEL + " + buttons + "): " + shown + " with OK and no icon";
  if (!Lookup(kButtons, buttons))
    return buttons + " is not a button keyword (BTN_OKCANCEL, BTN_RETRYCANCEL, BTN_YESNO; case counts): " + shown +
           " with OK alone";
  if (plus != std::string::npos && !Lookup(kIcons, icon))
    return icon + " is not an icon keyword (ICON_WARNING, ICON_INFO, ICON_QUESTION, ICON_STOP; case counts): " +
           shown + " with no icon";
  return std::string();
}

MessageInstruction ParseMessageInstruction(const std::string& argument) {
  MessageInstruction m;
  const size_t comma = argument.find(',');
  if (comma == std::string::npos) {
    m.text = argument;
    return m;
  }
  m.text = argument.substr(0, comma);
  const std::string modifiers = argument.substr(comma + 1);
  const size_t plus = modifiers.find('+');
  m.style = Lookup(kButtons, Trim(modifiers.substr(0, plus)));
  if (plus != std::string::npos) m.style += Lookup(kIcons, Trim(modifiers.substr(plus + 1)));
  return m;
}
