// The wizard pages' rules: the welcome text, the space texts, which drives
// and places the destination page refuses or questions, and the options of
// the maintenance choice.
#include <gtest/gtest.h>

#include <string>

#include "core/wizard/choice_option.h"
#include "core/wizard/dest_dir_rules.h"
#include "core/wizard/intro_text.h"

namespace {

TEST(IntroText, CaretsBecomeLineFeedsAndAnEmptyValueGivesTheDefault) {
  EXPECT_EQ(IntroText("Line one^^Line three", "default"), "Line one\n\nLine three");
  EXPECT_EQ(IntroText("", "default\ntext"), "default\ntext");
  EXPECT_EQ(IntroText("^", "default"), "\n");  // only a caret is not empty
}

TEST(IntroText, UsesAtMost255Characters) {
  const std::string longValue = std::string(254, 'a') + "^bc";
  const std::string text = IntroText(longValue, "");
  ASSERT_EQ(text.size(), 255u);
  EXPECT_EQ(text.back(), '\n');  // the caret at 255 is kept, "bc" is not
}

TEST(FreeSpace, TextHasOneTruncatedDecimal) {
  EXPECT_EQ(FreeSpaceText(14999999), "14.9 MB");
  EXPECT_EQ(WholeMegabytes(14999999), 14u);
  EXPECT_EQ(FreeSpaceText(15000000), "15.0 MB");
  EXPECT_EQ(WholeMegabytes(15000000), 15u);
  EXPECT_EQ(FreeSpaceText(0), "0.0 MB");
  EXPECT_EQ(FreeSpaceText(99999), "0.0 MB");
  EXPECT_EQ(FreeSpaceText(1234567890), "1234.5 MB");
  EXPECT_EQ(RequiredSpaceText(15), "15.0 MB");
  EXPECT_EQ(RequiredSpaceText(-5), "-5.0 MB");
}

TEST(FreeSpace, ClusterFiguresDoNotOverflow) {
  EXPECT_EQ(FreeBytes(8, 512, 3662), 14999552u);
  // 64 sectors of 4096 bytes, 65535 clusters: 17 GB, well past 32 bits.
  const uint64_t big = FreeBytes(64, 4096, 65535);
  EXPECT_EQ(big, 17179607040ull);
  EXPECT_EQ(FreeSpaceText(big), "17179.6 MB");
  EXPECT_EQ(WholeMegabytes(big), 17179u);
  EXPECT_EQ(FreeBytes(0xFFFFFFFFu, 0xFFFFFFFFu, 0), 0u);
}

TEST(Drives, EachTypeHasItsClassAndReason) {
  struct Case {
    unsigned type;
    DriveClass cls;
    std::string reason;
  };
  const Case cases[] = {
      {kDriveFixed, DriveClass::kAccepted, ""},
      {kDriveNoRootDir, DriveClass::kRefused, "The root directory does not exist."},
      {kDriveRemovable, DriveClass::kQuestionable, "The drive is removable (floppy?) drive."},
      {kDriveRemote, DriveClass::kQuestionable, "The drive is a remote (network) drive."},
      {kDriveCdRom, DriveClass::kRefused, "The drive is a CD-ROM drive."},
      {kDriveRamDisk, DriveClass::kRefused, "The drive is a RAM disk."},
      {kDriveUnknown, DriveClass::kRefused, "The drive type cannot be determined."},
      {7, DriveClass::kRefused, "The drive type cannot be determined."},
  };
  for (const Case& c : cases) {
    const DriveVerdict v = ClassifyDrive(c.type);
    EXPECT_EQ(v.cls, c.cls) << c.type;
    EXPECT_EQ(v.reason, c.reason) << c.type;
  }
}

TEST(Drives, MessagesJoinHeadingReasonAndTail) {
  EXPECT_EQ(DriveMessage("E:", ClassifyDrive(kDriveCdRom)),
            "The drive \"E:\" you have chosen is not valid:\nThe drive is a CD-ROM drive.\n\n"
            "Click \"Ok\" and fix the problem.");
  EXPECT_EQ(DriveMessage("A:", ClassifyDrive(kDriveRemovable)),
            "The drive \"A:\" you have chosen is not valid:\nThe drive is removable (floppy?) drive.\n\n"
            "Are you sure you want to use it?");
  EXPECT_EQ(DriveMessage("C:", ClassifyDrive(kDriveFixed)), "");
  EXPECT_EQ(DriveOf(UpperAscii("q:\\x")), "Q:");
  EXPECT_EQ(DriveOf("Q"), "Q");
}

TEST(Places, DriveRootsAndSystemPlacesAreDangerous) {
  const std::string windows = "C:\\WINDOWS";
  for (const char* dir : {"C:\\", "C:", "C", "D:\\OLDBACKUPS\\NET", "C:\\WINDOWS\\NET", "C:\\RECYCLED\\X",
                          "C:\\DOS", "C:\\MYDOSAPP"})
    EXPECT_TRUE(IsDangerousPlace(dir, windows)) << dir;
  for (const char* dir : {"C:\\A", "C:\\CORVANE", "D:\\WINDOWS", "C:\\WIN"})
    EXPECT_FALSE(IsDangerousPlace(dir, windows)) << dir;
  // A Windows directory that could not be found does not make every place
  // dangerous.
  EXPECT_FALSE(IsDangerousPlace("C:\\CORVANE", ""));
  EXPECT_EQ(UpperAscii("c:\\Windows\\net"), "C:\\WINDOWS\\NET");
  EXPECT_EQ(DangerousPlaceQuestion("C:\\"),
            "You have chosen the destination directory:\n\"C:\\\"\nThis is strongly NOT recommended.\n"
            "Are you sure you want to use it?");
}

TEST(Places, OneTrailingBackslashIsRemoved) {
  std::string dir = "c:\\vantora\\";
  StripTrailingBackslash(dir);
  EXPECT_EQ(dir, "c:\\vantora");
  StripTrailingBackslash(dir);
  EXPECT_EQ(dir, "c:\\vantora");
  std::string empty;
  StripTrailingBackslash(empty);
  EXPECT_EQ(empty, "");
}

TEST(ChoiceOptions, SplitAtTheFirstCaret) {
  ChoiceOption o = SplitChoiceOption("&Reinstall^Does it all^again");
  EXPECT_EQ(o.caption, "&Reinstall");
  EXPECT_EQ(o.description, "Does it all^again");
  o = SplitChoiceOption("No caret here");
  EXPECT_EQ(o.caption, "");
  EXPECT_EQ(o.description, "No caret here");
  o = SplitChoiceOption("Caption only^");
  EXPECT_EQ(o.caption, "Caption only");
  EXPECT_EQ(o.description, "");
}

}  // namespace
