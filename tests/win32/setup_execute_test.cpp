// The execute instruction under Wine with the sample installer: what it
// asks, what it remembers, the two ways of waiting, and what the started
// program's own children do meanwhile.
#include <gtest/gtest.h>

#include <string>

#include "engine_app.h"
#include "setup/engine/executors.h"
#include "setup/status/run_once.h"

namespace {

// The sample installer on the demo CD, seen through drive Z:. With no
// command line it would show its stand-in window for 4 seconds: the runs
// that need no particular behaviour say "/exit 0".
std::string Installer() { return FromLinux(std::string(VT_DEMO_SETUP) + "/tools/setup.exe"); }

std::string State(const char* key) {
  const DWORD v = ReadProductDword(HKEY_CURRENT_USER, 28, key);
  return v == kRegDwordMissing ? "none" : std::to_string(v);
}

std::string RunOnce() {
  std::string value = "none";
  ReadRegString(HKEY_CURRENT_USER, kRunOnceKey, kRunOnceValue, value);
  return value;
}

class RestartApp : public EngineApp {
 public:
  void RestartWindows() override { ++restarts; }
  int restarts = 0;
};

class Execute : public ::testing::Test {
 protected:
  Execute() : dir("execute") {
    ClearSetupRegistry();
    app.Install(dir.path(), dir.path());
    app.m_tokens.Set(tok::SETUP_EXE, "c:\\Corvane\\access\\setup.exe");
    WriteTextFile(dir / "setup.cfg", "[Watched]\nApp=16\nClass=VtSampleClass\n[Misspelt]\nApp=16\nWindow=No Such Title\n");
    app.m_tokens.Set(tok::SETUP_CFG, dir / "setup.cfg");
    WriteRegString(HKEY_CURRENT_USER, kRunOnceKey, kRunOnceValue, "untouched");
  }
  ~Execute() override { ClearSetupRegistry(); }
  ScratchDir dir;
  RestartApp app;
};

TEST_F(Execute, AskedBeforeAndAfterAndRemembered) {
  app.answers = {IDOK, IDYES};
  const std::string marker = dir / "ran.txt";
  EXPECT_EQ(VTCfgExecute("Browser", "0" + Installer() + " /marker " + marker + ",the rest is not used", false), 1);
  EXPECT_TRUE(FileExistsIn(marker, ""));
  // Only the command line before the comma ran.
  EXPECT_EQ(ReadTextFile(marker).find("rest"), std::string::npos);
  ASSERT_EQ(app.boxes.size(), 2u);
  EXPECT_EQ(app.boxes[0].text, "Vantora Setup will now launch the installation for 'Browser'.");
  EXPECT_EQ(app.boxes[0].style, 0x30u);
  EXPECT_EQ(app.boxes[1].text, "Was the installation of 'Browser' successful?");
  EXPECT_EQ(app.boxes[1].style, 0x24u);
  EXPECT_EQ(State("Browser"), "2");
  EXPECT_EQ(RunOnce(), "untouched");  // flag 0: no continuation
  EXPECT_TRUE(app.LogHas("Starting setup.exe\n"));
  EXPECT_TRUE(app.LogHas("CreateProcess for " + Installer() + " /marker " + marker + "\n"));

  app.boxes.clear();
  app.answers = {IDOK, IDNO, IDYES};  // it did not work, but go on
  EXPECT_EQ(VTCfgExecute("Browser", "0" + Installer() + " /exit 3", false), 2);
  EXPECT_EQ(State("Browser"), "3");
  EXPECT_EQ(app.boxes.back().text, "Do you want to continue?");
  app.answers = {IDOK, IDNO, IDNO};
  EXPECT_EQ(VTCfgExecute("Browser", "0" + Installer() + " /exit 0", false), 0);
}

TEST_F(Execute, AQuietRunAsksNothingAndRemembersNothing) {
  EXPECT_EQ(VTCfgExecute("Tools", "0" + Installer() + " /marker " + dir / "quiet.txt", true), 1);
  EXPECT_TRUE(app.boxes.empty());
  EXPECT_EQ(State("Tools"), "none");
  EXPECT_TRUE(FileExistsIn("quiet.txt", dir.path()));
  EXPECT_EQ(VTCfgExecute("Tools", "0c:\\no\\such\\program.exe", true), -1);
  EXPECT_TRUE(app.boxes.empty());
}

TEST_F(Execute, AProgramThatCannotStartAsksWhetherToGoOn) {
  CreatePath(dir / "bin");
  WriteTextFile(dir / "bin\\broken.exe", "not a program at all");
  app.answers = {IDOK, IDYES};
  EXPECT_EQ(VTCfgExecute("Broken", "0" + dir / "bin\\broken.exe /x", false), 2);
  ASSERT_EQ(app.boxes.size(), 2u);
  EXPECT_EQ(app.boxes[1].text, "Installation for Broken failed. Cannot run " + dir / "bin\\broken.exe /x" +
                                   ".\nDo you want to continue?");
  EXPECT_EQ(State("Broken"), "none");  // no failure recorded for a start that failed
  // A program that is not there at all: the file prompt, then Cancel.
  EXPECT_EQ(VTCfgExecute("Missing", "0" + dir / "gone\\setup.exe", false), 0);
  ASSERT_EQ(app.prompts.size(), 1u);
  EXPECT_EQ(app.prompts[0].path, dir / "gone");
}

TEST_F(Execute, TheChildOfADebuggedProgramRunsOn) {
  // The program starts its second half and exits at once; the setup stops
  // waiting then, and the second half, not debugged, finishes its work.
  const std::string marker = dir / "child.txt";
  const DWORD start = GetTickCount();
  EXPECT_EQ(VTCfgExecute("Child", "0" + Installer() + " /child /wait 2000 /marker " + marker, true), 1);
  const DWORD waited = GetTickCount() - start;
  EXPECT_LT(waited, 2000u);  // not until the child ended
  EXPECT_FALSE(FileExistsIn(marker, ""));
  for (int i = 0; i < 100 && !FileExistsIn(marker, ""); ++i) Sleep(50);
  EXPECT_TRUE(FileExistsIn(marker, ""));
}

TEST_F(Execute, WatchedThroughItsClassOrEndingWhenTheWindowNeverCame) {
  DWORD start = GetTickCount();
  EXPECT_EQ(VTCfgExecute("Watched", "0" + Installer() + " /window \"Any Title\" VtSampleClass 1200", true), 1);
  EXPECT_GE(GetTickCount() - start, 1200u);
  EXPECT_TRUE(app.LogHas("VTCfgExecute(): Control window name not found for Watched.\n"));
  EXPECT_TRUE(app.LogHas("Launch target found\n"));
  EXPECT_TRUE(app.LogHas("Out of control dilg\n"));
  // A title that never shows: the watch ends once the program has ended.
  start = GetTickCount();
  EXPECT_EQ(VTCfgExecute("Misspelt", "0" + Installer() + " /window \"Real Title\" VtOther 300", true), 1);
  EXPECT_LT(GetTickCount() - start, 8000u);
  EXPECT_TRUE(app.LogHas("Launch target \"No Such Title\" (class \"\") never appeared; the program has ended\n"));
}

TEST_F(Execute, RestartFlagsSetTheContinuationAndOfferTheRestart) {
  // '1': the continuation while it runs, cleared after the answer.
  app.answers = {IDOK, IDYES};
  EXPECT_EQ(VTCfgExecute("Once", "1" + Installer() + " /exit 0", false), 1);
  EXPECT_EQ(RunOnce(), "");
  EXPECT_EQ(app.restarts, 0);
  // Another flag: the restart offered after success; Yes restarts and
  // keeps the continuation, No clears it.
  app.answers = {IDOK, IDYES, IDYES};
  EXPECT_EQ(VTCfgExecute("Reboot", "R" + Installer() + " /exit 0", false), 1);
  EXPECT_EQ(app.restarts, 1);
  EXPECT_EQ(RunOnce(), "c:\\Corvane\\access\\setup.exe 3PI");
  EXPECT_EQ(app.boxes.back().style, 0x44u);
  app.answers = {IDOK, IDYES, IDNO};
  EXPECT_EQ(VTCfgExecute("Reboot", "R" + Installer() + " /exit 0", false), 1);
  EXPECT_EQ(app.restarts, 1);
  EXPECT_EQ(RunOnce(), "");
}

// A continuation left behind would start the setup in 3PI mode at the next
// log-on for nothing: a quiet run, a program that cannot start and a
// failed installation all empty it.
TEST_F(Execute, EveryOtherWayOutEmptiesTheContinuation) {
  EXPECT_EQ(VTCfgExecute("Quiet", "R" + Installer() + " /exit 0", true), 1);
  EXPECT_EQ(RunOnce(), "");
  WriteRegString(HKEY_CURRENT_USER, kRunOnceKey, kRunOnceValue, "untouched");
  EXPECT_EQ(VTCfgExecute("Gone", "1c:\\no\\such\\program.exe", true), -1);
  EXPECT_EQ(RunOnce(), "");
  CreatePath(dir / "bin");
  WriteTextFile(dir / "bin\\broken.exe", "not a program at all");
  WriteRegString(HKEY_CURRENT_USER, kRunOnceKey, kRunOnceValue, "untouched");
  app.answers = {IDOK, IDNO};
  EXPECT_EQ(VTCfgExecute("Broken", "R" + dir / "bin\\broken.exe", false), 0);
  EXPECT_EQ(RunOnce(), "");
  WriteRegString(HKEY_CURRENT_USER, kRunOnceKey, kRunOnceValue, "untouched");
  app.answers = {IDOK, IDNO, IDYES};  // it did not work, go on
  EXPECT_EQ(VTCfgExecute("Failed", "R" + Installer() + " /exit 0", false), 2);
  EXPECT_EQ(RunOnce(), "");
  EXPECT_EQ(app.restarts, 0);
}

// With the setup under "C:\Program Files" the keyword must still be the tail
// of the command line the next log-on starts.
TEST_F(Execute, TheContinuationQuotesAProgramPathWithABlank) {
  app.m_tokens.Set(tok::SETUP_EXE, "C:\\Program Files\\Corvane\\setup.exe");
  app.answers = {IDOK, IDYES, IDYES};
  EXPECT_EQ(VTCfgExecute("Reboot", "R" + Installer() + " /exit 0", false), 1);
  EXPECT_EQ(RunOnce(), "\"C:\\Program Files\\Corvane\\setup.exe\" 3PI");
}

}  // namespace
