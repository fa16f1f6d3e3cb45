// Registry files with tokens: what the registry editor is given to merge.
#include <gtest/gtest.h>

#include "core/config/reg_rewrite.h"

namespace {

const RegTokens kTokens = {{"{MAIN_DIR}", "c:\\Program Files\\Vantora"}, {"{TEMP}", "c:\\tmp"}};

TEST(RegRewrite, Regedit4FilesGetDoubledBackslashes) {
  const std::string in =
      "REGEDIT4\r\n\r\n[HKEY_CURRENT_USER\\Software\\Vantora]\r\n\"Path\"=\"{MAIN_DIR}\"\r\n";
  EXPECT_EQ(RewriteRegFile(in, kTokens),
            "REGEDIT4\r\n\r\n[HKEY_CURRENT_USER\\Software\\Vantora]\r\n"
            "\"Path\"=\"c:\\\\Program Files\\\\Vantora\"\r\n");
  // The header may stand anywhere in the first line, and only there.
  EXPECT_TRUE(IsRegedit4Header("  REGEDIT4 file"));
  EXPECT_EQ(RewriteRegFile("x\nREGEDIT4\n{TEMP}\n", kTokens), "x\r\nREGEDIT4\r\nc:\\tmp\r\n");
}

TEST(RegRewrite, OtherFilesGetTheValuesAsTheyAre) {
  EXPECT_EQ(RewriteRegFile("Windows Registry Editor Version 5.00\n\"A\"=\"{MAIN_DIR}\"\n", kTokens),
            "Windows Registry Editor Version 5.00\r\n\"A\"=\"c:\\Program Files\\Vantora\"\r\n");
}

TEST(RegRewrite, EveryExactOccurrenceIsReplacedAndNothingElse) {
  EXPECT_EQ(RewriteRegLine("{TEMP};{TEMP};{temp};{TEMP", kTokens, false), "c:\\tmp;c:\\tmp;{temp};{TEMP");
  EXPECT_EQ(RewriteRegLine("no tokens here", kTokens, true), "no tokens here");
}

TEST(RegRewrite, LinesAreReadAsText) {
  EXPECT_EQ(SplitRegFileLines("a\r\nb\nc"), (std::vector<std::string>{"a", "b", "c"}));
  EXPECT_EQ(SplitRegFileLines("a\n\n"), (std::vector<std::string>{"a", ""}));
  EXPECT_EQ(SplitRegFileLines("a\rb\n"), (std::vector<std::string>{"a\rb"}));
  EXPECT_EQ(SplitRegFileLines("a\nb\x1A" "garbage\n"), (std::vector<std::string>{"a", "b"}));
  EXPECT_TRUE(SplitRegFileLines("").empty());
  EXPECT_EQ(RewriteRegFile("", kTokens), "");
}

TEST(RegRewrite, AValueHoldingItsOwnTokenIsBounded) {
  const RegTokens loop = {{"{X}", "<{X}>"}};
  bool bounded = false;
  const std::string out = RewriteRegLine("{X}", loop, false, &bounded);
  EXPECT_TRUE(bounded);
  EXPECT_EQ(out.size(), 3 + 2u * kMaxRegReplacementsPerLine);
  bounded = false;
  RewriteRegLine("{MAIN_DIR}", kTokens, true, &bounded);
  EXPECT_FALSE(bounded);
}

}  // namespace
