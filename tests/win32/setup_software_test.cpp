// The additional software under Wine: setup.ini into the registry, the
// software list in a first and a later run, the choice dialog's rules, and
// the registration module's hand-off.
#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <string>
#include <vector>

#include "core/config/software_list.h"
#include "engine_app.h"
#include "setup/dialogs/software_dlg.h"

namespace {

std::string Product(const char* name) {
  std::string value;
  return ReadProductString(HKEY_CURRENT_USER, 12, name, value) ? value : "none";
}

class Software : public ::testing::Test {
 protected:
  Software() : dir("software") {
    ClearSetupRegistry();
    app.Install(dir / "cd", "c:\\Corvane");
    CreatePath(dir / "cd\\browser");
    CreatePath(dir / "cd\\Extras");
    WriteTextFile(dir / "cd\\browser\\setup.exe", "MZ");
    app.m_tokens.Set(tok::SETUP_CFG, dir / "cd\\setup.cfg");
  }
  ~Software() override { ClearSetupRegistry(); }
  void Cfg(const std::string& text) { WriteTextFile(dir / "cd\\setup.cfg", text); }
  ScratchDir dir;
  EngineApp app;
};

TEST_F(Software, SetupIniValuesReachTheProductKey) {
  WriteTextFile(dir / "cd\\setup.ini",
                "[Vantora]\nIsRegNoAPrefix=YES\nRegNo=CN-42\nHomePage=http://www.corvane.example/\n"
                "FreeHours=10\nISDNRate=0.05\nIESetupDir=ie4\\setup.exe\n");
  app.m_tokens.Set(tok::SRC_DIR, dir / "cd\\disk1");
  CreatePath(dir / "cd\\disk1");
  CopyFileA((dir / "cd\\setup.ini").c_str(), (dir / "cd\\disk1\\setup.ini").c_str(), FALSE);
  app.CopySetupIniToRegistry();
  EXPECT_EQ(Product("ProgramArgs"), "none");
  EXPECT_EQ(Product("RegNoPrefix"), "CN-42");  // "YES" in any case
  EXPECT_EQ(Product("RegNo"), "none");
  EXPECT_EQ(Product("HomePage"), "http://www.corvane.example/");
  EXPECT_EQ(Product("LocalURLPath"), "none");  // no HDHomePage
  EXPECT_EQ(Product("FreeHours"), "10");
  EXPECT_EQ(Product("ISDNRate"), "0.05");
  EXPECT_EQ(Product("SetupFee"), "none");
  EXPECT_EQ(Product("IESetupDir"), dir / "cd\\ie4\\setup.exe");  // the parent of {SRC_DIR}
  EXPECT_EQ(ReadProductDword(HKEY_CURRENT_USER, 12, "Flags"), 16u);

  WriteTextFile(dir / "cd\\disk1\\setup.ini", "[Vantora]\nRegNo=7\nHomePage=start.htm\nHDHomePage=yes\n");
  app.CopySetupIniToRegistry();
  EXPECT_EQ(Product("RegNo"), "7");
  EXPECT_EQ(Product("LocalURLPath"), "c:\\Corvane\\www\\start.htm");
}

TEST_F(Software, AFirstRunListsWhatIsOnTheMediaAndRemembersIt) {
  Cfg("[Software]\n*Browser=4,0{SRC_DIR}\\browser\\setup.exe /q,The browser\n"
      "Missing=4,0{SRC_DIR}\\nothere\\setup.exe\n@Extras=6,Extras\nGone=6,No Such Folder\nOdd=1,,\n");
  // A user path answered during the installation does not make it a later run.
  WriteProductString(HKEY_CURRENT_USER, 28, "Downloads", "c:\\Downloads");
  EXPECT_EQ(app.InitSoftwareList(), 2);
  EXPECT_EQ(app.m_SoftwareList, (std::vector<std::string>{"Browser=4,0{SRC_DIR}\\browser\\setup.exe /q,The browser",
                                                           "Extras=6,Extras"}));
  EXPECT_EQ(app.m_SoftwareStates["Browser"], SW_SELECTED);
  EXPECT_EQ(app.m_SoftwareStates["Extras"], SW_ALWAYS);
  EXPECT_EQ(ReadProductDword(HKEY_CURRENT_USER, 28, "Browser"), 1u);
  EXPECT_EQ(ReadProductDword(HKEY_CURRENT_USER, 28, "Extras"), kRegDwordMissing);

  // A later run lists the remembered items only, with their states.
  WriteProductDword(HKEY_CURRENT_USER, 28, "Browser", SW_DONE);
  EXPECT_EQ(app.InitSoftwareList(), 1);
  EXPECT_EQ(app.m_SoftwareStates["Browser"], SW_DONE);
  WriteProductDword(HKEY_CURRENT_USER, 28, "Browser", SW_FAILED);
  app.m_b3PIContinue = true;  // the marker counts as not picked when continuing
  EXPECT_EQ(app.InitSoftwareList(), 1);
  EXPECT_EQ(app.m_SoftwareStates["Browser"], SW_NOT_SELECTED);
}

TEST_F(Software, NoSoftwareSectionFailsTheList) {
  Cfg("[Misc]\nReqFreeSpace=15\n");
  EXPECT_EQ(app.InitSoftwareList(), 0);
  EXPECT_TRUE(app.LogHas("Error reading software section in CFG.\n"));
  EXPECT_EQ(app.Install3pi(), 0);
  EXPECT_TRUE(app.LogHas("CSetupVTApp::Install3pi(): Software list initialization failed\n"));
}

// A choice dialog worked from inside its loop.
class ActingChoice : public C3PIDlg {
 public:
  using Act = std::function<void(ActingChoice&)>;
  ActingChoice(const std::vector<std::string>& list, std::map<std::string, int>& states, Act act)
      : C3PIDlg(nullptr, list, states), m_act(std::move(act)) {}
  BOOL OnInitDialog() override {
    C3PIDlg::OnInitDialog();
    PostMessage(WM_APP + 9);
    return TRUE;
  }
  std::vector<std::string> Lines() const {
    std::vector<std::string> lines;
    for (int i = 0; i < m_checkList.GetCount(); ++i)
      lines.push_back(m_checkList.GetText(i) + (m_checkList.GetCheck(i) ? "+" : "-"));
    return lines;
  }
  std::string Description() const {
    char text[256] = "";
    ::GetDlgItemTextA(m_hWnd, 1022, text, sizeof text);
    return text;
  }
  void Select(int line) {
    SendDlgItemMessageA(m_hWnd, 1001, LB_SETCURSEL, line, 0);
    SendMessage(WM_COMMAND, MAKEWPARAM(1001, LBN_SELCHANGE), reinterpret_cast<LPARAM>(GetDlgItem(1001)));
  }
  void Press(int id) { SendMessage(WM_COMMAND, id, 0); }
  void Check(int line, bool on) { m_checkList.SetCheck(line, on); }

