// Registry files under Wine: the token rewrite, the real registry editor
// merging the result, the import instruction's errors, and the run-once
// value.
#include <gtest/gtest.h>
#include <shlwapi.h>

#include <string>

#include "engine_app.h"
#include "setup/engine/executors.h"
#include "setup/engine/reg_file_writer.h"
#include "setup/status/run_once.h"

namespace {

constexpr const char* kTestKey = "Software\\VantoraEngineTest";

std::string ReadValue(const char* name) {
  std::string value;
  ReadRegString(HKEY_CURRENT_USER, kTestKey, name, value);
  return value;
}

class EngineRegistry : public ::testing::Test {
 protected:
  // A main directory with a blank in its name, as "Program Files" has.
  EngineRegistry() : dir("engine reg") {
    app.Install(dir / "cd", dir / "Main Dir");
    CreatePath(dir / "cd");
    CreatePath(dir / "Main Dir");
    SHDeleteKeyA(HKEY_CURRENT_USER, kTestKey);
  }
  ~EngineRegistry() override { SHDeleteKeyA(HKEY_CURRENT_USER, kTestKey); }
  ScratchDir dir;
  EngineApp app;
};

TEST_F(EngineRegistry, WriterDoublesBackslashesInRegedit4FilesOnly) {
  const std::string file = dir / "w.reg";
  WriteTextFile(file, "REGEDIT4\n\n[HKEY_CURRENT_USER\\Software\\X]\n\"P\"=\"{MAIN_DIR}\"\n\"Q\"=\"{main_dir}\"");
  CRegFileWriter writer(file, app.m_tokens);
  app.m_tokens.Set(tok::MAIN_DIR, "c:\\changed later");  // the writer keeps its own copy
  EXPECT_EQ(writer.Rewrite(), 0);
  std::string doubled;
  for (char c : dir / "Main Dir") doubled += c == '\\' ? std::string("\\\\") : std::string(1, c);
  EXPECT_EQ(ReadTextFile(file), "REGEDIT4\r\n\r\n[HKEY_CURRENT_USER\\Software\\X]\r\n\"P\"=\"" + doubled +
                                    "\"\r\n\"Q\"=\"{main_dir}\"\r\n");
  WriteTextFile(file, "Windows Registry Editor Version 5.00\n\"P\"=\"{TEMP}\"\n");
  app.m_tokens.Set(tok::TEMP, "c:\\tmp");
  EXPECT_EQ(CRegFileWriter(file, app.m_tokens).Rewrite(), 0);
  EXPECT_EQ(ReadTextFile(file), "Windows Registry Editor Version 5.00\r\n\"P\"=\"c:\\tmp\"\r\n");
}

TEST_F(EngineRegistry, WriterResultsForEmptyMissingAndNoFile) {
  WriteTextFile(dir / "empty.reg", "");
  EXPECT_EQ(CRegFileWriter(dir / "empty.reg", app.m_tokens).Rewrite(), 13);
  EXPECT_EQ(ReadTextFile(dir / "empty.reg"), "");
  EXPECT_EQ(CRegFileWriter(dir / "none.reg", app.m_tokens).Rewrite(), CRegFileWriter::kFileNotFound);
  EXPECT_EQ(CRegFileWriter(dir / "no\\such\\dir.reg", app.m_tokens).Rewrite(), CRegFileWriter::kBadPath);
  EXPECT_EQ(CRegFileWriter("", app.m_tokens).Rewrite(), 0);
}

TEST_F(EngineRegistry, ImportMergesTheFileWithItsTokensThroughTheRegistryEditor) {
  WriteTextFile(dir / "cd\\vantora.reg",
                "REGEDIT4\r\n\r\n[HKEY_CURRENT_USER\\Software\\VantoraEngineTest]\r\n"
                "\"InstallDir\"=\"{MAIN_DIR}\"\r\n\"Dialer\"=\"{MAIN_DIR}\\\\dialer.exe\"\r\n");
  EXPECT_EQ(VTCfgRegImport("vantora.reg", ""), 1);
  EXPECT_EQ(ReadValue("InstallDir"), dir / "Main Dir");
  EXPECT_EQ(ReadValue("Dialer"), dir / "Main Dir\\dialer.exe");
  EXPECT_FALSE(FileExistsIn("regimp.reg", dir / "Main Dir"));  // the temporary copy is gone
  EXPECT_NE(ReadTextFile(dir / "cd\\vantora.reg").find("{MAIN_DIR}"), std::string::npos);
  EXPECT_EQ(app.progress, std::vector<std::string>{"3:vantora.reg"});
}

TEST_F(EngineRegistry, ImportTakesItsSourceFromTheFieldOrTheAccessDirectoryInAnUpdate) {
  CreatePath(dir / "regs");
  WriteTextFile(dir / "regs\\a.reg", "REGEDIT4\r\n[HKEY_CURRENT_USER\\Software\\VantoraEngineTest]\r\n\"From\"=\"field\"\r\n");
  EXPECT_EQ(VTCfgRegImport("a.reg", dir / "regs"), 1);
  EXPECT_EQ(ReadValue("From"), "field");
  CreatePath(dir / "Main Dir\\access");
  WriteTextFile(dir / "Main Dir\\access\\a.reg",
                "REGEDIT4\r\n[HKEY_CURRENT_USER\\Software\\VantoraEngineTest]\r\n\"From\"=\"access\"\r\n");
  app.m_b3PUpdate = true;
  EXPECT_EQ(VTCfgRegImport("a.reg", dir / "regs"), 1);
  EXPECT_EQ(ReadValue("From"), "access");
}

TEST_F(EngineRegistry, AMissingRegistryFileOffersRetryAndCancel) {
  app.answers = {IDRETRY, IDCANCEL};
  EXPECT_EQ(VTCfgRegImport("missing.reg", ""), -1);
  ASSERT_EQ(app.boxes.size(), 2u);
  const std::string head = "Error processing registry file " + dir / "cd\\missing.reg" + ":\n";
  EXPECT_EQ(app.boxes[0].text.rfind(head, 0), 0u) << app.boxes[0].text;
  EXPECT_EQ(app.boxes[0].style, 0x15u);
  EXPECT_TRUE(app.LogHas(head));
  // Retry after the file has arrived goes on.
  app.boxes.clear();
  app.answers = {IDRETRY};
  struct Arrive : EngineApp {
    std::string file;
    int DoMessageBox(const char* text, UINT style, HWND owner) override {
      WriteTextFile(file, "REGEDIT4\r\n");
      return EngineApp::DoMessageBox(text, style, owner);
    }
  } late;
  late.Install(dir / "cd", dir / "Main Dir");
  late.file = dir / "cd\\late.reg";
  late.answers = {IDRETRY};
  EXPECT_EQ(VTCfgRegImport("late.reg", ""), 1);
  EXPECT_EQ(late.boxes.size(), 1u);
}

TEST(RunOnce, HoldsTheSetupProgramAndKeywordOrNothing) {
  EngineApp app;
  app.m_tokens.Set(tok::SETUP_EXE, "c:\\Vantora\\access\\setup.exe");
  SetRunOnce(true, "3PI");
  std::string value = "unset";
  ASSERT_TRUE(ReadRegString(HKEY_CURRENT_USER, kRunOnceKey, kRunOnceValue, value));
  EXPECT_EQ(value, "c:\\Vantora\\access\\setup.exe 3PI");
  SetRunOnce(true, "");
  ReadRegString(HKEY_CURRENT_USER, kRunOnceKey, kRunOnceValue, value);
  EXPECT_EQ(value, "c:\\Vantora\\access\\setup.exe ");
  SetRunOnce(false, "A_REBOOT");
  value = "unset";
  ASSERT_TRUE(ReadRegString(HKEY_CURRENT_USER, kRunOnceKey, kRunOnceValue, value));  // still there
  EXPECT_EQ(value, "");
}

}  // namespace
