#include <gtest/gtest.h>

#include <string>

#include "setup/paths/file_paths.h"
#include "setup/res/resource.h"
#include "scripted_app.h"
#include "setup/status/registry.h"

namespace {

constexpr const char* kShellFolders =
    "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders";

std::string SrcDirValue() {
  std::string out;
  ReadProductString(HKEY_CURRENT_USER, IDS_PRODUCT_KEY, "SrcDir", out);
  return out;
}

class Tokens : public ::testing::Test {
 protected:
  void SetUp() override {
    ClearSetupRegistry();
    WriteProfileStringA("Corvane Network Vantora", nullptr, nullptr);
  }
  void TearDown() override {
    ClearSetupRegistry();
    WriteProfileStringA("Corvane Network Vantora", nullptr, nullptr);
  }
  std::string T(const char* name) { return app.m_tokens.Get(name); }
  ScriptedApp app;
};

TEST_F(Tokens, FirstRunFromTheCd) {
  app.programPath = "E:\\setup.exe";
  EXPECT_EQ(app.InitTokens(), 1);
  EXPECT_EQ(T(tok::MAIN_DIR), "c:\\Corvane");
  EXPECT_EQ(T(tok::ACCESS_DIR), "c:\\Corvane\\access");
  EXPECT_EQ(T(tok::SETUP_EXE), "E:\\setup.exe");
  EXPECT_EQ(T(tok::RUN_DIR), "E:");
  EXPECT_EQ(T(tok::SETUP_CFG), "E:\\setup.cfg");
  EXPECT_EQ(T(tok::SRC_DIR), "E:");
  EXPECT_EQ(SrcDirValue(), "E:");
  EXPECT_EQ(app.GetRunDir(), "E:");
  EXPECT_EQ(app.GetSrcDir(), "E:");
  EXPECT_EQ(app.GetSetupCfg(), "E:\\setup.cfg");
  EXPECT_EQ(app.GetAccessDir(), "c:\\Corvane\\access");

  char windows[MAX_PATH], system[MAX_PATH];
  GetWindowsDirectoryA(windows, MAX_PATH);
  GetSystemDirectoryA(system, MAX_PATH);
  EXPECT_EQ(T(tok::WINDOWS), windows);
  EXPECT_EQ(T(tok::SYSTEM), system);
  EXPECT_FALSE(T(tok::TEMP).empty());
  EXPECT_FALSE(app.m_tokens.Has(tok::TRUE_USER_NAME));
  EXPECT_FALSE(app.m_tokens.Has(tok::HOMEPAGE));
}

TEST_F(Tokens, InstalledCopyDoesNotBecomeTheSource) {
  app.programPath = "c:\\Corvane\\access\\setup.exe";
  app.InitTokens();
  EXPECT_EQ(T(tok::SRC_DIR), "c:\\Corvane\\access");
  EXPECT_EQ(SrcDirValue(), "");
  // A case difference is another folder as far as this rule goes.
  app.programPath = "C:\\CORVANE\\ACCESS\\setup.exe";
  app.InitTokens();
  EXPECT_EQ(SrcDirValue(), "C:\\CORVANE\\ACCESS");
}

TEST_F(Tokens, ProductValuesWinOverDefaults) {
  WriteProductString(HKEY_CURRENT_USER, IDS_PRODUCT_KEY, "MainDir", "d:\\Apps\\Vantora");
  WriteProductString(HKEY_CURRENT_USER, IDS_PRODUCT_KEY, "SrcDir", "A:");
  WriteProductString(HKEY_CURRENT_USER, IDS_PRODUCT_KEY, "TrueUserName", "Joe User");
  WriteProductString(HKEY_CURRENT_USER, IDS_PRODUCT_KEY, "UserName", "joe");
  WriteProductString(HKEY_CURRENT_USER, IDS_PRODUCT_KEY, "HomePage", "http://home/");
  app.programPath = "E:\\setup.exe";
  app.InitTokens();
  EXPECT_EQ(T(tok::MAIN_DIR), "d:\\Apps\\Vantora");
  EXPECT_EQ(T(tok::ACCESS_DIR), "d:\\Apps\\Vantora\\access");
  EXPECT_EQ(T(tok::SRC_DIR), "A:");
  EXPECT_EQ(SrcDirValue(), "A:");
  EXPECT_EQ(T(tok::TRUE_USER_NAME), "Joe User");
  EXPECT_EQ(T(tok::SCREEN_USER_NAME), "joe");
  EXPECT_EQ(T(tok::HOMEPAGE), "http://home/");
}

TEST_F(Tokens, MainDirFallsBackOnWinIni) {
  WriteProfileStringA("Corvane Network Vantora", "Main", "f:\\Net");
  app.programPath = "E:\\setup.exe";
  app.InitTokens();
  EXPECT_EQ(T(tok::MAIN_DIR), "f:\\Net");
  EXPECT_EQ(T(tok::ACCESS_DIR), "f:\\Net\\access");
}

TEST_F(Tokens, SetupCfgSetEarlierIsKept) {
  app.SetSetupCfg("c:\\Corvane\\access");
  app.programPath = "E:\\setup.exe";
  app.InitTokens();
  EXPECT_EQ(T(tok::SETUP_CFG), "c:\\Corvane\\access\\setup.cfg");
  app.SetSetupExe("c:\\Corvane\\access\\");
  EXPECT_EQ(T(tok::SETUP_EXE), "c:\\Corvane\\access\\setup.exe");
  app.SetSrcDir("A:");
  EXPECT_EQ(T(tok::SRC_DIR), "A:");
  EXPECT_EQ(SrcDirValue(), "A:");
}

TEST_F(Tokens, ShellFoldersSetOnlyThePresentTokens) {
  // Keep the prefix's own values and restore them afterwards.
  std::string startMenu, favorites;
  const bool hadStart = ReadRegString(HKEY_CURRENT_USER, kShellFolders, "Start Menu", startMenu);
  const bool hadFav = ReadRegString(HKEY_CURRENT_USER, kShellFolders, "Favorites", favorites);
  HKEY h;
  ASSERT_EQ(RegOpenKeyExA(HKEY_CURRENT_USER, kShellFolders, 0, KEY_ALL_ACCESS, &h), ERROR_SUCCESS);
  RegDeleteValueA(h, "Start Menu");
  RegDeleteValueA(h, "Favorites");
  WriteRegString(HKEY_CURRENT_USER, kShellFolders, "Programs", "c:\\menu\\Programs");

  app.programPath = "E:\\setup.exe";
  app.InitTokens();
  EXPECT_FALSE(app.m_tokens.Has(tok::START_MENU));
  EXPECT_EQ(T(tok::PROGRAMS), "c:\\menu\\Programs");
  EXPECT_EQ(T(tok::FAVORITES), T(tok::WINDOWS) + "\\Favorites");

  if (hadStart) WriteRegString(HKEY_CURRENT_USER, kShellFolders, "Start Menu", startMenu.c_str());
  if (hadFav) WriteRegString(HKEY_CURRENT_USER, kShellFolders, "Favorites", favorites.c_str());
  RegCloseKey(h);
}

TEST_F(Tokens, TempThatIsTheCurrentDirectoryIsNotUsed) {
  char temp[MAX_PATH], current[MAX_PATH];
  GetTempPathA(MAX_PATH, temp);
  GetCurrentDirectoryA(MAX_PATH, current);
  app.programPath = "E:\\setup.exe";
  app.InitTokens();
  EXPECT_EQ(T(tok::TEMP), temp);

  // As on a system with no TMP or TEMP, the temporary path is the current
  // directory; the program then makes its own folder under Windows.
  char oldTmp[MAX_PATH] = {}, oldTemp[MAX_PATH] = {};
  GetEnvironmentVariableA("TMP", oldTmp, MAX_PATH);
  GetEnvironmentVariableA("TEMP", oldTemp, MAX_PATH);
  SetEnvironmentVariableA("TMP", "C:\\");
  SetEnvironmentVariableA("TEMP", "C:\\");
  ASSERT_TRUE(SetCurrentDirectoryA("C:\\"));
  char nowTemp[MAX_PATH], nowCurrent[MAX_PATH];
  GetTempPathA(MAX_PATH, nowTemp);
  GetCurrentDirectoryA(MAX_PATH, nowCurrent);
  ASSERT_STREQ(nowTemp, nowCurrent);
  app.InitTokens();
  EXPECT_EQ(T(tok::TEMP), T(tok::WINDOWS) + "\\temp");
  EXPECT_TRUE(FileExistsIn("temp", T(tok::WINDOWS)));

  SetCurrentDirectoryA(current);
  SetEnvironmentVariableA("TMP", oldTmp[0] ? oldTmp : nullptr);
  SetEnvironmentVariableA("TEMP", oldTemp[0] ? oldTemp : nullptr);
}

}  // namespace