 protected:
  LRESULT OnAct(WPARAM, LPARAM) {
    m_act(*this);
    return 0;
  }
  VT_DECLARE_MESSAGE_MAP()

 private:
  Act m_act;
};

VT_BEGIN_MESSAGE_MAP(ActingChoice, C3PIDlg)
  VT_ON_MESSAGE(WM_APP + 9, OnAct)
VT_END_MESSAGE_MAP()

TEST_F(Software, TheChoiceDialogOffersWhatMayBeChosen) {
  const std::vector<std::string> list = {"Browser=4,0e:\\b.exe,The web browser~ mail and news", "Tools=6,tools",
                                         "Dialer=4,0e:\\d.exe,Dialer tools", "Unknown=4,0e:\\u.exe,x"};
  std::map<std::string, int> states = {{"Browser", SW_DONE}, {"Tools", SW_ALWAYS}, {"Dialer", SW_SELECTED}};
  std::vector<std::string> atStart, afterAll, afterNone;
  std::string first, second;
  ActingChoice dialog(list, states, [&](ActingChoice& d) {
    atStart = d.Lines();
    first = d.Description();
    d.Select(1);
    second = d.Description();
    d.Press(1004);  // Unselect All
    afterNone = d.Lines();
    d.Press(IDOK);  // nothing checked: the dialog says so and stays
    d.Press(1003);  // Select All
    afterAll = d.Lines();
    d.Check(0, false);
    d.Press(IDOK);
  });
  EXPECT_EQ(dialog.DoModal(), IDOK);
  EXPECT_EQ(atStart, (std::vector<std::string>{"Browser-", "Dialer+"}));  // no '@' item, no stateless one
  EXPECT_EQ(first, "The web browser, mail and news");
  EXPECT_EQ(second, "Dialer tools");
  EXPECT_EQ(afterNone, (std::vector<std::string>{"Browser-", "Dialer-"}));
  EXPECT_EQ(afterAll, (std::vector<std::string>{"Browser+", "Dialer+"}));
  ASSERT_FALSE(app.boxes.empty());
  EXPECT_EQ(app.boxes[0].text, "You have not selected anything to install.");
  EXPECT_EQ(app.boxes[0].style, 0u);
  EXPECT_EQ(states["Browser"], SW_DONE);  // installed, left unchecked: stays installed
  EXPECT_EQ(states["Dialer"], SW_SELECTED);
  EXPECT_EQ(states["Tools"], SW_ALWAYS);
  EXPECT_EQ(states.count("Unknown"), 0u);

  std::map<std::string, int> kept = states;
  ActingChoice cancelled(list, states, [](ActingChoice& d) {
    d.Press(1003);
    d.Press(IDCANCEL);
  });
  EXPECT_EQ(cancelled.DoModal(), IDCANCEL);
  EXPECT_EQ(states, kept);
}

// The user's ways to tick a line: a click on its box (a click on its text
// only selects it) and the space bar on the selected line.
TEST_F(Software, TheMouseOnABoxAndTheSpaceBarToggleALine) {
  const std::vector<std::string> list = {"Browser=4,0e:\\b.exe,Browser", "Dialer=4,0e:\\d.exe,Dialer"};
  std::map<std::string, int> states = {{"Browser", SW_SELECTED}, {"Dialer", SW_SELECTED}};
  std::vector<std::string> afterBox, afterText, afterSpace;
  ActingChoice dialog(list, states, [&](ActingChoice& d) {
    HWND box = d.GetDlgItem(1001);
    RECT line{};
    SendMessageA(box, LB_GETITEMRECT, 1, reinterpret_cast<LPARAM>(&line));
    const int middle = (line.top + line.bottom) / 2;
    auto click = [&](int x) {
      SendMessageA(box, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, middle));
      SendMessageA(box, WM_LBUTTONUP, 0, MAKELPARAM(x, middle));
    };
    click(line.left + 8);  // on the box
    afterBox = d.Lines();
    click(line.left + 60);  // on the text
    afterText = d.Lines();
    SendMessageA(box, WM_KEYDOWN, VK_SPACE, 0);
    afterSpace = d.Lines();
    d.Press(IDOK);
  });
  EXPECT_EQ(dialog.DoModal(), IDOK);
  EXPECT_EQ(afterBox, (std::vector<std::string>{"Browser+", "Dialer-"}));
  EXPECT_EQ(afterText, (std::vector<std::string>{"Browser+", "Dialer-"}));
  EXPECT_EQ(afterSpace, (std::vector<std::string>{"Browser+", "Dialer+"}));
  EXPECT_EQ(states["Dialer"], SW_SELECTED);
}

