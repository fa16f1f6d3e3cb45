// Entry names: where each lands below the destination, and the names that
// would put a file anywhere else.
#include <gtest/gtest.h>

#include "core/archive/entry_name.h"

namespace {

bool Safe(const std::string& name, bool paths, std::string* dir = nullptr, std::string* file = nullptr) {
  EntryPath p;
  std::string why;
  bool ok = SplitEntryName(name, paths, p, &why);
  if (!ok) {
    EXPECT_FALSE(why.empty()) << name;
  }
  if (dir) *dir = p.directory;
  if (file) *file = p.file;
  return ok;
}

}  // namespace

TEST(EntryName, SplitsAtTheLastSeparatorOfEitherKind) {
  std::string dir, file;
  ASSERT_TRUE(Safe("sub/deeper\\file.txt", true, &dir, &file));
  EXPECT_EQ(dir, "sub\\deeper");
  EXPECT_EQ(file, "file.txt");
  ASSERT_TRUE(Safe("plain.txt", true, &dir, &file));
  EXPECT_EQ(dir, "");
  // Plain archives keep only the file name, whatever precedes it.
  ASSERT_TRUE(Safe("..\\..\\x.dll", false, &dir, &file));
  EXPECT_EQ(dir, "");
  EXPECT_EQ(file, "x.dll");
  EXPECT_TRUE(Safe("a..b\\c...d.txt", true));
}

TEST(EntryName, NamesLeavingTheDestinationAreRefused) {
  for (const char* bad : {"..\\evil.dll", "../evil.dll", "a\\..\\..\\evil.dll", "a/../b/../../x", "\\windows\\x.dll",
                          "/etc/x", "\\\\server\\share\\x", "C:\\x.dll", "c:x.dll", "sub\\c:x", "a\\ .. \\x",
                          "a\\...\\x", "dir\\", "dir\\..", "file.txt:stream"})
    EXPECT_FALSE(Safe(bad, true)) << bad;
  EXPECT_FALSE(Safe("C:x", false));
  EXPECT_FALSE(Safe("..", false));
  EXPECT_FALSE(Safe("", false));
}

TEST(EntryName, DeviceNamesAreRefusedInEveryPartAndForm) {
  for (const char* bad : {"CON", "con.txt", "Nul.dat", "aux", "PRN.", "COM1", "com9.log", "LPT1.TXT",
                          "lpt9", "con .txt", "nul.tar.gz", "sub\\con.txt", "CON\\readme.txt",
                          "a\\b\\Com3\\x.dll", "clock$"})
    EXPECT_FALSE(Safe(bad, true)) << bad;
  for (const char* bad : {"NUL", "lpt2.prn", "sub\\com1"}) EXPECT_FALSE(Safe(bad, false)) << bad;
  // Names that only resemble a device are files like any other; a plain
  // archive ignores its folders.
  for (const char* good : {"CONFIG.SYS", "console.txt", "com10.txt", "COM0", "lpt.txt", "nul_.dat",
                           "xcon", "ACON.TXT", "sub\\connect.txt"})
    EXPECT_TRUE(Safe(good, true)) << good;
  EXPECT_TRUE(Safe("con\\readme.txt", false));
  std::string why;
  EntryPath p;
  EXPECT_FALSE(SplitEntryName("help\\aux.hlp", true, p, &why));
  EXPECT_EQ(why, "it names the device AUX");
}
