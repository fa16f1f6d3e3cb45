// Unpacking archives on the real file system under Wine: names, times,
// skipped and locked destinations, corrupt data, cancel, and names that try
// to leave the destination.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/archive/archive_format.h"
#include "setup/archive/extract_archive.h"
#include "core/dcl/dcl_encode.h"
#include "core/log/log_sink.h"
#include "scripted_app.h"
#include "test_archives.h"

namespace {

std::string g_log;
void CaptureLog(const char* text, size_t length) { g_log.append(text, length); }

class ArchiveApp : public ScriptedApp {
 public:
  void NotifyProgress(int code, const char* text) override {
    progress.push_back(std::to_string(code) + ":" + text);
    if (cancel_after && progress.size() == cancel_after) m_bAbort = TRUE;
  }
  std::vector<std::string> progress;
  size_t cancel_after = 0;
};

std::string Archive(const ScratchDir& dir, const std::string& file, bool paths, const std::vector<PackedFile>& files) {
  return MakeArchive(dir / file, paths, files);
}

uint64_t LastWrite(const std::string& path) {
  WIN32_FILE_ATTRIBUTE_DATA d;
  if (!GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &d)) return 0;
  return uint64_t(d.ftLastWriteTime.dwHighDateTime) << 32 | d.ftLastWriteTime.dwLowDateTime;
}

bool Exists(const std::string& path) { return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

class ExtractTest : public ::testing::Test {
 protected:
  void SetUp() override {
    g_log.clear();
    SetLogSink(CaptureLog);
  }
  void TearDown() override { SetLogSink(nullptr); }
  ArchiveApp app;
};

}  // namespace

TEST_F(ExtractTest, ExtractsEveryEntryWithPathsAndStoredTimes) {
  ScratchDir dir("arc_paths");
  std::string big(20000, 'x');
  for (size_t i = 0; i < big.size(); i += 7) big[i] = char('a' + i % 23);
  auto a = Archive(dir, "data.z", true, {{"readme.txt", "hello"}, {"sub\\deep/big.dat", big}});
  const std::string dest = dir / "out";
  EXPECT_EQ(ExtractArchive(a, dest), 1);
  EXPECT_EQ(ReadTextFile(dest + "\\readme.txt"), "hello");
  EXPECT_EQ(ReadTextFile(dest + "\\sub\\deep\\big.dat"), big);
  EXPECT_EQ(LastWrite(dest + "\\sub\\deep\\big.dat"), kPackedTime);
  EXPECT_NE(g_log.find("Extracting file: " + dest + "\\readme.txt\n"), std::string::npos);
  EXPECT_NE(g_log.find(" " + dest + "\\sub\\deep\\big.dat - OK\n"), std::string::npos);
  EXPECT_EQ(app.progress, (std::vector<std::string>{"1:readme.txt", "1:sub\\deep/big.dat"}));
  EXPECT_TRUE(app.boxes.empty());
}

TEST_F(ExtractTest, EmptyArchiveCreatesTheDestination) {
  ScratchDir dir("arc_empty");
  auto a = Archive(dir, "none.z", false, {});
  EXPECT_EQ(ExtractArchive(a, dir / "new\\folder"), 1);
  EXPECT_TRUE(Exists(dir / "new\\folder"));
  EXPECT_EQ(UnpackArchive(a, dir / "other"), 1);
}