// The registration step with stand-in modules.
class AccessTest : public ::testing::Test {
 protected:
  AccessTest() : dir("access") {
    ClearSetupRegistry();
    app.Install(dir.path(), dir.path());
    app.m_tokens.Set(tok::SETUP_EXE, "c:\\Corvane\\access\\setup.exe");
  }
  ~AccessTest() override { ClearSetupRegistry(); }
  void From(const char* variant) {
    std::string path = std::string("Z:") + VT_TEST_MODULES + "/" + variant;
    for (char& c : path)
      if (c == '/') c = '\\';
    WriteRegString(HKEY_CURRENT_USER, kDeveloperKey, "LoadAccessFrom", path.c_str());
  }
  ScratchDir dir;
  EngineApp app;
};

TEST_F(AccessTest, AModuleThatRegistersIsASuccessAndItsNamesArrive) {
  From("quiet");
  EXPECT_EQ(app.RunAccess(), AccessOutcome::Success);
  EXPECT_EQ(Product("TrueUserName"), "Test User");
  EXPECT_EQ(app.m_tokens.Get(tok::TRUE_USER_NAME), "Test User");  // tokens recomputed
  EXPECT_TRUE(app.LogHas("ACCESS.DLL found and loaded\n"));
  EXPECT_TRUE(app.LogHas("Starting main for access.dll"));
  std::string runOnce = "none";
  ReadRegString(HKEY_CURRENT_USER, "Software\\Microsoft\\Windows\\CurrentVersion\\RunOnce", "VTSetup", runOnce);
  EXPECT_EQ(runOnce, "");  // set around the call, emptied after it
}

