// The shortcut, create-directory, delete and user-path instructions under
// Wine: links read back through the shell, directories, remembered paths.
#include <gtest/gtest.h>
#include <objbase.h>
#include <shlobj.h>

#include <string>

#include "engine_app.h"
#include "setup/engine/executors.h"

namespace {

bool Exists(const std::string& path) { return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

struct Link {
  std::string target, arguments, workdir, description, icon;
  int iconIndex = -1;
};

// Reads a .lnk file back through the shell's link object.
bool ReadLink(const std::string& file, Link& out) {
  CoInitialize(nullptr);
  IShellLinkA* link = nullptr;
  IPersistFile* persist = nullptr;
  bool ok = SUCCEEDED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA,
                                       reinterpret_cast<void**>(&link))) &&
            SUCCEEDED(link->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&persist)));
  wchar_t wide[MAX_PATH];
  MultiByteToWideChar(CP_ACP, 0, file.c_str(), -1, wide, MAX_PATH);
  ok = ok && SUCCEEDED(persist->Load(wide, STGM_READ));
  char text[MAX_PATH] = "";
  if (ok) {
    link->GetPath(text, MAX_PATH, nullptr, SLGP_RAWPATH);
    out.target = text;
    link->GetArguments(text, MAX_PATH);
    out.arguments = text;
    link->GetWorkingDirectory(text, MAX_PATH);
    out.workdir = text;
    link->GetDescription(text, MAX_PATH);
    out.description = text;
    link->GetIconLocation(text, MAX_PATH, &out.iconIndex);
    out.icon = text;
  }
  if (persist) persist->Release();
  if (link) link->Release();
  CoUninitialize();
  return ok;
}

class EngineFiles : public ::testing::Test {
 protected:
  EngineFiles() : dir("engine_files") {
    app.Install(dir / "cd", dir / "main");
    CreatePath(dir / "main");
    WriteTextFile(dir / "main\\vantora.exe", "MZ");
  }
  ScratchDir dir;
  EngineApp app;
};

TEST_F(EngineFiles, ShortcutWithArgumentsAndItsIconFromTheProgram) {
  EXPECT_EQ(VTCfgShortcut("vantora.exe /dial", "Vantora Dialer,," + dir / "links"), 1);
  Link l;
  ASSERT_TRUE(ReadLink(dir / "links\\Vantora Dialer.lnk", l));
  EXPECT_EQ(l.target, dir / "main\\vantora.exe");
  EXPECT_EQ(l.arguments, "/dial");
  EXPECT_EQ(l.workdir, dir / "main");
  EXPECT_EQ(l.description, "Vantora Dialer");
  EXPECT_EQ(l.icon, dir / "main\\vantora.exe");
  EXPECT_EQ(l.iconIndex, 0);
  EXPECT_EQ(app.progress, std::vector<std::string>{"0:Vantora Dialer"});
}

TEST_F(EngineFiles, ShortcutNamedAfterTheKeyWithAnIconFileAndIndex) {
  WriteTextFile(dir / "main\\icons.dll", "MZ");
  EXPECT_EQ(VTCfgShortcut("vantora.exe", "," + dir / "main," + dir / "links," + dir / "main\\icons.dll,2"), 1);
  Link l;
  ASSERT_TRUE(ReadLink(dir / "links\\vantora.exe.lnk", l));
  EXPECT_EQ(l.description, "vantora.exe");
  EXPECT_EQ(l.arguments, "");
  EXPECT_EQ(l.icon, dir / "main\\icons.dll");
  EXPECT_EQ(l.iconIndex, 2);
  // Made again: the link is replaced.
  EXPECT_EQ(VTCfgShortcut("vantora.exe", "," + dir / "main," + dir / "links"), 1);
  ASSERT_TRUE(ReadLink(dir / "links\\vantora.exe.lnk", l));
  EXPECT_EQ(l.icon, dir / "main\\vantora.exe");
  EXPECT_EQ(l.iconIndex, 0);
}

TEST_F(EngineFiles, ShortcutsThatCannotBeMadeFailWithMinusOne) {
  EXPECT_EQ(VTCfgShortcut("vantora.exe", "no commas"), -1);
  EXPECT_TRUE(app.LogHas("VTCfgShortcut(): Invalid entry vantora.exe=no commas.\n"));
  EXPECT_EQ(VTCfgShortcut("vantora.exe", "Name,only one"), -1);
  EXPECT_EQ(VTCfgShortcut("missing.exe", "Name,," + dir / "links2"), -1);
  EXPECT_FALSE(Exists(dir / "links2"));  // a missing target creates nothing
  EXPECT_EQ(VTCfgShortcut("vantora.exe", "Name,,relative"), -1);
  EXPECT_TRUE(app.boxes.empty());
  // The link is named after the whole key, arguments and all: a name the
  // file system refuses fails to save, with the numbered error.
  EXPECT_EQ(VTCfgShortcut("vantora.exe /dial", ",," + dir / "links"), -1);
  ASSERT_EQ(app.boxes.size(), 1u);
  EXPECT_EQ(app.boxes[0].text, "Error 3\n");
}

