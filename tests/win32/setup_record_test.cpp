// The installation record as the setup writes it under Wine: entries kept
// until {MAIN_DIR} exists, files read back, only the folders it creates,
// and the registry file's keys and values with whether each was there.
#include <gtest/gtest.h>
#include <shlwapi.h>

#include <cstdio>
#include <string>

#include "core/record/install_record.h"
#include "scripted_app.h"
#include "setup/paths/file_paths.h"
#include "setup/record/install_recorder.h"
#include "setup/record/record_registry.h"
#include "setup/record/uninstaller_entry.h"
#include "setup/status/registry.h"

namespace {

constexpr const char* kKey = "Software\\VantoraRecordTest";

class InstallRecording : public ::testing::Test {
 protected:
  InstallRecording() : dir("record") {
    StopRecording();
    SHDeleteKeyA(HKEY_CURRENT_USER, kKey);
  }
  ~InstallRecording() override {
    StopRecording();
    SHDeleteKeyA(HKEY_CURRENT_USER, kKey);
  }
  RecordRead Read() { return ReadRecord(ReadTextFile(dir / "main\\INSTALL.REC")); }
  ScratchDir dir;
};

TEST_F(InstallRecording, EntriesWaitForTheFolderAndFilesAreReadBack) {
  const std::string main = dir / "main";
  StartRecording(main);
  RecordInstaller("e:\\browser\\setup.exe /child");  // before the folder exists
  ASSERT_EQ(CreatePath(main + "\\bin"), 1);
  ASSERT_EQ(CreatePath(main + "\\bin"), 1);  // there already: not recorded again
  WriteTextFile(main + "\\bin\\a.txt", "hello");
  RecordFile(main + "\\bin\\a.txt");

  RecordInstaller("e:\\browser\\setup.exe /child");  // once is enough

  const RecordRead r = Read();
  EXPECT_EQ(r.state, RecordState::kWhole);
  ASSERT_EQ(r.entries.size(), 4u);
  EXPECT_EQ(r.entries[0].kind, RecordKind::kInstaller);
  EXPECT_EQ(r.entries[1].kind, RecordKind::kFolder);
  EXPECT_EQ(r.entries[1].path, main);
  EXPECT_EQ(r.entries[2].path, main + "\\bin");
  EXPECT_EQ(r.entries[3].kind, RecordKind::kFile);
  EXPECT_EQ(r.entries[3].size, 5u);
  EXPECT_EQ(r.entries[3].crc, Crc32("hello", 5));

  // Outside an installation the setup's own folders are not the record's.
  StopRecording();
  ASSERT_EQ(CreatePath(dir / "elsewhere"), 1);
  StartRecording(main);
  EXPECT_EQ(Read().entries.size(), 4u);
}

TEST_F(InstallRecording, RegistryFileKeysAndValuesWithWhetherTheyWereThere) {
  const std::string main = dir / "main";
  CreatePath(main);
  StartRecording(main);
  const std::string sub = std::string(kKey) + "\\Old";
  ASSERT_TRUE(WriteRegString(HKEY_CURRENT_USER, sub.c_str(), "Kept", "x"));
  const std::string reg = dir / "r.reg";
  WriteTextFile(reg, std::string("REGEDIT4\r\n\r\n[HKEY_CURRENT_USER\\") + sub + "]\r\n\"Kept\"=\"y\"\r\n\"New\"=\"z\"\r\n" +
                         "[HKEY_CURRENT_USER\\" + kKey + "\\New\\Deeper]\r\n@=\"d\"\r\n");
  RecordRegFile(reg);

  const RecordRead r = Read();
  const std::string root = std::string("HKEY_CURRENT_USER\\") + kKey;
  std::vector<std::string> got;
  for (const RecordEntry& e : r.entries)
    got.push_back(std::string(1, static_cast<char>(e.kind)) + (e.existed ? "1 " : "0 ") + e.path +
                  (e.name.empty() ? "" : " " + e.name));
  const std::vector<std::string> want = {
      "K1 " + root + "\\Old",          "K0 " + root + "\\New",         "K0 " + root + "\\New\\Deeper",
      "V1 " + root + "\\Old Kept",     "V0 " + root + "\\Old New",     "V0 " + root + "\\New\\Deeper @"};
  EXPECT_EQ(got, want);
}

TEST_F(InstallRecording, RootNamesAndTheUninstallCommand) {
  std::string sub;
  EXPECT_EQ(SplitRootKey("HKEY_LOCAL_MACHINE\\Software\\X", &sub), HKEY_LOCAL_MACHINE);
  EXPECT_EQ(sub, "Software\\X");
  EXPECT_EQ(SplitRootKey("hkcu\\A", &sub), HKEY_CURRENT_USER);
  EXPECT_EQ(SplitRootKey("HKEY_NOWHERE\\A", &sub), nullptr);
  EXPECT_EQ(UninstallCommand("c:\\Corvane\\VTUNINST.EXE"), "c:\\Corvane\\VTUNINST.EXE");
  EXPECT_EQ(UninstallCommand("c:\\Program Files\\V\\VTUNINST.EXE"), "\"c:\\Program Files\\V\\VTUNINST.EXE\"");
}

// What recording adds to an installation of many small files: each entry
// is a read-back of the file and one append to the record.
TEST_F(InstallRecording, WhatRecordingCostsBesideTheCopies) {
  const std::string main = dir / "main";
  CreatePath(main);
  const std::string source = dir / "source.txt";
  WriteTextFile(source, std::string(2000, 'x'));
  constexpr int kFiles = 500;
  DWORD start = GetTickCount();
  for (int i = 0; i < kFiles; ++i) CopyFileA(source.c_str(), (main + "\\f" + std::to_string(i)).c_str(), FALSE);
  const DWORD copying = GetTickCount() - start;
  StartRecording(main);
  start = GetTickCount();
  for (int i = 0; i < kFiles; ++i) RecordFile(main + "\\f" + std::to_string(i));
  const DWORD recording = GetTickCount() - start;
  std::printf("%d files of 2000 bytes: copied in %lu ms, recorded in %lu ms\n", kFiles,
              static_cast<unsigned long>(copying), static_cast<unsigned long>(recording));
  EXPECT_EQ(Read().entries.size(), static_cast<size_t>(kFiles));
  EXPECT_LE(recording, 2 * copying + 500);
}

}  // namespace