// What the module is handed: the screen window as its owner, and a
// continuation that brings the setup back in the run's own mode.
TEST_F(AccessTest, TheModuleSeesTheContinuationAndTheScreenWindow) {
  From("quiet");
  EXPECT_EQ(app.RunAccess(), AccessOutcome::Success);
  EXPECT_EQ(Product("SeenRunOnce"), "c:\\Corvane\\access\\setup.exe A_REBOOT");
  EXPECT_EQ(ReadProductDword(HKEY_CURRENT_USER, 12, "SeenOwner"), 0u);  // no screen yet

  HWND screen = CreateWindowExA(0, "STATIC", "screen", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                                GetModuleHandleA(nullptr), nullptr);
  ASSERT_TRUE(screen);
  CWnd screenWnd;
  screenWnd.Attach(screen);
  app.m_pMainWnd = &screenWnd;
  app.m_nRunMode = RUN_RU;
  app.m_tokens.Set(tok::SETUP_EXE, "c:\\Corvane\\access\\setup.exe");  // recomputed after the call
  EXPECT_EQ(app.RunAccess(), AccessOutcome::Success);
  app.m_pMainWnd = nullptr;
  screenWnd.Detach();
  DestroyWindow(screen);
  EXPECT_EQ(Product("SeenRunOnce"), "c:\\Corvane\\access\\setup.exe R&U");
  EXPECT_EQ(ReadProductDword(HKEY_CURRENT_USER, 12, "SeenOwner"),
            static_cast<DWORD>(reinterpret_cast<UINT_PTR>(screen)));
}

TEST_F(AccessTest, NoStatusCountsAsSuccessAReportedFailureDoesNot) {
  From("nostatus");
  EXPECT_EQ(app.RunAccess(), AccessOutcome::Success);
  WriteProductDword(HKEY_CURRENT_USER, 12, "AccessDllStatus", 0);
  EXPECT_EQ(app.RunAccess(), AccessOutcome::Failed);  // the module left the old 0 in place
}

TEST_F(AccessTest, MissingModuleOrEntryCannotBind) {
  From("noentry");
  EXPECT_EQ(app.RunAccess(), AccessOutcome::NotLoaded);
  EXPECT_TRUE(app.LogHas("GetProcAddress failed for InitRunMain:\n"));
  From("nowhere");
  EXPECT_EQ(app.RunAccess(), AccessOutcome::NotLoaded);
  EXPECT_TRUE(app.LogHas("Cannot load "));
  EXPECT_TRUE(app.boxes.empty());  // the user sees nothing here
}

// Each call of the log, as a line of its own.
std::vector<std::string> g_logCalls;
void RecordLogCall(const char* text, size_t length) { g_logCalls.emplace_back(text, length); }

// A failed load is logged as its heading, then the system's text as a
// line of its own: joined, a long path and a long text would pass the
// log's line limit together and both would be lost.
TEST_F(AccessTest, TheSystemsTextIsALogLineOfItsOwn) {
  From("nowhere");
  g_logCalls.clear();
  SetLogSink(RecordLogCall);
  EXPECT_EQ(app.RunAccess(), AccessOutcome::NotLoaded);
  SetLogSink(CaptureEngineLog);
  size_t heading = 0;
  while (heading < g_logCalls.size() && g_logCalls[heading].compare(0, 12, "Cannot load ") != 0) ++heading;
  ASSERT_LT(heading + 1, g_logCalls.size());
  const std::string& line = g_logCalls[heading];
  EXPECT_EQ(line.substr(line.size() - 12), "access.dll:\n");
  EXPECT_FALSE(g_logCalls[heading + 1].empty());  // the system's text
}

TEST_F(AccessTest, TheDeveloperSwitchSkipsTheModule) {
  HKEY key;
  ASSERT_EQ(RegCreateKeyExA(HKEY_CURRENT_USER, kDeveloperKey, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key, nullptr),
            ERROR_SUCCESS);
  const DWORD one = 1;
  RegSetValueExA(key, "SkipAccess", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&one), sizeof one);
  RegCloseKey(key);
  From("nowhere");
  EXPECT_EQ(app.RunAccess(), AccessOutcome::Success);
  ASSERT_EQ(app.boxes.size(), 1u);
  EXPECT_EQ(app.boxes[0].text, "Registry flag \"SkipAccess\" set to 1");
  EXPECT_EQ(Product("UserName"), "devuser");
  EXPECT_EQ(ReadProductDword(HKEY_CURRENT_USER, 12, "AccessDllStatus"), 1u);
}

}  // namespace
