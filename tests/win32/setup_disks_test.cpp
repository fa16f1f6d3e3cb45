// The disk-by-disk installation and its copy routine under Wine: the
// installed copy of the setup, disk sections in order until the first
// missing one, cancel, and files that cannot be replaced.
#include <gtest/gtest.h>

#include <string>

#include "engine_app.h"
#include "setup/media/source_media.h"

namespace {

class Disks : public ::testing::Test {
 protected:
  Disks() : dir("disks") {
    CreatePath(dir / "cd");
    WriteTextFile(dir / "cd\\setup.exe", "MZ the setup");
    app.Install(dir / "cd", dir / "main");
    app.m_tokens.Set(tok::SETUP_CFG, dir / "cd\\setup.cfg");
  }
  void Cfg(const std::string& text) { WriteTextFile(dir / "cd\\setup.cfg", text); }
  bool Exists(const std::string& name) { return FileExistsIn(name, ""); }
  ScratchDir dir;
  EngineApp app;
};

TEST_F(Disks, RunsTheDiskSectionsInOrderUntilTheFirstMissingOne) {
  Cfg("[Setup Disk1]\none=9," + dir / "one" + "\n[Setup Disk2]\ntwo=9," + dir / "two" +
      "\n[Setup Disk4]\nfour=9," + dir / "four" + "\n");
  EXPECT_EQ(app.InstallFromDisks(), 1);
  EXPECT_TRUE(Exists(dir / "one"));
  EXPECT_TRUE(Exists(dir / "two"));
  EXPECT_FALSE(Exists(dir / "four"));
  // The installed copy, which instructions read from here on.
  EXPECT_EQ(ReadTextFile(dir / "main\\access\\setup.exe"), "MZ the setup");
  EXPECT_TRUE(Exists(dir / "main\\access\\setup.cfg"));
  EXPECT_EQ(app.m_tokens.Get(tok::SETUP_CFG), dir / "main\\access\\setup.cfg");
  EXPECT_EQ(app.m_tokens.Get(tok::SETUP_EXE), dir / "main\\access\\setup.exe");
  EXPECT_TRUE(app.boxes.empty());  // a CD is never asked for
}

TEST_F(Disks, RunningFromTheInstalledCopyCopiesNothing) {
  CreatePath(dir / "main\\access");
  WriteTextFile(dir / "main\\access\\setup.cfg", "[Setup Disk1]\na=9," + dir / "a" + "\n");
  app.m_tokens.Set(tok::RUN_DIR, dir / "MAIN\\ACCESS");  // the same folder, in other case
  EXPECT_EQ(app.InstallFromDisks(), 1);
  EXPECT_FALSE(Exists(dir / "main\\access\\setup.exe"));
  EXPECT_TRUE(Exists(dir / "a"));
}

TEST_F(Disks, AFailingSectionFailsAndACancelIsACancel) {
  Cfg("[Setup Disk1]\nbad=9\n[Setup Disk2]\ntwo=9," + dir / "two" + "\n");
  EXPECT_EQ(app.InstallFromDisks(), -1);
  EXPECT_FALSE(Exists(dir / "two"));
  // A cancel asked for during a section ends the installation with 0.
  Cfg("[Setup Disk1]\nNote=10,Files are copied now\n[Setup Disk2]\ntwo=9," + dir / "two" + "\n");
  app.cancelAtBox = 1;
  EXPECT_EQ(app.InstallFromDisks(), 0);
  EXPECT_FALSE(Exists(dir / "two"));
  // And one asked for before it starts runs nothing.
  EXPECT_EQ(app.InstallFromDisks(), 0);
}

TEST_F(Disks, MainAndAccessDirectoriesThatCannotBeMadeFail) {
  app.m_tokens.Set(tok::MAIN_DIR, "no drive");
  EXPECT_EQ(app.InstallFromDisks(), -1);
}

TEST_F(Disks, CopyFileToIgnoresASharingViolationWhenAskedAndOffersRetryOtherwise) {
  CreatePath(dir / "dst");
  const std::string held = dir / "dst\\setup.exe";
  WriteTextFile(held, "running");
  {
    FileHolder holder(held);
    ASSERT_TRUE(holder.held());
    EXPECT_EQ(CopyFileTo("setup.exe", dir / "cd", dir / "dst", true), 1);
    EXPECT_TRUE(app.LogHas("Error copying file setup.exe:\n"));
    EXPECT_TRUE(app.LogHas(" - Ignored\n"));
    EXPECT_TRUE(app.boxes.empty());
    app.answers = {IDRETRY, IDCANCEL};
    EXPECT_EQ(CopyFileTo("setup.exe", dir / "cd", dir / "dst", false), 0);
    ASSERT_EQ(app.boxes.size(), 2u);
    EXPECT_EQ(app.boxes[0].text.rfind("Error copying file setup.exe:\n", 0), 0u);
    EXPECT_EQ(app.boxes[0].style, static_cast<UINT>(MB_RETRYCANCEL | MB_ICONSTOP));
  }
  EXPECT_EQ(ReadTextFile(held), "running");

  app.boxes.clear();
  EXPECT_EQ(CopyFileTo("setup.exe", dir / "cd", "relative", false), 0);
  ASSERT_EQ(app.boxes.size(), 1u);
  EXPECT_EQ(app.boxes[0].text, "Cannot create directory relative.");
  EXPECT_EQ(app.progress.front(), "0:setup.exe");
}

// The medium is known by its label file: QRM.D00 for a CD, the disk
// number from setup.cfg's SoftwareDisk for the additional software. A
// missing label asks for the medium; the folder given becomes the source.
TEST_F(Disks, TheSourceMediumIsRecognisedByItsLabelOrAskedFor) {
  const std::string cd = dir / "cd";
  CreatePath(dir / "cd2");
  WriteTextFile(dir / "cd2\\QRM.D00", "");
  app.promptAnswers = {{true, dir / "cd2"}};
  EXPECT_TRUE(app.CheckSourceMedia(false));
  ASSERT_EQ(app.prompts.size(), 1u);
  EXPECT_EQ(app.prompts[0].caption, "Vantora Setup");
  EXPECT_EQ(app.prompts[0].message, "Please insert Vantora CD in CD-ROM drive");
  EXPECT_EQ(app.prompts[0].path, cd);
  EXPECT_TRUE(app.LogHas("File QRM.D00 not found in " + cd + ". Ask user...\n"));
  EXPECT_EQ(app.GetSrcDir(), dir / "cd2");
  // Found where it is looked for: nothing asked.
  EXPECT_TRUE(app.CheckSourceMedia(false));
  EXPECT_EQ(app.prompts.size(), 1u);

  Cfg("[Misc]\nSoftwareDisk=3\n");
  app.SetSrcDir(cd);
  EXPECT_FALSE(app.CheckSourceMedia(true));  // Cancel
  ASSERT_EQ(app.prompts.size(), 2u);
  EXPECT_EQ(app.prompts[1].message, "Please insert Vantora disk #3");
  EXPECT_TRUE(app.LogHas("File QRM.D03 not found in " + cd + ". Ask user...\n"));
  EXPECT_EQ(app.GetSrcDir(), cd);
}

}  // namespace