TEST_F(ExtractTest, ReadOnlyAndLockedDestinationsAreSkipped) {
  ScratchDir dir("arc_locked");
  auto a = Archive(dir, "three.z", false, {{"RO.TXT", "new1"}, {"LOCKED.TXT", "new2"}, {"FREE.TXT", "new3"}});
  const std::string dest = dir / "out";
  CreateDirectoryA(dest.c_str(), nullptr);
  ASSERT_TRUE(WriteTextFile(dest + "\\RO.TXT", "old1"));
  SetFileAttributesA((dest + "\\RO.TXT").c_str(), FILE_ATTRIBUTE_READONLY);
  ASSERT_TRUE(WriteTextFile(dest + "\\LOCKED.TXT", "old2"));
  HANDLE lock = CreateFileA((dest + "\\LOCKED.TXT").c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
  ASSERT_NE(lock, INVALID_HANDLE_VALUE);

  EXPECT_EQ(ExtractArchive(a, dest), 1);
  CloseHandle(lock);
  SetFileAttributesA((dest + "\\RO.TXT").c_str(), FILE_ATTRIBUTE_NORMAL);
  EXPECT_EQ(ReadTextFile(dest + "\\RO.TXT"), "old1");
  EXPECT_EQ(ReadTextFile(dest + "\\LOCKED.TXT"), "old2");
  EXPECT_EQ(ReadTextFile(dest + "\\FREE.TXT"), "new3");
  EXPECT_NE(g_log.find("Destination file " + dest + "\\RO.TXT exists and cannot be overwritten. Ignore...\n"),
            std::string::npos);
  EXPECT_NE(g_log.find("Destination file " + dest + "\\LOCKED.TXT exists and cannot be overwritten. Ignore...\n"),
            std::string::npos);
  EXPECT_TRUE(app.boxes.empty());
}

TEST_F(ExtractTest, QuietUnpackStopsAtADestinationItCannotCreate) {
  ScratchDir dir("arc_quiet");
  auto a = Archive(dir, "two.z", false, {{"LOCKED.TXT", "new"}, {"NEXT.TXT", "next"}});
  const std::string dest = dir / "out";
  CreateDirectoryA(dest.c_str(), nullptr);
  ASSERT_TRUE(WriteTextFile(dest + "\\LOCKED.TXT", "old"));
  HANDLE lock = CreateFileA((dest + "\\LOCKED.TXT").c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
  EXPECT_EQ(UnpackArchive(a, dest), 1);
  CloseHandle(lock);
  ASSERT_EQ(app.boxes.size(), 1u);
  EXPECT_EQ(app.boxes[0].text, "Cannot create destination file LOCKED.TXT");
  EXPECT_EQ(app.boxes[0].style, 0x10u);
  EXPECT_FALSE(Exists(dest + "\\NEXT.TXT"));
  EXPECT_TRUE(g_log.empty());
}

TEST_F(ExtractTest, CorruptStreamStopsWithTheEntryName) {
  ScratchDir dir("arc_corrupt");
  auto a = Archive(dir, "bad.z", false, {{"GOOD.TXT", "fine"}, {"BAD.TXT", std::string(3000, 'q')}, {"LAST.TXT", "z"}});
  // Break the second stream's header: dictionary size code 9.
  std::string bytes = ReadTextFile(a);
  const size_t second_start = 4 + 29 + 13 + 8;  // start offset field of entry 2
  uint32_t start = 0;
  memcpy(&start, &bytes[second_start], 4);
  bytes[start + 1] = 9;
  ASSERT_TRUE(WriteTextFile(a, bytes));
  // An older copy of the damaged entry's file: it stays as it was, and
  // nothing half-written is left under any name.
  ASSERT_TRUE(CreateDirectoryA((dir / "x").c_str(), nullptr));
  ASSERT_TRUE(WriteTextFile(dir / "x\\BAD.TXT", "the older file"));

  EXPECT_EQ(ExtractArchive(a, dir / "x"), 0);
  ASSERT_EQ(app.boxes.size(), 1u);
  EXPECT_EQ(app.boxes[0].text, "Cannot extract file BAD.TXT");
  EXPECT_EQ(ReadTextFile(dir / "x\\GOOD.TXT"), "fine");
  EXPECT_EQ(ReadTextFile(dir / "x\\BAD.TXT"), "the older file");
  EXPECT_FALSE(Exists(dir / "x\\BAD.TXT.~vt"));
  EXPECT_FALSE(Exists(dir / "x\\LAST.TXT"));
  EXPECT_NE(g_log.find("Cannot extract file " + (dir / "x\\BAD.TXT") + ": the archive's data is damaged"),
            std::string::npos) << g_log;

  EXPECT_EQ(UnpackArchive(a, dir / "y"), 1);
  EXPECT_EQ(app.boxes.back().text, "Cannot extract file BAD.TXT");
  EXPECT_FALSE(Exists(dir / "y\\BAD.TXT"));
  EXPECT_FALSE(Exists(dir / "y\\BAD.TXT.~vt"));
  EXPECT_FALSE(Exists(dir / "y\\LAST.TXT"));
}

TEST_F(ExtractTest, CancelStopsBeforeTheNextEntry) {
  ScratchDir dir("arc_cancel");
  auto a = Archive(dir, "c.z", false, {{"ONE", "1"}, {"TWO", "2"}, {"THREE", "3"}});
  app.cancel_after = 1;  // the user confirms the cancel while ONE unpacks
  EXPECT_EQ(ExtractArchive(a, dir / "out"), 0);
  EXPECT_EQ(ReadTextFile(dir / "out\\ONE"), "1");
  EXPECT_FALSE(Exists(dir / "out\\TWO"));
}

TEST_F(ExtractTest, NamesLeavingTheDestinationWriteNothingOutsideIt) {
  ScratchDir dir("arc_escape");
  const std::string dest = dir / "in\\dest";
  for (const char* evil : {"..\\escaped.txt", "../escaped.txt", "ok\\..\\..\\escaped.txt", "c:\\vttest\\escaped.txt",
                           "\\vttest\\escaped.txt", "nul.txt", "sub\\CON", "LPT1\\x.txt", "com2.log"}) {
    app.boxes.clear();
    auto a = Archive(dir, "evil.z", true, {{"fine.txt", "ok"}, {evil, "gotcha"}});
    EXPECT_EQ(ExtractArchive(a, dest), 0) << evil;
    EXPECT_EQ(UnpackArchive(a, dest), 1) << evil;
    ASSERT_EQ(app.boxes.size(), 2u) << evil;
    EXPECT_NE(app.boxes[0].text.find("cannot be extracted safely"), std::string::npos) << app.boxes[0].text;
    EXPECT_EQ(ReadTextFile(dest + "\\fine.txt"), "ok");
  }
  EXPECT_FALSE(Exists(dir / "in\\escaped.txt"));
  EXPECT_FALSE(Exists(dir / "escaped.txt"));
  EXPECT_FALSE(Exists("c:\\vttest\\escaped.txt"));
}

TEST_F(ExtractTest, MissingArchiveAndBadDestination) {
  ScratchDir dir("arc_missing");
  EXPECT_EQ(ExtractArchive(dir / "nothere.z", dir / "out"), -1);
  ASSERT_EQ(app.boxes.size(), 1u);
  EXPECT_EQ(app.boxes[0].text, "Cannot open source file " + dir / "nothere.z");
  auto a = Archive(dir, "a.z", false, {{"A", "a"}});
  EXPECT_EQ(ExtractArchive(a, "relative\\dir"), -1);
  EXPECT_EQ(app.boxes.back().text, "Error creating destination directory");
  EXPECT_EQ(UnpackArchive(dir / "nothere.z", dir / "out"), -1);
}

TEST_F(ExtractTest, DamagedEntryTableIsRefused) {
  ScratchDir dir("arc_damaged");
  auto a = Archive(dir, "d.z", false, {{"A", "aaaa"}});
  std::string bytes = ReadTextFile(a);
  bytes[4 + 13 + 8 + 4 + 3] = 0x7F;  // end offset far past the file
  ASSERT_TRUE(WriteTextFile(a, bytes));
  EXPECT_EQ(ExtractArchive(a, dir / "out"), 0);
  ASSERT_EQ(app.boxes.size(), 1u);
  EXPECT_NE(app.boxes[0].text.find("damaged"), std::string::npos);
  EXPECT_FALSE(Exists(dir / "out\\A"));
}
