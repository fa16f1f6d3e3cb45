// What the uninstaller plans from a record: each thing once, the right
// entry deciding, the order things can go in, and what it must never touch.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/record/uninstall_plan.h"
#include "record_entries.h"

namespace {

RecordEntry File(const std::string& path, uint64_t size, uint32_t crc) {
  RecordEntry e = Entry(RecordKind::kFile, path);
  e.size = size;
  e.crc = crc;
  return e;
}

const char kMain[] = "c:\\Corvane";

TEST(UninstallPlan, AFileCountsOnceAndItsLastEntryGivesSizeAndCrc) {
  const UninstallPlan plan = MakeUninstallPlan(
      {File("c:\\Corvane\\bin\\vantora.exe", 100, 0x11111111), File("C:\\CORVANE\\BIN\\VANTORA.EXE", 200, 0x22222222),
       File("c:\\Corvane\\readme.txt", 5, 0x33333333)},
      kMain);
  ASSERT_EQ(plan.files.size(), 2u);
  EXPECT_EQ(plan.files[0].path, "c:\\Corvane\\bin\\vantora.exe");
  EXPECT_EQ(plan.files[0].size, 200u);
  EXPECT_EQ(plan.files[0].crc, 0x22222222u);
  EXPECT_EQ(plan.files[1].path, "c:\\Corvane\\readme.txt");
}

TEST(UninstallPlan, ValuesAndKeysAreDecidedByTheirFirstEntry) {
  const std::string run = "HKEY_CURRENT_USER\\Software\\Corvane";
  const UninstallPlan plan = MakeUninstallPlan(
      {Entry(RecordKind::kRegValue, run, true, "Path"), Entry(RecordKind::kRegValue, run, false, "path"),
       Entry(RecordKind::kRegValue, "hkey_current_user\\software\\corvane", false, "Ours"),
       Entry(RecordKind::kRegValue, run, true, "ours"), Entry(RecordKind::kRegKey, run, false),
       Entry(RecordKind::kRegKey, run + "\\Dial", false), Entry(RecordKind::kRegKey, "HKEY_CURRENT_USER\\Software", true),
       Entry(RecordKind::kRegKey, run + "\\dial", true)},
      kMain);
  // A value there before the first run stays, though a later run saw it as its own.
  ASSERT_EQ(plan.keptValues.size(), 1u);
  EXPECT_EQ(plan.keptValues[0].name, "Path");
  ASSERT_EQ(plan.values.size(), 1u);
  EXPECT_EQ(plan.values[0].name, "Ours");
  // Created keys only, the deeper one first; the shared key is kept.
  EXPECT_EQ(plan.keys, (std::vector<std::string>{run + "\\Dial", run}));
  EXPECT_EQ(plan.keptKeys, (std::vector<std::string>{"HKEY_CURRENT_USER\\Software"}));
}

TEST(UninstallPlan, KeysThatGoWithAProductTreeOrWithTheProgramAreNotListed) {
  const std::string product = "HKEY_CURRENT_USER\\Software\\CorvaneNetwork\\Vantora";
  const std::string addRemove = std::string("HKEY_LOCAL_MACHINE\\") + kUninstallKey;
  const UninstallPlan plan = MakeUninstallPlan(
      {Entry(RecordKind::kRegKey, "HKEY_CURRENT_USER\\Software\\CorvaneNetwork", false),
       Entry(RecordKind::kRegKey, product, false), Entry(RecordKind::kProduct, product),
       Entry(RecordKind::kRegKey, product + "\\CLIENT", false),
       Entry(RecordKind::kRegKey, product + "Extra", false), Entry(RecordKind::kRegKey, addRemove, false)},
      kMain);
  EXPECT_EQ(plan.productKeys, (std::vector<std::string>{product}));
  EXPECT_EQ(plan.keys, (std::vector<std::string>{product + "Extra", "HKEY_CURRENT_USER\\Software\\CorvaneNetwork"}));
}

TEST(UninstallPlan, FoldersGoDeepestFirstAndEachKindOnce) {
  const UninstallPlan plan = MakeUninstallPlan(
      {Entry(RecordKind::kFolder, "c:\\Corvane"), Entry(RecordKind::kFolder, "c:\\Corvane\\bin\\tools\\"),
       Entry(RecordKind::kFolder, "c:\\Corvane\\bin"), Entry(RecordKind::kFolder, "C:\\corvane"),
       Entry(RecordKind::kShortcut, "c:\\m\\Vantora.lnk"), Entry(RecordKind::kShortcut, "C:\\M\\vantora.LNK"),
       Entry(RecordKind::kRunOnce, "VTSetup"), Entry(RecordKind::kRunOnce, "vtsetup"),
       Entry(RecordKind::kSelfCopy, "c:\\Corvane\\access\\setup.exe"),
       Entry(RecordKind::kProduct, "HKEY_CURRENT_USER\\Software\\CorvaneNetwork\\Vantora"),
       Entry(RecordKind::kInstaller, "E:\\Brightwall\\setup.exe /q"), Entry(RecordKind::kInstaller, "E:\\Brightwall\\setup.exe /q")},
      kMain);
  EXPECT_EQ(plan.folders, (std::vector<std::string>{"c:\\Corvane\\bin\\tools", "c:\\Corvane\\bin", "c:\\Corvane"}));
  EXPECT_EQ(plan.shortcuts.size(), 1u);
  EXPECT_EQ(plan.runOnce, (std::vector<std::string>{"VTSetup"}));
  EXPECT_EQ(plan.selfCopies.size(), 1u);
  EXPECT_EQ(plan.productKeys.size(), 1u);
  EXPECT_EQ(plan.installers.size(), 1u);
  EXPECT_EQ(plan.StepCount(), 3u + 1u + 1u + 1u + 1u);
}

TEST(UninstallPlan, TheRecordAndTheUninstallerAreLeftToTheProgram) {
  const UninstallPlan plan = MakeUninstallPlan(
      {File("c:\\corvane\\install.rec", 1, 1), File("C:\\Corvane\\VTUNINST.EXE", 1, 1),
       Entry(RecordKind::kSelfCopy, "c:/Corvane/vtuninst.exe"), File("c:\\Corvane\\sub\\INSTALL.REC", 1, 1)},
      "c:\\Corvane\\");
  ASSERT_EQ(plan.files.size(), 1u);  // another folder's record is an ordinary file
  EXPECT_EQ(plan.files[0].path, "c:\\Corvane\\sub\\INSTALL.REC");
  EXPECT_TRUE(plan.selfCopies.empty());
}

TEST(UninstallPlan, EntriesThatCannotBeTrustedAreRefused) {
  const UninstallPlan plan = MakeUninstallPlan(
      {File("readme.txt", 1, 1), File("c:\\Corvane\\..\\WINDOWS\\win.ini", 1, 1),
       Entry(RecordKind::kFolder, "\\Corvane"), File("\\\\server\\share\\x.dll", 1, 1),
       Entry(RecordKind::kRegValue, "HKCU\\Software\\X", false, "a"),
       Entry(RecordKind::kRegKey, "HKEY_CURRENT_USER", false),
       Entry(RecordKind::kProduct, "HKEY_CURRENT_USER\\Software"),
       Entry(RecordKind::kProduct, "HKEY_LOCAL_MACHINE\\SOFTWARE\\Microsoft\\Windows"),
       Entry(RecordKind::kProduct, "HKEY_LOCAL_MACHINE\\Software\\MicrosoftNot")},
      kMain);
  ASSERT_EQ(plan.files.size(), 1u);
  EXPECT_EQ(plan.files[0].path, "\\\\server\\share\\x.dll");
  EXPECT_TRUE(plan.folders.empty() && plan.values.empty() && plan.keys.empty());
  EXPECT_EQ(plan.productKeys, (std::vector<std::string>{"HKEY_LOCAL_MACHINE\\Software\\MicrosoftNot"}));
  ASSERT_EQ(plan.refused.size(), 7u);
  EXPECT_EQ(plan.refused[0].why, RefusedWhy::kNotFullPath);
  EXPECT_EQ(plan.refused[1].why, RefusedWhy::kNotFullPath);
  EXPECT_EQ(plan.refused[3].why, RefusedWhy::kUnknownRoot);
  EXPECT_EQ(plan.refused[4].why, RefusedWhy::kUnknownRoot);
  EXPECT_EQ(plan.refused[5].why, RefusedWhy::kSharedKey);
  EXPECT_EQ(plan.refused[6].why, RefusedWhy::kSharedKey);
}

TEST(UninstallPlan, RegistryKeysSplitAtTheirRoot) {
  std::string subkey;
  EXPECT_EQ(SplitRegistryKey("hkey_local_machine\\Software\\X", &subkey), RegistryRoot::kLocalMachine);
  EXPECT_EQ(subkey, "Software\\X");
  EXPECT_EQ(SplitRegistryKey("HKEY_CLASSES_ROOT\\.vtr", &subkey), RegistryRoot::kClassesRoot);
  EXPECT_EQ(SplitRegistryKey("HKEY_USERS\\.DEFAULT", &subkey), RegistryRoot::kUsers);
  EXPECT_EQ(SplitRegistryKey("HKEY_CURRENT_USERS\\X", &subkey), RegistryRoot::kNone);
  EXPECT_EQ(SplitRegistryKey("HKEY_CURRENT_USER\\", &subkey), RegistryRoot::kNone);
}

}  // namespace