// setup.cfg lines of 100,000 characters, each kind that names a file or a
// folder: each line ends with its message or its log line, nothing is
// created from it outside the destination, and the whole run is quick.
TEST_F(Disks, LinesOfAHundredThousandCharacters) {
  const std::string longName(100000, 'n');
  for (const std::string& line :
       {"copy=1,{SRC_DIR}," + dir / "main\\" + longName, longName + "=1,{SRC_DIR},{MAIN_DIR}",
        longName + ".z=2,{SRC_DIR},{MAIN_DIR}", "folder=9," + dir / "main\\" + longName,
        longName + "=3,{SRC_DIR}", "gone=7," + dir / "main\\" + longName,
        "note=10," + longName + ", BTN_OK"}) {
    Cfg("[Setup Disk1]\n" + line + "\nafter=9," + dir / "after" + "\n");
    app.boxes.clear();
    app.prompts.clear();
    EngineLog().clear();
    const auto start = GetTickCount();
    const int result = app.InstallFromDisks();
    EXPECT_LT(GetTickCount() - start, 10000u) << line.substr(0, 20);
    EXPECT_TRUE(result == 1 || result == -1) << line.substr(0, 20) << ": " << result;
    // A failure is explained by a message, the file prompt or a log line.
    if (result == -1) {
      EXPECT_TRUE(!app.boxes.empty() || !app.prompts.empty() || !EngineLog().empty())
          << line.substr(0, 20) << ": a failure unexplained";
    }
  }
  std::vector<std::string> made;
  WIN32_FIND_DATAA found;
  HANDLE h = FindFirstFileA((dir.path() + "\\*").c_str(), &found);
  ASSERT_NE(h, INVALID_HANDLE_VALUE);
  do made.push_back(found.cFileName);
  while (FindNextFileA(h, &found));
  FindClose(h);
  for (const std::string& name : made)
    EXPECT_TRUE(name == "." || name == ".." || name == "cd" || name == "main" || name == "after") << name;
}
