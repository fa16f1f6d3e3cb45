// The copy and extract instructions under Wine, against the real file
// system: fallbacks, new names, files that cannot be replaced, the file
// prompt, and errors.
#include <gtest/gtest.h>

#include <string>

#include "engine_app.h"
#include "setup/engine/executors.h"
#include "setup/media/file_prompt.h"
#include "setup/paths/file_copy.h"
#include "test_archives.h"

namespace {


class EngineCopy : public ::testing::Test {
 protected:
  EngineCopy() : dir("engine_copy") {
    CreateDirectoryA((dir / "cd").c_str(), nullptr);
    WriteTextFile(dir / "cd\\client.exe", "the client");
    app.Install(dir / "cd", dir / "main");
  }
  ScratchDir dir;
  EngineApp app;
};

TEST_F(EngineCopy, EmptyFieldsFallBackOnTheSourceAndMainDirectories) {
  EXPECT_EQ(VTCfgCopy("client.exe", ",,"), 1);
  EXPECT_EQ(ReadTextFile(dir / "main\\client.exe"), "the client");
  EXPECT_EQ(VTCfgCopy("client.exe", dir / "cd," + dir / "bin"), 1);
  EXPECT_EQ(ReadTextFile(dir / "bin\\client.exe"), "the client");
  EXPECT_EQ(VTCfgCopy("client.exe", ",," + std::string("new, with commas.exe")), 1);
  EXPECT_EQ(ReadTextFile(dir / "main\\new, with commas.exe"), "the client");
  EXPECT_EQ(app.progress.front(), "0:client.exe");
  EXPECT_TRUE(app.prompts.empty());
}

TEST_F(EngineCopy, ACopyNeverKeepsTheSourcesReadOnlyBitAndReplacesOlderFiles) {
  SetFileAttributesA((dir / "cd\\client.exe").c_str(), FILE_ATTRIBUTE_READONLY);
  CreatePath(dir / "main");
  WriteTextFile(dir / "main\\client.exe", "an older client, much longer than the new one");
  EXPECT_EQ(VTCfgCopy("client.exe", ",,"), 1);
  EXPECT_EQ(ReadTextFile(dir / "main\\client.exe"), "the client");
  EXPECT_FALSE(GetFileAttributesA((dir / "main\\client.exe").c_str()) & FILE_ATTRIBUTE_READONLY);
  SetFileAttributesA((dir / "cd\\client.exe").c_str(), FILE_ATTRIBUTE_NORMAL);
}

// The copy is written under a partial name and renamed into place; what a
// killed run left under that name is written over, and nothing stays.
TEST_F(EngineCopy, ACopyTakesItsPlaceWholeAndLeavesNoPartialFile) {
  CreatePath(dir / "main");
  WriteTextFile(dir / "main\\client.exe", "the old client");
  WriteTextFile(dir / "main\\client.exe.~vt", "half of a client from a run cut off");
  EXPECT_EQ(VTCfgCopy("client.exe", ",,"), 1);
  EXPECT_EQ(ReadTextFile(dir / "main\\client.exe"), "the client");
  EXPECT_FALSE(FileExistsIn(dir / "main\\client.exe.~vt", ""));
  // A missing source leaves the destination as it was.
  DeleteFileA((dir / "cd\\client.exe").c_str());
  EXPECT_EQ(CopyOverwriting(dir / "cd\\client.exe", dir / "main\\client.exe"), DWORD(ERROR_FILE_NOT_FOUND));
  EXPECT_EQ(ReadTextFile(dir / "main\\client.exe"), "the client");
  EXPECT_FALSE(FileExistsIn(dir / "main\\client.exe.~vt", ""));
}

BOOL WINAPI RenameRefusingPartials(LPCSTR from, LPCSTR to) {
  const std::string name = from;
  if (name.size() > 4 && name.compare(name.size() - 4, 4, ".~vt") == 0) {
    SetLastError(ERROR_ACCESS_DENIED);
    return FALSE;
  }
  return MoveFileA(from, to);
}

// The new file cannot be renamed into place: the old one is still there,
// whole, and neither the partial file nor the old one's aside name stays.
TEST_F(EngineCopy, ARenameThatFailsKeepsTheOldFile) {
  CreatePath(dir / "main");
  WriteTextFile(dir / "main\\client.exe", "the old client");
  SetFileRenameForTests(RenameRefusingPartials);
  const DWORD error = CopyOverwriting(dir / "cd\\client.exe", dir / "main\\client.exe");
  SetFileRenameForTests(nullptr);
  EXPECT_EQ(error, DWORD(ERROR_ACCESS_DENIED));
  EXPECT_EQ(ReadTextFile(dir / "main\\client.exe"), "the old client");
  EXPECT_FALSE(FileExistsIn(dir / "main\\client.exe.~vt", ""));
  EXPECT_FALSE(FileExistsIn(dir / "main\\client.exe.~vo", ""));
  // The same copy with the system's rename replaces it, and leaves no aside file.
  EXPECT_EQ(CopyOverwriting(dir / "cd\\client.exe", dir / "main\\client.exe"), DWORD(ERROR_SUCCESS));
  EXPECT_EQ(ReadTextFile(dir / "main\\client.exe"), "the client");
  EXPECT_FALSE(FileExistsIn(dir / "main\\client.exe.~vo", ""));
}

// A destination folder that cannot be made: a file of the user's holds
// its name. The copy offers Retry and Cancel with the system's text, the
// unpacking stops with its message; the user's file stays as it was.
TEST_F(EngineCopy, ADestinationFolderThatCannotBeMadeStopsAndKeepsTheUsersFile) {
  WriteTextFile(dir / "main", "a file of the user's, named like the folder");
  EXPECT_EQ(VTCfgCopy("client.exe", ",,"), -1);
  ASSERT_EQ(app.boxes.size(), 1u);
  EXPECT_EQ(app.boxes[0].text.find("Error copying file client.exe:\n"), 0u) << app.boxes[0].text;
  EXPECT_EQ(app.boxes[0].style, UINT(MB_RETRYCANCEL | MB_ICONSTOP));
  MakeArchive(dir / "cd\\a.z", false, {{"A.TXT", "a"}});
  EXPECT_EQ(VTCfgExtract("a.z", ",,"), -1);
  EXPECT_EQ(app.boxes.back().text, "Error creating destination directory");
  EXPECT_EQ(ReadTextFile(dir / "main"), "a file of the user's, named like the folder");
}

TEST_F(EngineCopy, AReadOnlyDestinationIsLoggedAndLeftAlone) {
  CreatePath(dir / "main");
  WriteTextFile(dir / "main\\client.exe", "kept");
  SetFileAttributesA((dir / "main\\client.exe").c_str(), FILE_ATTRIBUTE_READONLY);
  EXPECT_EQ(VTCfgCopy("client.exe", ",,"), 1);
  EXPECT_EQ(ReadTextFile(dir / "main\\client.exe"), "kept");
  EXPECT_TRUE(app.LogHas("Destination file " + dir / "main\\client.exe" +
                         " exists and cannot be overwritten. Ignore...\n"));
  EXPECT_TRUE(app.boxes.empty());
  SetFileAttributesA((dir / "main\\client.exe").c_str(), FILE_ATTRIBUTE_NORMAL);
}

TEST_F(EngineCopy, ADestinationHeldOpenByAnotherProgramIsLoggedAndSkipped) {
  CreatePath(dir / "main");
  const std::string held = dir / "main\\client.exe";
  WriteTextFile(held, "in use");
  {
    FileHolder holder(held);
    ASSERT_TRUE(holder.held());
    EXPECT_EQ(VTCfgCopy("client.exe", ",,"), 1);
    EXPECT_TRUE(app.LogHas("Destination file " + held + " exists and cannot be overwritten. Ignore...\n"));
  }
  EXPECT_EQ(ReadTextFile(held), "in use");
  EXPECT_TRUE(app.boxes.empty());
}

TEST_F(EngineCopy, MalformedInstructionsEndWithMinusOneAndTheirLogLine) {
  EXPECT_EQ(VTCfgCopy("client.exe", "no comma"), -1);
  EXPECT_TRUE(app.LogHas("VTCfgCopy(): No source directory in instruct client.exe=no comma"));
  app.m_tokens.Remove(tok::SRC_DIR);
  EXPECT_EQ(VTCfgCopy("client.exe", ",x"), -1);
  EXPECT_TRUE(app.LogHas("VTCfgCopy(): No default for src directory in mapinstruct client.exe=,x"));
  app.m_tokens.Set(tok::SRC_DIR, dir / "cd");
  app.m_tokens.Remove(tok::MAIN_DIR);
  EXPECT_EQ(VTCfgCopy("client.exe", ","), -1);
  EXPECT_TRUE(app.LogHas("VTCfgCopy(): No default for dst directory in mapinstruct client.exe=,"));
  EXPECT_EQ(VTCfgExtract("a.z", "nothing"), -1);
  EXPECT_TRUE(app.boxes.empty());
  // A destination that is not of the drive form cannot be created.
  EXPECT_EQ(VTCfgCopy("client.exe", ",relative\\dir"), -1);
  ASSERT_EQ(app.boxes.size(), 1u);
  EXPECT_EQ(app.boxes[0].text, "Error creating destination directory");
  EXPECT_EQ(app.boxes[0].style, 0x10u);
}

TEST_F(EngineCopy, OtherCopyErrorsOfferRetryAndCancel) {
  app.answers = {IDRETRY, IDCANCEL};
  EXPECT_EQ(VTCfgCopy("client.exe", ",," + std::string("bad<name>.exe")), -1);
  ASSERT_EQ(app.boxes.size(), 2u);
  EXPECT_EQ(app.boxes[0].text.rfind("Error copying file client.exe:\n", 0), 0u) << app.boxes[0].text;
  EXPECT_GT(app.boxes[0].text.size(), std::string("Error copying file client.exe:\n").size());
  EXPECT_EQ(app.boxes[0].style, 0x15u);
}

TEST_F(EngineCopy, AMissingSourceRaisesTheFilePrompt) {
  CreateDirectoryA((dir / "elsewhere").c_str(), nullptr);
  WriteTextFile(dir / "elsewhere\\extra.dll", "found it");
  app.promptAnswers = {{true, dir / "wrong"}, {true, dir / "elsewhere"}};
  EXPECT_EQ(VTCfgCopy("extra.dll", ",,"), 1);
  EXPECT_EQ(ReadTextFile(dir / "main\\extra.dll"), "found it");
  ASSERT_EQ(app.prompts.size(), 2u);
  EXPECT_EQ(app.prompts[0].caption, "Vantora Setup - File not Found");
  EXPECT_EQ(app.prompts[0].message,
            "File extra.dll could not be found.\nPlease make sure the path is correct and click 'Ok'.");
  EXPECT_EQ(app.prompts[0].path, dir / "cd");
  EXPECT_EQ(app.prompts[1].path, dir / "wrong");
  EXPECT_EQ(app.shows, (std::vector<bool>{false, true}));
  // Cancel: the instruction stops with 0 and the progress dialog stays hidden.
  app.shows.clear();
  EXPECT_EQ(VTCfgCopy("gone.dll", ",,"), 0);
  EXPECT_EQ(VTCfgExtract("gone.z", ","), 0);
  EXPECT_EQ(app.shows, (std::vector<bool>{false, false}));
}

TEST_F(EngineCopy, PromptForFileSaysWhetherItHadToAsk) {
  std::string where = dir / "cd";
  EXPECT_EQ(PromptForFile("client.exe", where), 1);
  EXPECT_TRUE(app.prompts.empty());
  where = dir / "nowhere";
  app.promptAnswers = {{true, dir / "cd"}};
  EXPECT_EQ(PromptForFile("client.exe", where), 2);
  EXPECT_EQ(where, dir / "cd");
}

TEST_F(EngineCopy, ExtractUnpacksIntoTheDestinationOrTheMainDirectory) {
  MakeArchive(dir / "cd\\client.z", true, {{"VANTORA.TXT", "read me"}, {"help\\connect.txt", "dial"}});
  EXPECT_EQ(VTCfgExtract("client.z", ","), 1);
  EXPECT_EQ(ReadTextFile(dir / "main\\help\\connect.txt"), "dial");
  EXPECT_EQ(VTCfgExtract("client.z", dir / "cd," + dir / "other"), 1);
  EXPECT_EQ(ReadTextFile(dir / "other\\VANTORA.TXT"), "read me");
  EXPECT_EQ(app.progress.front(), "1:client.z");
  // A damaged archive is the archive's error, not the instruction's.
  WriteTextFile(dir / "cd\\broken.z", "not an archive at all");
  EXPECT_NE(VTCfgExtract("broken.z", ","), 1);
}

}  // namespace
