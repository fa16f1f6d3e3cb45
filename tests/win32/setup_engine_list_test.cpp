// Instruction lists under Wine: the order lines run in, what stops a list,
// the Ignore question, update runs, cancel and nested sections.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/config/instruction.h"
#include "engine_app.h"

namespace {

bool IsDir(const std::string& path) {
  const DWORD a = GetFileAttributesA(path.c_str());
  return a != INVALID_FILE_ATTRIBUTES && (a & FILE_ATTRIBUTE_DIRECTORY);
}

int ReturnsTwo(const std::string&, const std::string&) { return VTCFG_FAILED_GO; }

// Lists whose execute lines report "failed, go on" (2).
class TwoApp : public EngineApp {
 public:
  VTCfgExecutor ExecutorFor(int kind) const override {
    return kind == VTCFG_EXECUTE ? ReturnsTwo : EngineApp::ExecutorFor(kind);
  }
};

class EngineList : public ::testing::Test {
 protected:
  EngineList() : dir("engine_list") { app.Install(dir.path(), dir / "main"); }
  // A setup.cfg with these sections, made the one the engine reads.
  void Cfg(const std::string& text) {
    ASSERT_TRUE(WriteTextFile(dir / "setup.cfg", text));
    app.m_tokens.Set(tok::SETUP_CFG, dir / "setup.cfg");
  }
  ScratchDir dir;
  TwoApp app;
};

TEST_F(EngineList, RunsInOrderAndStopsAtTheFirstResultOtherThanOne) {
  EXPECT_EQ(app.RunCfgInstructions({}), 1);
  EXPECT_EQ(app.RunCfgInstructions({"a=9," + dir / "a", "bad=9", "c=9," + dir / "c"}), -1);
  EXPECT_TRUE(IsDir(dir / "a"));
  EXPECT_FALSE(IsDir(dir / "c"));
  EXPECT_TRUE(app.LogHas("VTCFG_CREATEDIR: Inavlid entry bad=\n"));
  // Result 2 (failed, the user goes on) ends the list and is its result.
  EXPECT_EQ(app.RunCfgInstructions({"x=9," + dir / "x", "Browser=4,0setup.exe", "y=9," + dir / "y"}), 2);
  EXPECT_TRUE(IsDir(dir / "x"));
  EXPECT_FALSE(IsDir(dir / "y"));
  EXPECT_EQ(app.progress, (std::vector<std::string>{"2:" + dir / "a", "2:", "2:" + dir / "x"}));
}

TEST_F(EngineList, MalformedLinesAskWhetherToIgnoreThem) {
  const std::vector<std::string> bad = {"no equals sign", "=9,x", "ends=", "k=11,x", "k=copy,x",
                                        "k=9,{NOPE}\\x", "k=9,{MAIN_DIR"};
  for (const std::string& line : bad) {
    SCOPED_TRACE(line);
    app.boxes.clear();
    app.answers = {IDYES};
    EXPECT_EQ(app.RunCfgInstructions({line, "after=9," + dir / "after"}), 1);
    ASSERT_EQ(app.boxes.size(), 1u);
    EXPECT_EQ(app.boxes[0].text, "Illigal entry \"" + line + "\" in SETUP.CFG\nIgnore?");
    EXPECT_EQ(app.boxes[0].style, 0x14u);
    EXPECT_TRUE(app.LogHas("Illigal entry \"" + line + "\" in SETUP.CFG Ignored\n"));
    EXPECT_TRUE(IsDir(dir / "after"));
    RemoveDirectoryA((dir / "after").c_str());

    app.answers = {IDNO};
    EXPECT_EQ(app.RunCfgInstructions({line, "after=9," + dir / "after"}), -1);
    EXPECT_TRUE(app.LogHas("Illigal entry \"" + line + "\" in SETUP.CFG Aborted\n"));
    EXPECT_FALSE(IsDir(dir / "after"));
  }
  EXPECT_TRUE(app.LogHas("ParseCfgInstruction(): Invalid entry no equals sign.\n"));
  EXPECT_TRUE(app.LogHas("CfgInstructReplaceTokens(): Token {{NOPE}} not found.\n"));
}

TEST_F(EngineList, AnExecuteLineWhoseProgramIsMissingStopsWhenThePromptIsCancelled) {
  EngineApp plain;
  plain.Install(dir.path(), dir / "main");
  EXPECT_EQ(plain.RunCfgInstructions({"Browser=4,0e:\\ie\\setup.exe", "a=9," + dir / "a"}), 0);
  ASSERT_EQ(plain.prompts.size(), 1u);
  EXPECT_EQ(plain.prompts[0].path, "e:\\ie");
  EXPECT_FALSE(IsDir(dir / "a"));
}

TEST_F(EngineList, UpdateRunsOnlyImportRegistryFilesAndRecallUserPaths) {
  CreatePath(dir / "main\\access");
  ASSERT_TRUE(WriteTextFile(dir / "main\\access\\upd.reg", "REGEDIT4\r\n"));
  WriteProductString(HKEY_CURRENT_USER, 28, "Browser", "c:\\Browser");
  app.m_b3PUpdate = true;
  EXPECT_EQ(app.RunCfgInstructions({"f.txt=1,,", "upd.reg=3,e:\\ignored", "a=9," + dir / "a",
                                    "Browser=8,Where?,c:\\x,Pick it", "{bad line"}),
            1);
  EXPECT_EQ(app.progress, std::vector<std::string>{"3:upd.reg"});
  EXPECT_EQ(app.m_tokens.Get(tok::USER_DIR), "c:\\Browser");
  EXPECT_TRUE(app.prompts.empty());
  EXPECT_TRUE(app.boxes.empty());
  EXPECT_FALSE(IsDir(dir / "a"));
  ClearSetupRegistry();
}

TEST_F(EngineList, ACancelEndsTheListAfterTheRunningLine) {
  app.cancelAtBox = 1;
  EXPECT_EQ(app.RunCfgInstructions({"a=9," + dir / "a", "Note=10,Files are copied now",
                                    "b=9," + dir / "b"}),
            0);
  EXPECT_TRUE(IsDir(dir / "a"));
  EXPECT_FALSE(IsDir(dir / "b"));
  EXPECT_TRUE(app.LogHas("User cancel\n"));
  // A cancel asked before the list starts runs nothing.
  EXPECT_EQ(app.RunCfgInstructions({"c=9," + dir / "c"}), 0);
  EXPECT_FALSE(IsDir(dir / "c"));
}

TEST_F(EngineList, SectionsNestAndAMissingOneAsksToIgnore) {
  Cfg("[Outer]\nin=9," + dir / "outer" + "\nNext=6,Inner Files\n[Inner Files]\n; comment\nin=9," +
      dir / "inner" + "\n[Comments]\n;only\n");
  EXPECT_EQ(app.RunCfgInstructions({"Start=6,Outer, ignored"}), 1);
  EXPECT_TRUE(IsDir(dir / "outer"));
  EXPECT_TRUE(IsDir(dir / "inner"));

  app.answers = {IDYES, IDYES, IDNO};
  EXPECT_EQ(app.RunCfgInstructions({"Missing=6", "Empty=6,Comments", "c=9," + dir / "c"}), 1);
  EXPECT_TRUE(IsDir(dir / "c"));
  ASSERT_EQ(app.boxes.size(), 2u);
  EXPECT_EQ(app.boxes[0].text, "Illigal entry \"Missing=\" in SETUP.CFG\nIgnore?");
  EXPECT_EQ(app.boxes[1].text, "Illigal entry \"Empty=Comments\" in SETUP.CFG\nIgnore?");
  EXPECT_EQ(app.RunCfgInstructions({"Missing=6", "d=9," + dir / "d"}), -1);
  EXPECT_FALSE(IsDir(dir / "d"));
}

TEST_F(EngineList, ASectionThatRunsItselfEndsWithMinusOne) {
  Cfg("[Loop]\nmark=9," + dir / "loop" + "\nagain=6,Loop\n[Ping]\np=6,Pong\n[Pong]\nq=6,Ping\n");
  EXPECT_EQ(app.RunCfgInstructions({"go=6,Loop", "after=9," + dir / "after"}), -1);
  EXPECT_TRUE(IsDir(dir / "loop"));
  EXPECT_FALSE(IsDir(dir / "after"));
  EXPECT_TRUE(app.LogHas("VTCfgRunSection(): Section Loop nested 32 deep: it runs itself. Aborted\n"));
  EXPECT_EQ(app.RunCfgInstructions({"go=6,Ping"}), -1);
  EXPECT_EQ(app.m_nSectionDepth, 0);
  EXPECT_TRUE(app.boxes.empty());
}

}  // namespace
