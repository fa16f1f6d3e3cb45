#include <gtest/gtest.h>

#include "core/steps/command_line.h"
#include "core/system/system_checks.h"

namespace {

TEST(CommandLine, KeywordsMatchTheWholeLineInAnyCase) {
  EXPECT_EQ(ParseCommandLine("R&U").runMode, 1);
  EXPECT_EQ(ParseCommandLine("r&u").runMode, 1);
  EXPECT_EQ(ParseCommandLine("a_reboot").runMode, 2);
  EXPECT_TRUE(ParseCommandLine("3pi").continue3PI);
  EXPECT_EQ(ParseCommandLine("3PI").runMode, 0);
}

TEST(CommandLine, AnythingElseIsANormalRun) {
  for (const char* line : {"", "R&U ", " R&U", "R&U 3PI", "A_REBOOTX", "/s", "3P"}) {
    const CommandLineMode mode = ParseCommandLine(line);
    EXPECT_EQ(mode.runMode, 0) << '"' << line << '"';
    EXPECT_FALSE(mode.continue3PI) << '"' << line << '"';
  }
}

TEST(SystemChecks, OnlyWindows95Passes) {
  EXPECT_EQ(OsRefusalText(kPlatformWindows), "");
  EXPECT_EQ(OsRefusalText(kPlatformNT), "Cannot run on Windows NT");
  EXPECT_EQ(OsRefusalText(kPlatformWin32s), "Cannot run on Windows 3.x");
  EXPECT_EQ(OsRefusalText(3), "Cannot run on this Operating System");
}

TEST(SystemChecks, MemoryThresholdIsDecimal) {
  EXPECT_TRUE(EnoughMemory(7000000));
  EXPECT_FALSE(EnoughMemory(6999999));
  EXPECT_TRUE(EnoughMemory(7100000));  // below 7 MiB, above the decimal figure
  EXPECT_TRUE(EnoughMemory(2147483647));
}

}  // namespace
