#include <gtest/gtest.h>

#include <string>

#include "core/launcher/launch_menu.h"

TEST(LaunchMenu, EachRowIsItsOwnIdAndThePagesShowTheirButtons) {
  for (int i = 0; i < kLaunchButtons; ++i) EXPECT_EQ(kLaunchButtonTable[i].id, i);
  for (int id : {0, 1, 6}) EXPECT_TRUE(ShownOnPage(id, 1)) << id;
  for (int id : {2, 3, 4, 5}) EXPECT_FALSE(ShownOnPage(id, 1)) << id;
  for (int id : {2, 3, 4, 5, 6}) EXPECT_TRUE(ShownOnPage(id, 2)) << id;
  for (int id : {0, 1}) EXPECT_FALSE(ShownOnPage(id, 2)) << id;
  EXPECT_EQ(CommandOf(1), LaunchCommand::kPage2);
  EXPECT_EQ(CommandOf(5), LaunchCommand::kPage1);
  EXPECT_EQ(CommandOf(6), LaunchCommand::kExit);
  EXPECT_STREQ(TargetOf(3), "ie\\Msie.exe");
  EXPECT_EQ(TargetOf(1), nullptr);
}

TEST(LaunchMenu, OnlyTheEllipseAnswersTheMouse) {
  // Button 0: 323 x 90 at (0, 32).
  EXPECT_TRUE(PtInEllipse(0, 32, 323, 122, 161, 77));
  EXPECT_TRUE(PtInEllipse(0, 32, 323, 122, 1, 77));     // the left tip
  EXPECT_FALSE(PtInEllipse(0, 32, 323, 122, 5, 36));    // the rectangle's corner
  EXPECT_FALSE(PtInEllipse(0, 32, 323, 122, 161, 123)); // just below
  EXPECT_FALSE(PtInEllipse(10, 10, 10, 50, 10, 30));    // no width
}

TEST(LaunchMenu, StartsFromTheTargetsFolderAndRefusesWhatDoesNotFit) {
  std::string dir, line;
  ASSERT_TRUE(LaunchPaths("E:", "Brightwall\\Setup.exe", &dir, &line));
  EXPECT_EQ(dir, "E:\\Brightwall");
  EXPECT_EQ(line, "E:\\Brightwall\\Setup.exe");
  ASSERT_TRUE(LaunchPaths("C:\\CD", "ie\\Msie.exe", &dir, &line));
  EXPECT_EQ(dir, "C:\\CD\\ie");
  ASSERT_TRUE(LaunchPaths("E:", "setup.exe", &dir, &line));
  EXPECT_EQ(dir, "");
  EXPECT_EQ(line, "E:\\setup.exe");
  // 259 characters fit the buffer with its terminator, 260 do not.
  const std::string target = "Pw\\Setup.exe";
  const std::string fits(259 - 1 - target.size(), 'd');
  EXPECT_TRUE(LaunchPaths(fits, target, &dir, &line));
  EXPECT_EQ(line.size(), 259u);
  line = "unchanged";
  EXPECT_FALSE(LaunchPaths(fits + "d", target, &dir, &line));
  EXPECT_EQ(line, "unchanged");
  EXPECT_EQ(dir, "");
}
