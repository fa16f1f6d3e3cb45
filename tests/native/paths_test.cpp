#include <gtest/gtest.h>

#include <vector>

#include "core/paths/path_ops.h"

namespace {

std::string Join(std::string path, std::string_view name) { return AppendPath(path, name); }
std::string Strip(std::string path) { return StripFileName(path); }

TEST(AppendPath, PutsExactlyOneBackslashBetweenTheParts) {
  EXPECT_EQ(Join("c:\\a", "b"), "c:\\a\\b");
  EXPECT_EQ(Join("c:\\a", "\\b"), "c:\\a\\b");
  EXPECT_EQ(Join("c:\\a\\", "b"), "c:\\a\\b");
  EXPECT_EQ(Join("c:\\a\\", "\\b"), "c:\\a\\b");
}

TEST(AppendPath, EmptyNameGuaranteesTrailingBackslash) {
  EXPECT_EQ(Join("c:\\a", ""), "c:\\a\\");
  EXPECT_EQ(Join("c:\\a\\", ""), "c:\\a\\");
  EXPECT_EQ(Join("E:", ""), "E:\\");
}

TEST(AppendPath, EmptyPathStaysInsideTheText) {
  EXPECT_EQ(Join("", "b"), "\\b");
  EXPECT_EQ(Join("", "\\b"), "\\b");
  EXPECT_EQ(Join("", ""), "\\");
}

TEST(AppendPath, ReturnsTheSameStringItChanged) {
  std::string p = "x";
  EXPECT_EQ(&AppendPath(p, "y"), &p);
  EXPECT_EQ(p, "x\\y");
}

TEST(StripFileName, CutsAtLastBackslashAndNormalisesSlashes) {
  EXPECT_EQ(Strip("E:\\setup.exe"), "E:");
  EXPECT_EQ(Strip("c:/a/b/setup.exe"), "c:\\a\\b");
  EXPECT_EQ(Strip("c:\\a\\"), "c:\\a");
  EXPECT_EQ(Strip("setup.exe"), "setup.exe");
  EXPECT_EQ(Strip(""), "");
  EXPECT_EQ(Strip("\\"), "");
}

std::vector<std::string> Prefixes(const std::string& path, bool* ok = nullptr) {
  std::vector<std::string> out;
  bool r = ForEachPathPrefix(path, [&](const std::string& p) {
    out.push_back(p);
    return true;
  });
  if (ok) *ok = r;
  return out;
}

TEST(CreatePathWalk, VisitsEveryDirectoryFromTheLeft) {
  EXPECT_EQ(Prefixes("c:\\a\\b\\c"),
            (std::vector<std::string>{"c:\\a", "c:\\a\\b", "c:\\a\\b\\c"}));
  EXPECT_EQ(Prefixes("c:/a/b"), (std::vector<std::string>{"c:\\a", "c:\\a\\b"}));
  EXPECT_EQ(Prefixes("c:\\"), (std::vector<std::string>{"c:\\"}));
}

TEST(CreatePathWalk, RefusesAnythingButDriveRootedPaths) {
  for (const char* bad : {"", "\\\\server\\share\\x", "temp\\x", "c:temp", "ab\\x", "\\x"}) {
    bool ok = true;
    EXPECT_TRUE(Prefixes(bad, &ok).empty()) << bad;
    EXPECT_FALSE(ok) << bad;
  }
}

TEST(CreatePathWalk, StopsAtTheFirstFailure) {
  int calls = 0;
  EXPECT_FALSE(ForEachPathPrefix("c:\\a\\b\\c", [&](const std::string&) { return ++calls < 2; }));
  EXPECT_EQ(calls, 2);
}

}  // namespace