TEST_F(EngineFiles, CreateDirectoryAndDelete) {
  EXPECT_EQ(VTCfgCreateDir("Data", dir / "main\\data\\deep"), 1);
  EXPECT_TRUE(Exists(dir / "main\\data\\deep"));
  EXPECT_EQ(VTCfgCreateDir("Data", dir / "main\\data\\deep"), 1);  // already there
  EXPECT_EQ(VTCfgCreateDir("Data", "not\\a\\drive\\path"), -1);
  EXPECT_EQ(VTCfgCreateDir("Data", ""), -1);
  EXPECT_TRUE(app.LogHas("VTCFG_CREATEDIR: Inavlid entry Data=\n"));

  WriteTextFile(dir / "main\\old.dll", "x");
  WriteTextFile(dir / "main\\data\\old.ini", "x");
  EXPECT_EQ(VTCfgDelete("old.dll", ""), 1);
  EXPECT_EQ(VTCfgDelete("old.ini", dir / "main\\data"), 1);
  EXPECT_FALSE(Exists(dir / "main\\old.dll"));
  EXPECT_FALSE(Exists(dir / "main\\data\\old.ini"));
  EXPECT_EQ(VTCfgDelete("never.txt", ""), 1);
  EXPECT_TRUE(app.LogHas("Error removing " + dir / "main\\never.txt" + ". Ignored\n"));
  EXPECT_EQ(app.progress[0], "2:" + dir / "main\\data\\deep");
  EXPECT_EQ(app.progress.back(), "0:never.txt");
}

TEST_F(EngineFiles, UserPathAsksAndRemembersTheDirectory) {
  ClearSetupRegistry();
  app.promptAnswers = {{true, "c:\\Browsers\\Navigator"}};
  EXPECT_EQ(VTCfgUserPath("Browser", "Your browser,,Where is it?^Pick its folder, please"), 1);
  ASSERT_EQ(app.prompts.size(), 1u);
  EXPECT_EQ(app.prompts[0].caption, "Your browser");
  EXPECT_EQ(app.prompts[0].message, "Where is it?\nPick its folder, please");
  EXPECT_EQ(app.prompts[0].path, "");
  EXPECT_EQ(app.m_tokens.Get(tok::USER_DIR), "c:\\Browsers\\Navigator");
  std::string remembered;
  ReadProductString(HKEY_CURRENT_USER, 28, "Browser", remembered);
  EXPECT_EQ(remembered, "c:\\Browsers\\Navigator");
  EXPECT_EQ(app.shows, (std::vector<bool>{false, true}));

  // Later lines see the token; a cancelled or empty answer removes it.
  EXPECT_EQ(app.RunCfgInstructions({"d=9,{USER_DIR}\\plugins"}), 1);
  app.promptAnswers = {{true, ""}};
  EXPECT_EQ(VTCfgUserPath("Browser", "t,c:\\default,text"), 0);
  EXPECT_EQ(app.prompts.back().path, "c:\\default");
  EXPECT_FALSE(app.m_tokens.Has(tok::USER_DIR));
  app.m_tokens.Set(tok::USER_DIR, "c:\\x");
  EXPECT_EQ(VTCfgUserPath("Browser", "t,c:\\default,text"), 0);  // cancelled
  ClearSetupRegistry();
}

TEST_F(EngineFiles, MalformedUserPathsRemoveTheToken) {
  for (const char* bad : {"no comma", ",starts with a comma", "title only,"}) {
    app.m_tokens.Set(tok::USER_DIR, "c:\\x");
    EXPECT_EQ(VTCfgUserPath("K", bad), -1) << bad;
    EXPECT_FALSE(app.m_tokens.Has(tok::USER_DIR));
  }
  app.m_tokens.Set(tok::USER_DIR, "c:\\x");
  EXPECT_EQ(VTCfgUserPath("K", "title,dir,"), 0);
  EXPECT_FALSE(app.m_tokens.Has(tok::USER_DIR));
  EXPECT_TRUE(app.LogHas("Inavlid UserPath entry: K=no comma\n"));
  EXPECT_TRUE(app.prompts.empty());
}

}  // namespace
