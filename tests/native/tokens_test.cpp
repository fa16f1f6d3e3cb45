#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/config/token_replace.h"
#include "core/log/log_sink.h"

namespace {

std::vector<std::string>* g_lines = nullptr;
void Capture(const char* text, size_t n) { g_lines->emplace_back(text, n); }

class Tokens : public ::testing::Test {
 protected:
  void SetUp() override {
    g_lines = &lines;
    SetLogSink(Capture);
    table.Set("{MAIN_DIR}", "c:\\Corvane");
    table.Set("{TEMP}", "c:\\windows\\temp");
    table.Set("{SRC_DIR}", "E:");
  }
  void TearDown() override {
    SetLogSink(nullptr);
    g_lines = nullptr;
  }
  int Replace(std::string& text) { return CfgInstructReplaceTokens(text, table); }

  TokenTable table;
  std::vector<std::string> lines;
};

TEST_F(Tokens, TextWithoutBracesIsUnchanged) {
  std::string text = "plain text, nothing to do";
  EXPECT_EQ(Replace(text), 1);
  EXPECT_EQ(text, "plain text, nothing to do");
  std::string empty;
  EXPECT_EQ(Replace(empty), 1);
  EXPECT_EQ(empty, "");
  EXPECT_TRUE(lines.empty());
}

TEST_F(Tokens, JoinsWhatFollowsWithExactlyOneBackslash) {
  for (const char* in : {"{MAIN_DIR}\\bin", "{MAIN_DIR}bin"}) {
    std::string text = in;
    EXPECT_EQ(Replace(text), 1);
    EXPECT_EQ(text, "c:\\Corvane\\bin") << in;
  }
  std::string endsWithSlash = "{MAIN_DIR}\\";
  EXPECT_EQ(Replace(endsWithSlash), 1);
  EXPECT_EQ(endsWithSlash, "c:\\Corvane\\");
  std::string atEnd = "dir={MAIN_DIR}";
  EXPECT_EQ(Replace(atEnd), 1);
  EXPECT_EQ(atEnd, "dir=c:\\Corvane");
}

TEST_F(Tokens, NamesMatchInAnyCase) {
  std::string text = "{Temp}\\x.tmp";
  EXPECT_EQ(Replace(text), 1);
  EXPECT_EQ(text, "c:\\windows\\temp\\x.tmp");
}

TEST_F(Tokens, TwoTokensAndACommaInOneLine) {
  std::string text = "{SRC_DIR}\\a.exe,{MAIN_DIR}";
  EXPECT_EQ(Replace(text), 1);
  EXPECT_EQ(text, "E:\\a.exe,c:\\Corvane");
  std::string comma = "{SRC_DIR},x";
  EXPECT_EQ(Replace(comma), 1);
  EXPECT_EQ(comma, "E:\\,x");
}

TEST_F(Tokens, MissingClosingBraceIsLoggedAndFails) {
  std::string text = "{TEMP\\x";
  EXPECT_EQ(Replace(text), 0);
  ASSERT_EQ(lines.size(), 1u);
  EXPECT_EQ(lines[0], "CfgInstructReplaceTokens(): '}' not found in {TEMP\\x.\n");
}

TEST_F(Tokens, ClosingBraceBeforeOpeningCountsAsMissing) {
  std::string text = "a}b{TEMP";
  EXPECT_EQ(Replace(text), 0);
  EXPECT_EQ(text, "a}b{TEMP");
  ASSERT_EQ(lines.size(), 1u);
  EXPECT_NE(lines[0].find("'}' not found"), std::string::npos);
}

TEST_F(Tokens, UnknownTokenKeepsReplacementsMadeSoFar) {
  std::string text = "{MAIN_DIR}\\{start_menu}\\x";
  EXPECT_EQ(Replace(text), 0);
  EXPECT_EQ(text, "c:\\Corvane\\{start_menu}\\x");
  ASSERT_EQ(lines.size(), 1u);
  EXPECT_EQ(lines[0], "CfgInstructReplaceTokens(): Token {{START_MENU}} not found.\n");
}

TEST_F(Tokens, ValuesContainingTokensAreExpandedToo) {
  table.Set("{USER_DIR}", "{MAIN_DIR}\\user");
  std::string text = "{USER_DIR}\\a.txt";
  EXPECT_EQ(Replace(text), 1);
  EXPECT_EQ(text, "c:\\Corvane\\user\\a.txt");
}

TEST_F(Tokens, SelfReferenceEndsWithTheErrorResult) {
  table.Set("{USER_DIR}", "x{USER_DIR}");
  std::string text = "{USER_DIR}";
  EXPECT_EQ(Replace(text), 0);
  ASSERT_FALSE(lines.empty());
  EXPECT_NE(lines.back().find("{USER_DIR}"), std::string::npos);

  table.Set("{A}", "{B}");
  table.Set("{B}", "{A}");
  std::string loop = "{a}";
  EXPECT_EQ(Replace(loop), 0);
}

TEST(LogPrintf, DropsTextsOf512BytesOrMore) {
  std::vector<std::string> lines;
  g_lines = &lines;
  SetLogSink(Capture);
  const std::string s511(511, 'x'), s512(512, 'y');
  LogPrintf("%s", s511.c_str());
  LogPrintf("%s", s512.c_str());
  LogPrintf("no line end");
  SetLogSink(nullptr);
  LogPrintf("after the sink is gone");
  ASSERT_EQ(lines.size(), 2u);
  EXPECT_EQ(lines[0], s511);
  EXPECT_EQ(lines[1], "no line end");
  g_lines = nullptr;
}

}  // namespace
