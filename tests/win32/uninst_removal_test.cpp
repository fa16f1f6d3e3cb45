// The uninstaller's removal engine on real files, folders and registry keys
// that each test makes for itself, answering its questions from a script.
#include <gtest/gtest.h>
#include <windows.h>

#include <deque>
#include <string>
#include <vector>

#include "core/record/install_record.h"
#include "core/record/uninstall_plan.h"
#include "../native/record_entries.h"
#include "test_files.h"
#include "uninst/removal_engine.h"
#include "uninst/uninstall_ui.h"

namespace {

const char kTestKey[] = "HKEY_CURRENT_USER\\Software\\VtUninstTest";

class ScriptedUi : public UninstallUi {
 public:
  bool AskYesNo(const std::string& text) override {
    questions.push_back(text);
    if (answers.empty()) return false;
    const bool yes = answers.front();
    answers.pop_front();
    return yes;
  }
  void Progress(size_t done, size_t total, const std::string&) override {
    EXPECT_LE(done, total);
    last = done;
    this->total = total;
  }
  std::deque<bool> answers;
  std::vector<std::string> questions;
  size_t last = 0, total = 0;
};

class UninstRemoval : public ::testing::Test {
 protected:
  UninstRemoval() : dir_("uninst") {
    RegDeleteTree(kTestKey);
    wininit_ = dir_ / "WININIT.INI";
    main_ = dir_ / "Corvane";
    CreateDirectoryA(main_.c_str(), nullptr);
    WriteTextFile(main_ + "\\INSTALL.REC", "VTREC 1\r\n");
    WriteTextFile(main_ + "\\VTUNINST.EXE", "MZ");
  }
  ~UninstRemoval() override { RegDeleteTree(kTestKey); }

  static void RegDeleteTree(const std::string& key) { DeleteRegTree(key); }

  // A recorded file: written now, recorded with its size and CRC-32.
  RecordEntry File(const std::string& path, const std::string& text) {
    WriteTextFile(path, text);
    RecordEntry e;
    e.kind = RecordKind::kFile;
    e.path = path;
    e.size = text.size();
    e.crc = Crc32(text.data(), text.size());
    return e;
  }

