// The command line a program's WinMain receives from our runtime: the
// setup's keywords ("R&U", "3PI") must reach it whatever the path of the
// program, quoted with blanks or not.
#include <gtest/gtest.h>

#include <string>

#include "crt/command_tail.h"

TEST(CommandTail, SkipsTheProgramsNameAndTheBlanksAfterIt) {
  const struct {
    const char* line;
    const char* tail;
  } cases[] = {
      {"setup.exe", ""},
      {"setup.exe 3PI", "3PI"},
      {"C:\\VT\\setup.exe   R&U", "R&U"},
      {"\"C:\\Program Files\\Corvane\\setup.exe\" 3PI", "3PI"},
      {"\"C:\\Program Files\\Corvane\\setup.exe\"3PI", "3PI"},  // no blank after the quote
      {"setup.exe\tA_REBOOT", "A_REBOOT"},
      {"setup.exe 3PI  x ", "3PI  x "},  // the rest as it stands, trailing blanks too
      {"\"unclosed name 3PI", ""},       // everything is the name
      {"", ""},
      {"   ", ""},  // an empty name, then blanks
  };
  for (const auto& c : cases) EXPECT_EQ(std::string(VtCommandTail(c.line)), c.tail) << "[" << c.line << "]";
  EXPECT_STREQ(VtCommandTail(nullptr), "");
}

TEST(CommandTail, ControlCharactersSeparateLikeBlanks) {
  EXPECT_STREQ(VtCommandTail("setup.exe\x01\x1f R&U"), "R&U");
  // Bytes above 127 (Western letters in a path) are part of the name.
  EXPECT_STREQ(VtCommandTail("C:\\Vantora\\s\xE9tup.exe 3PI"), "3PI");
}
