#include <gtest/gtest.h>

#include <chrono>
#include <string>
#include <vector>

#include "setup/config/cfg_reader.h"
#include "scripted_app.h"

namespace {

class CfgFile : public ::testing::Test {
 protected:
  CfgFile() : dir("cfg") {}
  std::string Write(const std::string& text) {
    const std::string path = dir / "setup.cfg";
    EXPECT_TRUE(WriteTextFile(path, text));
    return path;
  }
  ScratchDir dir;
};

TEST_F(CfgFile, SectionsReadInOrderWithoutComments) {
  const std::string cfg = Write(
      "[Setup Disk1]\r\n; a comment\r\n1=copy a.txt\r\nlabel only\r\n2 = extract b.z \r\n"
      "[notes]\r\n;one\r\n;two\r\n[Empty]\r\n");
  std::vector<std::string> lines{"kept"};
  EXPECT_EQ(ReadCfgSection("setup disk1", lines, cfg.c_str()), 4);
  ASSERT_EQ(lines.size(), 4u);
  EXPECT_EQ(lines[0], "kept");
  EXPECT_EQ(lines[1], "1=copy a.txt");
  EXPECT_EQ(lines[2], "label only");
  EXPECT_EQ(lines[3].substr(0, 1), "2");
  std::vector<std::string> none;
  // Windows hands comment lines out with the section and they are dropped
  // here (0 lines); Wine drops them itself, so the section reads as empty.
  EXPECT_LE(ReadCfgSection("Notes", none, cfg.c_str()), 0);
  EXPECT_EQ(ReadCfgSection("Empty", none, cfg.c_str()), -1);
  EXPECT_EQ(ReadCfgSection("Missing", none, cfg.c_str()), -1);
  EXPECT_TRUE(none.empty());
}

TEST_F(CfgFile, LongSectionsAreReadWhole) {
  // Well past the first 1024-byte read, so the buffer must grow.
  std::string text = "[Software]\r\n";
  for (int i = 0; i < 400; ++i) text += "App" + std::to_string(i) + "=run setup" + std::to_string(i) + ".exe\r\n";
  const std::string cfg = Write(text);
  std::vector<std::string> lines;
  ASSERT_EQ(ReadCfgSection("Software", lines, cfg.c_str()), 400);
  EXPECT_EQ(lines.front(), "App0=run setup0.exe");
  EXPECT_EQ(lines.back(), "App399=run setup399.exe");
}

TEST_F(CfgFile, HugeSectionReadsQuickly) {
  std::string text = "[Setup Disk1]\r\n";
  text.reserve(2000000);
  for (int i = 0; i < 100000; ++i) text += "L" + std::to_string(i) + "=copy file.txt\r\n";
  const std::string cfg = Write(text);
  std::vector<std::string> lines;
  const auto start = std::chrono::steady_clock::now();
  EXPECT_EQ(ReadCfgSection("Setup Disk1", lines, cfg.c_str()), 100000);
  const auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(
                      std::chrono::steady_clock::now() - start).count();
  EXPECT_LT(ms, 10000);
  std::printf("100000-line section read in %lld ms\n", static_cast<long long>(ms));
  EXPECT_EQ(lines.back(), "L99999=copy file.txt");
}

TEST_F(CfgFile, MissingEmptyAndGarbageFilesReadAsNothing) {
  std::vector<std::string> lines;
  EXPECT_EQ(ReadCfgSection("Setup Disk1", lines, (dir / "none.cfg").c_str()), -1);
  const std::string empty = Write("");
  EXPECT_EQ(ReadCfgSection("Setup Disk1", lines, empty.c_str()), -1);
  std::string garbage;
  unsigned seed = 12345;
  for (int i = 0; i < 65536; ++i) {
    seed = seed * 1103515245 + 12345;
    garbage.push_back(static_cast<char>(seed >> 16));
  }
  const std::string junk = Write(garbage);
  EXPECT_LE(ReadCfgSection("Setup Disk1", lines, junk.c_str()), static_cast<int>(lines.size()));
  std::string value;
  EXPECT_EQ(ReadCfgString("Misc", "Intro Text", value, "", junk.c_str()), 0);
  EXPECT_EQ(value, "");
}

TEST_F(CfgFile, StringsReportWhetherTheyDifferFromTheDefault) {
  const std::string cfg =
      Write("[Misc]\r\nIntro Text=  Welcome to Vantora  \r\nEmpty=\r\n[Multimedia]\r\nMediaPath=Media\r\n");
  std::string value;
  EXPECT_EQ(ReadCfgString("misc", "intro text", value, "", cfg.c_str()), 1);
  EXPECT_EQ(value, "Welcome to Vantora");
  EXPECT_EQ(ReadCfgString("Misc", "Empty", value, "", cfg.c_str()), 0);
  EXPECT_EQ(ReadCfgString("Misc", "Missing", value, "", cfg.c_str()), 0);
  EXPECT_EQ(ReadCfgString("Multimedia", "MediaPath", value, "Media", cfg.c_str()), 0);
  EXPECT_EQ(value, "Media");
  EXPECT_EQ(ReadCfgString("Multimedia", "Missing", value, "Media", cfg.c_str()), 0);
  EXPECT_EQ(ReadCfgString("Misc", "Intro Text", value, "", cfg.c_str(), 8), 1);
  EXPECT_EQ(value, "Welcome");
}

TEST_F(CfgFile, SectionContentProbe) {
  const std::string cfg = Write("[Software]\r\n*App=run a.exe\r\n[Empty]\r\n");
  EXPECT_TRUE(CfgSectionHasContent("Software", cfg.c_str()));
  EXPECT_FALSE(CfgSectionHasContent("Empty", cfg.c_str()));
  EXPECT_FALSE(CfgSectionHasContent("Missing", cfg.c_str()));
}

}  // namespace