  RemovalResult Run(const std::vector<RecordEntry>& entries) {
    RemovalOptions options;
    options.mainDir = main_;
    options.wininitPath = wininit_;
    options.ownFileWaitMs = 0;
    RemovalEngine engine(ui_, log_, options);
    RemovalResult result = engine.Run(MakeUninstallPlan(entries, main_));
    EXPECT_EQ(ui_.last, ui_.total);  // the bar ends full
    return result;
  }
  // The line's place in the log, or -1.
  int LogAt(const std::string& line) const {
    for (size_t i = 0; i < log_.lines().size(); ++i)
      if (log_.lines()[i] == line) return static_cast<int>(i);
    return -1;
  }
  bool LogHas(const std::string& line) const { return LogAt(line) >= 0; }
  static bool Exists(const std::string& path) { return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

  ScratchDir dir_;
  std::string main_, wininit_;
  ScriptedUi ui_;
  UninstallLog log_;
};

TEST_F(UninstRemoval, UnchangedFilesGoAndChangedOnesOnlyWhenTheUserSaysSo) {
  const std::vector<RecordEntry> record = {File(main_ + "\\same.dll", "ours"), File(main_ + "\\keep.ini", "ours"),
                                           File(main_ + "\\drop.ini", "ours"), File(main_ + "\\gone.txt", "x")};
  WriteTextFile(main_ + "\\keep.ini", "user's");
  WriteTextFile(main_ + "\\drop.ini", "oursX");
  DeleteFileA((main_ + "\\gone.txt").c_str());
  ui_.answers = {false, true};  // keep keep.ini, remove drop.ini
  const RemovalResult r = Run(record);
  EXPECT_FALSE(Exists(main_ + "\\same.dll"));
  EXPECT_TRUE(Exists(main_ + "\\keep.ini"));
  EXPECT_FALSE(Exists(main_ + "\\drop.ini"));
  ASSERT_EQ(ui_.questions.size(), 2u);
  EXPECT_NE(ui_.questions[0].find(main_ + "\\keep.ini"), std::string::npos);
  EXPECT_EQ(r.files, 4);  // with the record and the uninstaller
  EXPECT_EQ(r.keptChanged, 1);
  EXPECT_FALSE(Exists(main_ + "\\INSTALL.REC"));
  EXPECT_FALSE(Exists(main_ + "\\VTUNINST.EXE"));
  EXPECT_TRUE(LogHas("not there (skipped): " + main_ + "\\gone.txt"));
  EXPECT_TRUE(LogHas("kept, changed since the installation: " + main_ + "\\keep.ini"));
  const std::string summary = SummaryText(r, "C:\\TEMP\\VTUNINST.LOG", true);
  EXPECT_NE(summary.find("Removed: 4 files, 0 folders"), std::string::npos) << summary;
  EXPECT_NE(summary.find("Kept: 1 files you changed"), std::string::npos) << summary;
}

TEST_F(UninstRemoval, FilesInUseAreLeftToWininitAtTheNextStart) {
  WriteTextFile(wininit_, "[rename]\r\nNUL=C:\\OTHER.TMP\r\n");
  const std::vector<RecordEntry> record = {File(main_ + "\\busy.dll", "running"),
                                           Entry(RecordKind::kShortcut, main_ + "\\Vantora.lnk")};
  WriteTextFile(main_ + "\\Vantora.lnk", "link");
  std::vector<HANDLE> held;
  for (const char* name : {"\\busy.dll", "\\Vantora.lnk"})
    held.push_back(CreateFileA((main_ + name).c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr));
  for (HANDLE h : held) ASSERT_NE(h, INVALID_HANDLE_VALUE);
  const RemovalResult r = Run(record);
  std::vector<std::string> shortNames;
  for (const char* name : {"\\busy.dll", "\\Vantora.lnk"}) {
    char shortName[MAX_PATH];
    ASSERT_GT(GetShortPathNameA((main_ + name).c_str(), shortName, sizeof shortName), 0u);
    shortNames.push_back(shortName);
  }
  for (HANDLE h : held) CloseHandle(h);
  EXPECT_EQ(r.atRestart.size(), 2u);
  EXPECT_TRUE(ui_.questions.empty());  // a file in use is not a changed one
  EXPECT_EQ(ReadTextFile(wininit_),
            "[rename]\r\nNUL=C:\\OTHER.TMP\r\nNUL=" + shortNames[0] + "\r\nNUL=" + shortNames[1] + "\r\n");
  EXPECT_NE(SummaryText(r, "L", true).find("2 files were in use"), std::string::npos);
}

TEST_F(UninstRemoval, RegistryEntriesThatWereThereBeforeStayAndKeysGoOnlyWhenEmpty) {
  const std::string ours = std::string(kTestKey) + "\\Ours", deep = ours + "\\Deep", shared = std::string(kTestKey) + "\\Shared",
                    busy = std::string(kTestKey) + "\\Busy", product = std::string(kTestKey) + "\\Product";
  const std::string runOnce = std::string("HKEY_CURRENT_USER\\") + kRunOnceKey;
  auto set = [](const std::string& key, const char* name) {
    std::string subkey;
    HKEY root = RootOf(key, &subkey), h = nullptr;
    ASSERT_EQ(RegCreateKeyExA(root, subkey.c_str(), 0, nullptr, 0, KEY_WRITE, nullptr, &h, nullptr), ERROR_SUCCESS);
    RegSetValueExA(h, name, 0, REG_SZ, reinterpret_cast<const BYTE*>("x"), 2);
    RegCloseKey(h);
  };
  set(deep, "V");
  set(shared, "Theirs");
  set(shared, "Mine");
  set(busy, "Foreign");
  set(product + "\\a\\b", "deep");
  set(product, "top");
  set(runOnce, "VtUninstTestRun");
  const RemovalResult r = Run({Entry(RecordKind::kRegKey, ours), Entry(RecordKind::kRegKey, deep),
                               Entry(RecordKind::kRegValue, deep, false, "V"), Entry(RecordKind::kRegKey, shared, true),
                               Entry(RecordKind::kRegValue, shared, true, "Theirs"),
                               Entry(RecordKind::kRegValue, shared, false, "Theirs"),
                               Entry(RecordKind::kRegValue, shared, false, "Mine"), Entry(RecordKind::kRegKey, busy),
                               Entry(RecordKind::kProduct, product), Entry(RecordKind::kRunOnce, "VtUninstTestRun")});
  auto has = [](const std::string& key, const char* name) {
    std::string subkey;
    HKEY root = RootOf(key, &subkey), h = nullptr;
    if (RegOpenKeyExA(root, subkey.c_str(), 0, KEY_READ, &h) != ERROR_SUCCESS) return false;
    const bool found = !name || RegQueryValueExA(h, name, nullptr, nullptr, nullptr, nullptr) == ERROR_SUCCESS;
    RegCloseKey(h);
    return found;
  };
  EXPECT_FALSE(has(ours, nullptr));  // emptied from the bottom up
  EXPECT_TRUE(has(shared, "Theirs"));
  EXPECT_FALSE(has(shared, "Mine"));
  EXPECT_TRUE(has(busy, "Foreign"));
  EXPECT_FALSE(has(product, nullptr));
  EXPECT_FALSE(has(runOnce, "VtUninstTestRun"));
  EXPECT_TRUE(LogHas("kept, it still holds other entries: " + busy));
  EXPECT_TRUE(LogHas("kept, it was there before the installation: " + shared + ", value Theirs"));
  // V, Mine, the run-once value, the product tree, Deep and Ours.
  EXPECT_EQ(r.registry, 6);
}

TEST_F(UninstRemoval, FoldersGoDeepestFirstAndOnlyWhenEmpty) {
  const std::string bin = main_ + "\\bin", tools = bin + "\\tools", data = main_ + "\\data";
  for (const std::string& d : {bin, tools, data}) CreateDirectoryA(d.c_str(), nullptr);
  WriteTextFile(data + "\\mine.txt", "the user's own");
  const RemovalResult r = Run({Entry(RecordKind::kFolder, main_), Entry(RecordKind::kFolder, bin),
                               File(tools + "\\t.exe", "t"), Entry(RecordKind::kFolder, tools),
                               Entry(RecordKind::kFolder, data)});
  EXPECT_FALSE(Exists(tools));
  EXPECT_FALSE(Exists(bin));
  EXPECT_TRUE(Exists(data + "\\mine.txt"));
  EXPECT_EQ(r.folders, 2);
  EXPECT_EQ(r.keptFolders, 2);
  EXPECT_TRUE(LogHas("kept, not empty: " + main_));
  EXPECT_LT(LogAt("removed: " + tools), LogAt("removed: " + bin));
  EXPECT_GE(LogAt("removed: " + tools), 0);
  // With the user's file gone, a second run takes the rest.
  DeleteFileA((data + "\\mine.txt").c_str());
  const RemovalResult again = Run({Entry(RecordKind::kFolder, data), Entry(RecordKind::kFolder, main_)});
  EXPECT_EQ(again.folders, 2);
  EXPECT_FALSE(Exists(main_));
}

}  // namespace
