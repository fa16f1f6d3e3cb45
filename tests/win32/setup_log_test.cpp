#include <gtest/gtest.h>

#include <string>
#include <thread>

#include "core/log/log_sink.h"
#include "setup/log/setup_log.h"
#include "scripted_app.h"

namespace {

class Log : public ::testing::Test {
 protected:
  void SetUp() override {
    CloseLog();
    RemoveDirectoryA(kLogFileName);
    DeleteFileA(kLogFileName);
  }
  void TearDown() override {
    CloseLog();
    RemoveDirectoryA(kLogFileName);
    DeleteFileA(kLogFileName);
  }
  ScriptedApp app;
};

TEST_F(Log, OffWritesNothingAndLeavesAnOldFileAlone) {
  EXPECT_FALSE(OpenLog(FALSE));
  LogPrintf("not logged\n");
  EXPECT_EQ(GetFileAttributesA(kLogFileName), INVALID_FILE_ATTRIBUTES);

  ASSERT_TRUE(WriteTextFile(kLogFileName, "from an earlier run\n"));
  EXPECT_FALSE(OpenLog(FALSE));
  LogPrintf("not logged\n");
  EXPECT_EQ(ReadTextFile(kLogFileName), "from an earlier run\n");
  EXPECT_TRUE(app.boxes.empty());
}

TEST_F(Log, OnTruncatesAndWritesTextsExactlyAsFormatted) {
  ASSERT_TRUE(WriteTextFile(kLogFileName, "from an earlier run\n"));
  ASSERT_TRUE(OpenLog(TRUE));
  LogPrintf("Command line = %s\n", "R&U");
  LogPrintf("no line end,");
  LogPrintf(" continued %d\n", 42);
  const std::string tooLong(512, 'x');
  LogPrintf("%s", tooLong.c_str());
  const std::string fits(511, 'y');
  LogPrintf("%s", fits.c_str());
  CloseLog();
  LogPrintf("after close\n");
  EXPECT_EQ(ReadTextFile(kLogFileName),
            "Command line = R&U\nno line end, continued 42\n" + fits);
}

TEST_F(Log, LinesFromTwoThreadsNeverInterleave) {
  ASSERT_TRUE(OpenLog(TRUE));
  const std::string a(200, 'a'), b(300, 'b');
  auto writer = [](const std::string* text) {
    for (int i = 0; i < 500; ++i) LogPrintf("%s\n", text->c_str());
  };
  std::thread t1(writer, &a), t2(writer, &b);
  t1.join();
  t2.join();
  CloseLog();
  const std::string log = ReadTextFile(kLogFileName);
  int countA = 0, countB = 0;
  size_t pos = 0;
  while (pos < log.size()) {
    const size_t end = log.find('\n', pos);
    ASSERT_NE(end, std::string::npos);
    const std::string line = log.substr(pos, end - pos);
    if (line == a)
      ++countA;
    else if (line == b)
      ++countB;
    else
      FAIL() << "mixed line at byte " << pos;
    pos = end + 1;
  }
  EXPECT_EQ(countA, 500);
  EXPECT_EQ(countB, 500);
}

TEST_F(Log, UncreatableFileSaysSoOnceAndStaysOff) {
  // A folder of that name stands where the file would go.
  ASSERT_TRUE(CreateDirectoryA(kLogFileName, nullptr));
  EXPECT_FALSE(OpenLog(TRUE));
  ASSERT_EQ(app.boxes.size(), 1u);
  EXPECT_EQ(app.boxes[0].text, "Logging is not available");
  EXPECT_EQ(app.boxes[0].style, static_cast<UINT>(MB_OK));
  EXPECT_FALSE(LogEnabled());
  LogPrintf("goes nowhere\n");
}

TEST(NumberedError, ShowsTitleAndNumber) {
  ScriptedApp app;
  EXPECT_EQ(ShowNumberedError(2, TRUE), 1);
  EXPECT_EQ(ShowNumberedError(5, FALSE), 1);
  ASSERT_EQ(app.boxes.size(), 2u);
  EXPECT_EQ(app.boxes[0].text, "Error 2\n");
  EXPECT_EQ(app.boxes[1].text, "Warning 5\n");
  EXPECT_EQ(app.boxes[0].style, static_cast<UINT>(MB_OK));
}

TEST(SystemErrorText, NamesTheError) {
  const std::string text = GetSystemErrorText(ERROR_FILE_NOT_FOUND);
  EXPECT_FALSE(text.empty());
  EXPECT_LE(text.size(), 512u);
  SetLastError(ERROR_ACCESS_DENIED);
  EXPECT_EQ(GetSystemErrorText(0), GetSystemErrorText(ERROR_ACCESS_DENIED));
}

}  // namespace
