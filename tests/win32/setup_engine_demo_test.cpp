// The demo CD's disk sections installed by the engine under Wine, with
// scripted answers: every file, registry value and link they make. The
// installation (files in c:\vtdemo, registry values) stays afterwards, so
// that a script can look at it from Linux (tests/e2e/engine_demo_links_test.sh).
#include <gtest/gtest.h>
#include <objbase.h>
#include <shlobj.h>

#include <string>

#include "engine_app.h"

namespace {

constexpr const char* kRoot = "c:\\vtdemo";

// The provider's setup on the demo CD, as Wine shows a Linux folder: through
// drive Z:.
std::string DemoSetup() { return FromLinux(VT_DEMO_SETUP); }

std::string LinkTarget(const std::string& file, std::string* args) {
  CoInitialize(nullptr);
  IShellLinkA* link = nullptr;
  IPersistFile* persist = nullptr;
  char text[MAX_PATH] = "";
  if (SUCCEEDED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA,
                                 reinterpret_cast<void**>(&link))) &&
      SUCCEEDED(link->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&persist)))) {
    wchar_t wide[MAX_PATH];
    MultiByteToWideChar(CP_ACP, 0, file.c_str(), -1, wide, MAX_PATH);
    if (SUCCEEDED(persist->Load(wide, STGM_READ))) {
      link->GetPath(text, MAX_PATH, nullptr, SLGP_RAWPATH);
      char a[MAX_PATH] = "";
      link->GetArguments(a, MAX_PATH);
      *args = a;
    }
  }
  if (persist) persist->Release();
  if (link) link->Release();
  CoUninitialize();
  return text;
}

std::string ClientValue(const char* name) {
  std::string value;
  ReadRegString(HKEY_CURRENT_USER, "Software\\CorvaneNetwork\\Vantora\\Client", name, value);
  return value;
}

TEST(EngineDemo, TheDemoCdsDiskSectionsInstallEverything) {
  ClearSetupRegistry();
  RemoveTree(kRoot);  // what an earlier run left
  const std::string cd = DemoSetup();
  ASSERT_TRUE(FileExistsIn("setup.cfg", cd)) << cd;
  const std::string main = std::string(kRoot) + "\\Vantora";
  EngineApp app;
  app.Install(cd, main);
  app.m_tokens.Set(tok::SETUP_CFG, cd + "\\setup.cfg");
  app.m_tokens.Set(tok::SETUP_EXE, cd + "\\setup.exe");
  app.m_tokens.Set(tok::PROGRAMS, std::string(kRoot) + "\\Programs");
  app.promptAnswers = {{true, main + "\\Downloads"}};
  app.answers = {IDOK};

  ASSERT_EQ(app.InstallFromDisks(), 1) << EngineLog();

  // The installed copy of the setup, which later runs use.
  EXPECT_TRUE(FileExistsIn("setup.cfg", main + "\\access"));
  EXPECT_TRUE(FileExistsIn("setup.exe", main + "\\access"));
  EXPECT_EQ(app.m_tokens.Get(tok::SETUP_CFG), main + "\\access\\setup.cfg");
  // Copies, with and without a new name, and the unpacked archive.
  EXPECT_EQ(ReadTextFile(main + "\\bin\\vantora.exe"), ReadTextFile(cd + "\\bin\\vantora.exe"));
  EXPECT_EQ(ReadTextFile(main + "\\ReadMe.txt"), ReadTextFile(cd + "\\readme.txt"));
  EXPECT_FALSE(ReadTextFile(main + "\\VANTORA.TXT").empty());
  EXPECT_FALSE(ReadTextFile(main + "\\help\\connect.txt").empty());
  EXPECT_FALSE(ReadTextFile(main + "\\help\\settings.txt").empty());
  // The leftover that the delete line looks for was never there.
  EXPECT_TRUE(app.LogHas("Error removing " + main + "\\bin\\vantora.old. Ignored\n"));
  // The user's folder: asked, remembered, created.
  ASSERT_EQ(app.prompts.size(), 1u);
  EXPECT_EQ(app.prompts[0].caption, "Vantora Downloads");
  EXPECT_EQ(app.prompts[0].message,
            "Where should Vantora keep the files you download?\nThe folder is created if it is not there.");
  EXPECT_TRUE(FileExistsIn("Downloads", main));
  std::string remembered;
  ReadProductString(HKEY_CURRENT_USER, 28, "Downloads", remembered);
  EXPECT_EQ(remembered, main + "\\Downloads");
  // The registry file, merged by the registry editor with single backslashes.
  EXPECT_EQ(ClientValue("InstallDir"), main);
  EXPECT_EQ(ClientValue("Dialer"), main + "\\bin\\vantora.exe");
  EXPECT_EQ(ClientValue("Downloads"), main + "\\Downloads");
  EXPECT_FALSE(FileExistsIn("regimp.reg", main));
  // The links of the nested section.
  std::string args = "unset";
  EXPECT_EQ(LinkTarget(std::string(kRoot) + "\\Programs\\Vantora\\Vantora.lnk", &args),
            main + "\\bin\\vantora.exe");
  EXPECT_EQ(args, "");
  EXPECT_EQ(LinkTarget(std::string(kRoot) + "\\Programs\\Vantora\\Vantora Settings.lnk", &args),
            main + "\\bin\\vantora.exe");
  EXPECT_EQ(args, "/settings");
  // The closing message, and nothing else asked.
  ASSERT_EQ(app.boxes.size(), 1u);
  EXPECT_EQ(app.boxes[0].text, "Vantora is now on your computer.");
  EXPECT_EQ(app.boxes[0].style, 0x41u);
  ASSERT_GE(app.progress.size(), 3u);
  EXPECT_EQ(app.progress[0], "0:setup.cfg");
  EXPECT_EQ(app.progress[1], "0:setup.exe");
  EXPECT_EQ(app.progress[2], "2:" + main + "\\bin");
  // The registry stays too, for the script; the next test clears it first.
}

}  // namespace
