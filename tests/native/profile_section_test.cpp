#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/config/profile_section.h"

namespace {

std::vector<std::string> Split(const std::string& raw) {
  std::vector<std::string> lines;
  AppendSectionLines(raw.data(), raw.size(), lines);
  return lines;
}

TEST(ProfileSection, KeepsLinesInOrderAndSkipsComments) {
  using namespace std::string_literals;
  EXPECT_EQ(Split("a=1\0;note\0b=2\0c\0\0"s), (std::vector<std::string>{"a=1", "b=2", "c"}));
  EXPECT_EQ(Split(";only\0;comments\0\0"s), std::vector<std::string>{});
  EXPECT_EQ(Split(""s), std::vector<std::string>{});
  // A value that only begins later with ';' is kept whole.
  EXPECT_EQ(Split("x=;y\0\0"s), std::vector<std::string>{"x=;y"});
}

TEST(ProfileSection, UnterminatedBufferEndsAtItsLength) {
  const char raw[] = {'a', '=', '1', '\0', 'b', '=', '2'};
  std::vector<std::string> lines;
  AppendSectionLines(raw, sizeof raw, lines);
  EXPECT_EQ(lines, (std::vector<std::string>{"a=1", "b=2"}));
}

TEST(ProfileSection, AppendsToWhatTheListHolds) {
  std::vector<std::string> lines{"old"};
  const char raw[] = "new\0";
  AppendSectionLines(raw, sizeof raw, lines);
  EXPECT_EQ(lines, (std::vector<std::string>{"old", "new"}));
}

}  // namespace
