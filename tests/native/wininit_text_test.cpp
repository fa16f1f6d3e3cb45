// The deletions at the next start: NUL= lines added to WININIT.INI's
// [rename] section without losing anything already in the file.
#include <gtest/gtest.h>

#include "core/record/wininit_text.h"

namespace {

TEST(WininitText, NoFileGivesASectionOfItsOwn) {
  EXPECT_EQ(AddWininitDeletes("", {"C:\\CORVANE\\VANTORA.EXE", "", "C:\\WINDOWS\\TEMP\\VT1.EXE"}),
            "[rename]\r\nNUL=C:\\CORVANE\\VANTORA.EXE\r\nNUL=C:\\WINDOWS\\TEMP\\VT1.EXE\r\n");
  EXPECT_EQ(AddWininitDeletes("[other]\nA=1", {"C:\\X"}), "[other]\r\nA=1\r\n[rename]\r\nNUL=C:\\X\r\n");
}

TEST(WininitText, TheSectionKeepsItsLinesAndGrowsAtItsEnd) {
  const std::string before =
      "; made by another setup\r\n"
      "[Rename]\r\n"
      "NUL=C:\\OLD.DLL\r\n"
      "C:\\WINDOWS\\SYSTEM\\NEW.DLL=C:\\WINDOWS\\SYSTEM\\NEW.TMP\r\n"
      "\r\n"
      "[other]\n"
      "NUL=C:\\NOT.HER\n";
  EXPECT_EQ(AddWininitDeletes(before, {"C:\\A.EXE", "c:\\old.dll", "C:\\A.EXE", "C:\\NOT.HER"}),
            "; made by another setup\r\n"
            "[Rename]\r\n"
            "NUL=C:\\OLD.DLL\r\n"
            "C:\\WINDOWS\\SYSTEM\\NEW.DLL=C:\\WINDOWS\\SYSTEM\\NEW.TMP\r\n"
            "NUL=C:\\A.EXE\r\n"
            "NUL=C:\\NOT.HER\r\n"
            "\r\n"
            "[other]\r\n"
            "NUL=C:\\NOT.HER\r\n");
}

TEST(WininitText, ASecondRenameSectionCountsAsScheduled) {
  const std::string before = "[rename]\r\nNUL=C:\\A\r\n[x]\r\n[RENAME]\r\nNUL=C:\\B\r\n";
  EXPECT_EQ(AddWininitDeletes(before, {"C:\\B", "C:\\C"}),
            "[rename]\r\nNUL=C:\\A\r\nNUL=C:\\C\r\n[x]\r\n[RENAME]\r\nNUL=C:\\B\r\n");
  EXPECT_EQ(AddWininitDeletes(before, {}), before);
}

}  // namespace
