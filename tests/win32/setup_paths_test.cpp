#include <gtest/gtest.h>

#include "setup/paths/file_paths.h"
#include "scripted_app.h"

namespace {

bool IsDir(const std::string& path) {
  const DWORD a = GetFileAttributesA(path.c_str());
  return a != INVALID_FILE_ATTRIBUTES && (a & FILE_ATTRIBUTE_DIRECTORY);
}

TEST(CreatePath, CreatesEveryLevelAndAcceptsExistingOnes) {
  ScratchDir dir("paths");
  const std::string deep = dir / "a\\b\\c";
  EXPECT_EQ(CreatePath(deep), 1);
  EXPECT_TRUE(IsDir(deep));
  EXPECT_EQ(CreatePath(deep), 1);
  EXPECT_EQ(CreatePath(dir / "x/y"), 1);
  EXPECT_TRUE(IsDir(dir / "x\\y"));
  EXPECT_EQ(CreatePath(dir / "t\\"), 1);
  EXPECT_TRUE(IsDir(dir / "t"));
}

TEST(CreatePath, RefusesOtherFormsWithoutCreatingAnything) {
  ScratchDir dir("paths2");
  ASSERT_TRUE(SetCurrentDirectoryA(dir.path().c_str()));
  EXPECT_EQ(CreatePath(""), 0);
  EXPECT_EQ(CreatePath("\\\\server\\share\\x"), 0);
  EXPECT_EQ(CreatePath("temp\\x"), 0);
  EXPECT_FALSE(IsDir(dir / "temp"));
  SetCurrentDirectoryA("c:\\");
}

TEST(CreatePath, StopsWhenALevelIsAFile) {
  ScratchDir dir("paths3");
  ASSERT_TRUE(WriteTextFile(dir / "file", "x"));
  EXPECT_EQ(CreatePath(dir / "file\\sub"), 0);
  EXPECT_FALSE(IsDir(dir / "file\\sub"));
}

TEST(FileExistsIn, FilesAndFoldersCount) {
  ScratchDir dir("exists");
  ASSERT_TRUE(WriteTextFile(dir / "QRM.D00", ""));
  CreateDirectoryA((dir / "sub").c_str(), nullptr);
  EXPECT_TRUE(FileExistsIn("QRM.D00", dir.path()));
  EXPECT_TRUE(FileExistsIn("qrm.d00", dir.path()));  // names ignore case
  EXPECT_TRUE(FileExistsIn("QRM.D00", dir.path() + "\\"));
  EXPECT_TRUE(FileExistsIn("sub", dir.path()));
  EXPECT_TRUE(FileExistsIn(dir / "QRM.D00", ""));
  EXPECT_FALSE(FileExistsIn("QRM.D01", dir.path()));
  EXPECT_FALSE(FileExistsIn("", dir.path()));
}

}  // namespace
