#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/robot/script/robot_script.h"

namespace {

// The errors of a script as "N: message" lines, for compact expectations.
std::vector<std::string> Errors(const std::string& text) {
  std::vector<std::string> lines;
  for (const RobotScriptError& error : ParseRobotScript(text).errors)
    lines.push_back(std::to_string(error.line) + ": " + error.message);
  return lines;
}

RobotStep OnlyStep(const std::string& line) {
  const RobotScript script = ParseRobotScript(line);
  EXPECT_TRUE(script.errors.empty()) << script.errors[0].message;
  EXPECT_EQ(script.steps.size(), 1u);
  return script.steps.empty() ? RobotStep{} : script.steps[0];
}

TEST(RobotScript, QuotedStringsTakeCStyleEscapes) {
  const RobotStep step = OnlyStep(R"(set-text 0x64 "a\nb\tc \"d\" \\e\r")");
  ASSERT_EQ(step.args.size(), 2u);
  EXPECT_EQ(step.args[0].number, 100);
  EXPECT_EQ(step.args[1].text, "a\nb\tc \"d\" \\e\r");
  EXPECT_EQ(QuoteRobotText(step.args[1].text), R"("a\nb\tc \"d\" \\e\r")");
  // An empty string is an argument, not a missing one.
  EXPECT_EQ(OnlyStep(R"(expect-text 5 "")").args[1].text, "");
}

TEST(RobotScript, BadQuotesAndEscapesAreReportedWithTheirLine) {
  EXPECT_EQ(Errors("dump\nset-text 1 \"open\n\nset-text 1 \"a\\q\"\nwait * \"x\"y\nwait a\"b\" c\n"),
            (std::vector<std::string>{
                "2: unterminated string",
                R"(4: unknown escape \q (known: \n \t \r \" \\))",
                "5: a space must follow a closing quote",
                "6: a quote inside a word (put the whole word in quotes)",
            }));
  EXPECT_EQ(Errors("set-text 1 \"ends in \\"), (std::vector<std::string>{
                                                   R"(1: unknown escape \ (known: \n \t \r \" \\))"}));
}

TEST(RobotScript, CommentsBlankLinesAndCrLfAreSkippedButCounted) {
  const RobotScript script = ParseRobotScript("# title\r\n\r\n   \t\n  # indented\r\nwait #32770 \"Box\"\r\n");
  ASSERT_TRUE(script.errors.empty());
  ASSERT_EQ(script.steps.size(), 1u);
  EXPECT_EQ(script.steps[0].line, 5);
  EXPECT_EQ(script.steps[0].source, "wait #32770 \"Box\"");
  // A class that starts with '#' is a word, not a comment.
  EXPECT_EQ(script.steps[0].args[0].text, "#32770");
  EXPECT_EQ(script.steps[0].args[1].text, "Box");
}

TEST(RobotScript, UnknownCommandsAndWrongArgumentCountsNameTheUsage) {
  EXPECT_EQ(Errors("clik 1\n\"wait\" a b\nwait \"#32770\"\nclick 1 2\n"),
            (std::vector<std::string>{
                "1: unknown command \"clik\"",
                "2: unknown command \"wait\"",
                "3: missing CAPTION (usage: wait CLASS CAPTION [TIMEOUT_MS])",
                "4: too many arguments (usage: click ID)",
            }));
}

TEST(RobotScript, NumbersAreCheckedForKindAndRange) {
  EXPECT_EQ(OnlyStep("click 0xFFFF").args[0].number, 0xFFFF);
  EXPECT_EQ(OnlyStep("click 0X1f").args[0].number, 0x1F);
  EXPECT_EQ(OnlyStep("expect-rect window -4 0x10 640 480").args[0].number, kRobotWindowTarget);
  EXPECT_EQ(OnlyStep("expect-rect window -4 0x10 640 480").args[1].number, -4);
  EXPECT_EQ(Errors("click 0x10000\nclick -1\nclick \"1\"\nclick 0x\nclick 0x-5\nclick 12a\n"
                   "sleep 3600001\nexpect-rect \"window\" 0 0 1 1\ncount-palette-changes 3000 -1\n"),
            (std::vector<std::string>{
                "1: ID is out of range (0 to 65535): 0x10000 (usage: click ID)",
                "2: ID must be a control id (decimal or 0x hex), not \"-1\" (usage: click ID)",
                "3: ID must be a control id (decimal or 0x hex), not \"1\" (usage: click ID)",
                "4: ID must be a control id (decimal or 0x hex), not \"0x\" (usage: click ID)",
                "5: ID must be a control id (decimal or 0x hex), not \"0x-5\" (usage: click ID)",
                "6: ID must be a control id (decimal or 0x hex), not \"12a\" (usage: click ID)",
                "7: MS is out of range (0 to 3600000): 3600001 (usage: sleep MS)",
                "8: ID|window must be a control id or 'window', not \"window\" "
                "(usage: expect-rect ID|window X Y W H)",
                "9: MAX must be a count, not \"-1\" (usage: count-palette-changes MS MAX)",
            }));
  EXPECT_EQ(OnlyStep("count-palette-changes 3000 2").args[1].number, 2);
}

TEST(RobotScript, OptionalTimeoutsTakeTheirDefault) {
  EXPECT_EQ(OnlyStep("wait * \"Setup\"").args[2].number, 5000);
  EXPECT_EQ(OnlyStep("wait * \"Setup\" 250").args[2].number, 250);
  EXPECT_EQ(OnlyStep("expect-gone").args.size(), 1u);
}

TEST(RobotScript, ButtonsByNameInAnyCaseOrById) {
  EXPECT_EQ(OnlyStep("answer \"Box\" OK").args[1].number, 1);
  EXPECT_EQ(OnlyStep("answer \"Box\" cancel").args[1].number, 2);
  EXPECT_EQ(OnlyStep("answer \"Box\" Yes").args[1].number, 6);
  EXPECT_EQ(OnlyStep("answer \"Box\" NO").args[1].number, 7);
  EXPECT_EQ(OnlyStep("answer \"Box\" 0x3e8").args[1].number, 1000);
  EXPECT_EQ(Errors("answer \"Box\" Maybe\n").size(), 1u);
}

TEST(RobotScript, ScreenshotNamesMustBeSafeFileNames) {
  EXPECT_EQ(OnlyStep("screenshot-mark welcome-1.step_2").args[0].text, "welcome-1.step_2");
  EXPECT_EQ(Errors("screenshot-mark ../x\nscreenshot-mark .hidden\nscreenshot-mark \"a b\"\n").size(), 3u);
}

TEST(RobotScript, EveryCommandHasAUsageAndOnlyTrailingOptionals) {
  for (const RobotCommandSpec& command : RobotCommands()) {
    EXPECT_EQ(FindRobotCommand(command.keyword), &command);
    bool optional_seen = false;
    for (const RobotParam& param : command.params) {
      if (optional_seen) {
        EXPECT_TRUE(param.optional) << command.keyword;
      }
      if (param.optional) {
        optional_seen = true;
        EXPECT_NE(param.kind, RobotArgKind::Text) << command.keyword;
      }
    }
  }
  EXPECT_EQ(FindRobotCommand("nosuch"), nullptr);
}

}  // namespace
