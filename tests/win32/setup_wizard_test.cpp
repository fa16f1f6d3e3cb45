// The wizard pages and the maintenance choice under Wine, each run modally
// and worked from inside its own message loop: the texts they show, the
// directory page's space figures, refusals and questions, what an accepted
// directory leaves in the registry and the tokens, the commentary's calls to
// the player, and the options of the choice.
#include <gtest/gtest.h>

#include <cctype>
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

#include "core/wizard/dest_dir_rules.h"
#include "engine_app.h"
#include "setup/dialogs/choice_dlg.h"
#include "setup/dialogs/dest_dir_dlg.h"
#include "setup/dialogs/folder_browser_dlg.h"
#include "setup/dialogs/intro_dlg.h"
#include "setup/player/player_abi.h"
#include "setup/res/resource.h"

namespace {

constexpr UINT kAct = WM_APP + 9;

// A dialog that runs its acts once it is up, one posted message each, from
// its own message loop; an act that ended the dialog stops the rest.
template <class Dialog>
class Acting : public Dialog {
 public:
  using Act = std::function<void(Acting&)>;
  template <class... Args>
  explicit Acting(std::vector<Act> acts, Args&&... args)
      : Dialog(std::forward<Args>(args)...), m_acts(std::move(acts)) {}

  BOOL OnInitDialog() override {
    Dialog::OnInitDialog();
    this->PostMessage(kAct);
    return TRUE;
  }
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
    if (message != kAct) return Dialog::WindowProc(message, wParam, lParam);
    if (m_next < m_acts.size()) m_acts[m_next++](*this);
    if (m_next < m_acts.size() && this->m_hWnd) this->PostMessage(kAct);
    return 0;
  }

  std::string Text(int id) const {
    char text[1024] = "";
    ::GetDlgItemTextA(this->m_hWnd, id, text, sizeof text);
    return text;
  }
  void Type(int id, const std::string& text) { ::SetDlgItemTextA(this->m_hWnd, id, text.c_str()); }
  void Press(int id) { this->SendMessage(WM_COMMAND, static_cast<WPARAM>(id), 0); }
  std::string Caption() const {
    char text[256] = "";
    ::GetWindowTextA(this->m_hWnd, text, sizeof text);
    return text;
  }
  size_t ActsRun() const { return m_next; }

 private:
  std::vector<Act> m_acts;
  size_t m_next = 0;
};

using Intro = Acting<CIntroDlg>;
using DestDir = Acting<CDestDirDlg>;
using Choice = Acting<CChoiceDlg>;

// Stands in for the player library: counts the calls and says what it is
// told to.
class WizardApp : public EngineApp {
 public:
  struct Open {
    HWND owner;
    UINT flags;
    std::string path;
    int number;
    UINT controlId;
  };
  int OpenQRMPlayer(CWnd* owner, UINT flags, const std::string& path, int number, UINT controlId) override {
    opens.push_back({owner ? owner->GetSafeHwnd() : nullptr, flags, path, number, controlId});
    return openResult;
  }
  void CloseQRMPlayer() override { ++closes; }

  std::vector<Open> opens;
  int closes = 0;
  int openResult = 1;
};

std::string RegMainDir(HKEY root) {
  std::string value;
  return ReadProductString(root, IDS_PRODUCT_KEY, "MainDir", value) ? value : "none";
}

void ClearWizardRegistry() {
  ClearSetupRegistry();
  SHDeleteKeyA(HKEY_LOCAL_MACHINE, "Software\\CorvaneNetwork");
}

// A drive letter of this type, or 0 when the prefix has none.
char DriveOfType(UINT type) {
  for (char letter = 'A'; letter <= 'Z'; ++letter) {
    const char root[] = {letter, ':', '\\', '\0'};
    if (GetDriveTypeA(root) == type) return letter;
  }
  return 0;
}

// The free space of a root as the page should show it.
std::string ExpectedFreeText(const char* root) {
  DWORD spc = 0, bps = 0, freeClusters = 0, clusters = 0;
  if (!GetDiskFreeSpaceA(root, &spc, &bps, &freeClusters, &clusters)) return "0.0 MB";
  const unsigned long long bytes = 1ull * spc * bps * freeClusters;
  char text[64];
  snprintf(text, sizeof text, "%llu.%llu MB", bytes / 1000000, bytes % 1000000 / 100000);
  return text;
}

class Wizard : public ::testing::Test {
 protected:
  Wizard() : dir("wizard") {
    ClearWizardRegistry();
    app.m_tokens.Set(tok::SETUP_CFG, dir / "setup.cfg");
    app.InitTokens();
    WriteTextFile(dir / "speech.wav", "RIFF");
  }
  ~Wizard() override { ClearWizardRegistry(); }
  void Cfg(const std::string& text) { WriteTextFile(dir / "setup.cfg", text); }
  // Whether the last box said this, with this type.
  bool LastBox(const std::string& text, UINT style) const {
    return !app.boxes.empty() && app.boxes.back().text == text && app.boxes.back().style == style;
  }
  ScratchDir dir;
  WizardApp app;
};

// --- the introduction page ---

TEST_F(Wizard, IntroShowsTheCfgTextWithLineBreaksCutAt255) {
  Cfg("[Misc]\nIntro Text=Line one^^Line three\n");
  std::string shown, caption;
  Intro page({[&](Intro& p) {
    shown = p.Text(IDC_INTRO_TEXT);
    caption = p.Caption();
    p.Press(IDOK);
  }});
  EXPECT_EQ(page.DoModal(), IDOK);
  EXPECT_EQ(shown, "Line one\n\nLine three");
  EXPECT_EQ(caption, "Vantora Installation");

  Cfg("[Misc]\nIntro Text=" + std::string(250, 'x') + "^^^^^end\n");
  Intro longer({[&](Intro& p) {
    shown = p.Text(IDC_INTRO_TEXT);
    p.Press(IDCANCEL);
  }});
  EXPECT_EQ(longer.DoModal(), IDCANCEL);
  EXPECT_EQ(shown, std::string(250, 'x') + "\n\n\n\n\n");
}

TEST_F(Wizard, IntroWithoutTextShowsTheProgramsOwn) {
  Cfg("[Misc]\nIntro Text=\n");
  std::string shown;
  Intro page({[&](Intro& p) {
    shown = p.Text(IDC_INTRO_TEXT);
    p.Press(IDCANCEL);
  }});
  EXPECT_EQ(page.DoModal(), IDCANCEL);
  EXPECT_EQ(shown, LoadResString(IDS_INTRO_DEFAULT));
  EXPECT_EQ(shown.rfind("Vantora provides a top-quality, easy-to-use Internet connection.", 0), 0u);
  EXPECT_NE(shown.find("\n\nHere's what you need:\n\n    - Windows 95 (you may need the original diskettes/CD)\n"),
            std::string::npos);
  EXPECT_EQ(shown.substr(shown.size() - 40), "\n    - A credit card (for a new account)");
}

// --- the commentary ---

TEST_F(Wizard, WithoutMultimediaNoPageCallsThePlayer) {
  Cfg("[Multimedia]\nIntro=" + (dir / "speech.wav") + "\nDir=" + (dir / "speech.wav") + "\n");
  app.m_bMultimedia = false;
  Intro intro({[](Intro& p) { p.Press(IDOK); }});
  intro.DoModal();
  DestDir dest({[](DestDir& p) { p.Press(IDCANCEL); }});
  dest.DoModal();
  EXPECT_TRUE(app.opens.empty());
  EXPECT_EQ(app.closes, 0);
  EXPECT_EQ(EngineLog(), "");
}

TEST_F(Wizard, CommentaryOpensThePlayerAndClosesItOnNextAndOnCancel) {
  Cfg("[Multimedia]\nIntro=" + (dir / "speech.wav") + "\nDir=" + (dir / "dir.wav") + "\n");
  WriteTextFile(dir / "dir.wav", "RIFF");
  app.m_bMultimedia = true;
  HWND introWnd = nullptr;
  int closesWhileUp = -1;
  Intro intro({[&](Intro& p) {
    introWnd = p.m_hWnd;
    closesWhileUp = app.closes;
    EXPECT_TRUE(p.PlayerOpen());
    p.Press(IDOK);
  }});
  EXPECT_EQ(intro.DoModal(), IDOK);
  ASSERT_EQ(app.opens.size(), 1u);
  EXPECT_EQ(app.opens[0].owner, introWnd);
  EXPECT_EQ(app.opens[0].flags, 0x4022u);
  EXPECT_EQ(app.opens[0].path, dir / "speech.wav");
  EXPECT_EQ(app.opens[0].number, 103);
  EXPECT_EQ(app.opens[0].controlId, 1006u);
  EXPECT_EQ(closesWhileUp, 0);
  EXPECT_EQ(app.closes, 1);

  DestDir dest({[](DestDir& p) { p.Press(IDCANCEL); }});
  EXPECT_EQ(dest.DoModal(), IDCANCEL);
  ASSERT_EQ(app.opens.size(), 2u);
  EXPECT_EQ(app.opens[1].path, dir / "dir.wav");
  EXPECT_EQ(app.closes, 2);
  EXPECT_EQ(EngineLog(), "");
}

TEST_F(Wizard, CommentaryFailuresAreLoggedAndCloseNothing) {
  app.m_bMultimedia = true;
  Cfg("[Multimedia]\nDir=" + (dir / "speech.wav") + "\n");  // no "Intro"
  Intro noEntry({[](Intro& p) { p.Press(IDOK); }});
  EXPECT_EQ(noEntry.DoModal(), IDOK);
  EXPECT_EQ(EngineLog(), "DirDlg: Entry not found in setup.cfg");

  EngineLog().clear();
  Cfg("[Multimedia]\nIntro=" + (dir / "gone.wav") + "\n");
  Intro noFile({[](Intro& p) { p.Press(IDCANCEL); }});
  noFile.DoModal();
  EXPECT_EQ(EngineLog(), "DirDlg: Speach file " + (dir / "gone.wav") + ". File not found\n");
  EXPECT_TRUE(app.opens.empty());

  EngineLog().clear();
  app.openResult = 0;
  Cfg("[Multimedia]\nDir=" + (dir / "speech.wav") + "\n");
  DestDir refused({[](DestDir& p) {
    EXPECT_FALSE(p.PlayerOpen());
    p.Press(IDCANCEL);
  }});
  refused.DoModal();
  EXPECT_EQ(app.opens.size(), 1u);
  EXPECT_EQ(EngineLog(), "DirDlg: Cannot open the player\n");
  EXPECT_EQ(app.closes, 0);
}

// --- the destination directory page ---

TEST_F(Wizard, DestShowsTheRequiredAndTheFreeSpace) {
  Cfg("[Misc]\nReqFreeSpace=7\n");
  std::string required, available, shownDir, caption, oneChar;
  unsigned long oneCharMb = 99;
  DestDir page({[&](DestDir& p) {
    caption = p.Caption();
    shownDir = p.Text(IDC_DEST_DIR);
    required = p.Text(IDC_DEST_REQUIRED);
    available = p.Text(IDC_DEST_AVAILABLE);
    p.Type(IDC_DEST_DIR, "c");
    oneCharMb = p.UpdateFreeSpace();
    oneChar = p.Text(IDC_DEST_AVAILABLE);
    p.Press(IDCANCEL);
  }});
  EXPECT_EQ(page.DoModal(), IDCANCEL);
  EXPECT_EQ(caption, "Vantora Installation");
  EXPECT_EQ(shownDir, app.m_tokens.Get(tok::MAIN_DIR));
  EXPECT_EQ(required, "7.0 MB");
  EXPECT_EQ(available, ExpectedFreeText("c:\\"));
  EXPECT_NE(available, "0.0 MB");
  EXPECT_EQ(oneChar, "0.0 MB");
  EXPECT_EQ(oneCharMb, 0u);
}

TEST_F(Wizard, DestRefusesAnEmptyDirectoryAndAMissingDrive) {
  const char missing = DriveOfType(DRIVE_NO_ROOT_DIR);
  ASSERT_NE(missing, 0);
  const std::string missingDir = std::string(1, static_cast<char>(missing + ('a' - 'A'))) + ":\\vantora";
  std::vector<std::string> kept;
  HWND pageWnd = nullptr;
  DestDir page({[&](DestDir& p) {
                  pageWnd = p.m_hWnd;
                  p.Type(IDC_DEST_DIR, "");
                  p.Press(IDOK);
                },
                [&](DestDir& p) {
                  EXPECT_TRUE(LastBox("Please enter the Vantora directory.", MB_ICONSTOP));
                  p.Type(IDC_DEST_DIR, missingDir);
                  p.Press(IDOK);
                },
                [&](DestDir& p) {
                  kept.push_back(p.Text(IDC_DEST_DIR));
                  p.Press(IDCANCEL);
                }});
  EXPECT_EQ(page.DoModal(), IDCANCEL);
  EXPECT_EQ(page.ActsRun(), 3u);  // both refusals kept the page open
  ASSERT_EQ(app.boxes.size(), 2u);
  EXPECT_EQ(app.boxes[1].text, std::string("The drive \"") + missing + ":\" you have chosen is not valid:\n"
                                   "The root directory does not exist.\n\nClick \"Ok\" and fix the problem.");
  EXPECT_EQ(app.boxes[1].style, static_cast<UINT>(MB_ICONSTOP));
  EXPECT_EQ(app.boxes[1].owner, pageWnd);  // the page owns its warnings
  EXPECT_EQ(kept, std::vector<std::string>{missingDir});
  EXPECT_EQ(RegMainDir(HKEY_CURRENT_USER), "none");
}

// A CD-ROM drive, when the prefix has one (the end-to-end run maps one).
TEST_F(Wizard, DestRefusesACdRomDrive) {
  const char cd = DriveOfType(DRIVE_CDROM);
  if (!cd) GTEST_SKIP() << "no CD-ROM drive in this prefix";
  DestDir page({[&](DestDir& p) {
                  p.Type(IDC_DEST_DIR, std::string(1, cd) + ":\\vantora");
                  p.Press(IDOK);
                },
                [](DestDir& p) { p.Press(IDCANCEL); }});
  EXPECT_EQ(page.DoModal(), IDCANCEL);
  ASSERT_EQ(app.boxes.size(), 1u);
  EXPECT_EQ(app.boxes[0].text, std::string("The drive \"") + cd + ":\" you have chosen is not valid:\n"
                                   "The drive is a CD-ROM drive.\n\nClick \"Ok\" and fix the problem.");
  EXPECT_EQ(app.boxes[0].style, static_cast<UINT>(MB_ICONSTOP));
}

// A removable drive is questioned, not refused (the end-to-end run maps a
// floppy drive).
TEST_F(Wizard, DestQuestionsARemovableDrive) {
  const char floppy = DriveOfType(DRIVE_REMOVABLE);
  if (!floppy) GTEST_SKIP() << "no removable drive in this prefix";
  Cfg("[Misc]\nReqFreeSpace=0\n");
  const std::string target = std::string(1, floppy) + ":\\vantora";
  app.answers = {IDNO};
  DestDir page({[&](DestDir& p) {
                  p.Type(IDC_DEST_DIR, target);
                  p.Press(IDOK);  // No: stays
                },
                [](DestDir& p) { p.Press(IDCANCEL); }});
  EXPECT_EQ(page.DoModal(), IDCANCEL);
  ASSERT_EQ(app.boxes.size(), 1u);
  EXPECT_EQ(app.boxes[0].text, std::string("The drive \"") + floppy + ":\" you have chosen is not valid:\n"
                                   "The drive is removable (floppy?) drive.\n\nAre you sure you want to use it?");
  EXPECT_EQ(app.boxes[0].style, static_cast<UINT>(MB_YESNO | MB_ICONEXCLAMATION));
}

TEST_F(Wizard, DestQuestionsDriveRootsAndSystemPlaces) {
  std::vector<std::string> asked;
  const std::string windowsNet = app.m_tokens.Get(tok::WINDOWS) + "\\net";
  app.answers = {IDNO, IDNO, IDNO, IDNO};
  std::vector<std::string> places = {"c:\\", "c:", windowsNet, "c:\\oldbackups\\net"};
  std::vector<DestDir::Act> acts;
  for (const std::string& place : places)
    acts.push_back([place](DestDir& p) {
      p.Type(IDC_DEST_DIR, place);
      p.Press(IDOK);
    });
  acts.push_back([](DestDir& p) { p.Press(IDCANCEL); });
  DestDir page(acts);
  EXPECT_EQ(page.DoModal(), IDCANCEL);
  ASSERT_EQ(app.boxes.size(), places.size());
  for (size_t i = 0; i < places.size(); ++i) {
    EXPECT_EQ(app.boxes[i].text, "You have chosen the destination directory:\n\"" + UpperAscii(places[i]) +
                                     "\"\nThis is strongly NOT recommended.\nAre you sure you want to use it?");
    EXPECT_EQ(app.boxes[i].style, static_cast<UINT>(MB_YESNO | MB_ICONEXCLAMATION));
  }
  EXPECT_EQ(RegMainDir(HKEY_CURRENT_USER), "none");
}

TEST_F(Wizard, DestRefusesADriveWithoutEnoughSpace) {
  Cfg("[Misc]\nReqFreeSpace=999999\n");
  std::string shown;
  DestDir page({[&](DestDir& p) {
                  p.Type(IDC_DEST_DIR, dir / "new");
                  p.Press(IDOK);
                },
                [&](DestDir& p) {
                  shown = p.Text(IDC_DEST_DIR);
                  p.Press(IDCANCEL);
                }});
  EXPECT_EQ(page.DoModal(), IDCANCEL);
  ASSERT_EQ(app.boxes.size(), 1u);
  EXPECT_TRUE(LastBox("You don't have enough free space on selected drive.", MB_OK));
  EXPECT_EQ(shown, dir / "new");
}

TEST_F(Wizard, DestFirstInstallAsksBeforeOverwritingAndRecordsTheDirectory) {
  Cfg("[Misc]\nReqFreeSpace=1\n");
  CreateDirectoryA((dir / "Vantora").c_str(), nullptr);
  app.answers = {IDNO, IDYES};
  std::string afterNo;
  DestDir page({[&](DestDir& p) {
                  p.Type(IDC_DEST_DIR, dir / "Vantora\\");
                  p.Press(IDOK);  // No: stays
                },
                [&](DestDir& p) {
                  afterNo = p.Text(IDC_DEST_DIR);
                  p.Press(IDOK);  // Yes
                }});
  EXPECT_EQ(page.DoModal(), IDOK);
  ASSERT_EQ(app.boxes.size(), 2u);
  EXPECT_EQ(app.boxes[0].text, "The destination directory exists. Overwrite?");
  EXPECT_EQ(app.boxes[0].style, static_cast<UINT>(MB_YESNO | MB_ICONQUESTION));
  EXPECT_EQ(afterNo, dir / "Vantora");  // the trailing backslash went at the first Next
  EXPECT_EQ(page.m_strDir, dir / "Vantora");
  EXPECT_EQ(RegMainDir(HKEY_CURRENT_USER), dir / "Vantora");
  EXPECT_EQ(RegMainDir(HKEY_LOCAL_MACHINE), dir / "Vantora");
  EXPECT_EQ(app.m_tokens.Get(tok::MAIN_DIR), dir / "Vantora");
  EXPECT_EQ(app.m_tokens.Get(tok::ACCESS_DIR), dir / "Vantora\\access");

  // A directory that is not there yet is taken without a question.
  app.boxes.clear();
  DestDir fresh({[&](DestDir& p) {
    p.Type(IDC_DEST_DIR, dir / "fresh");
    p.Press(IDOK);
  }});
  EXPECT_EQ(fresh.DoModal(), IDOK);
  EXPECT_TRUE(app.boxes.empty());
  EXPECT_EQ(RegMainDir(HKEY_LOCAL_MACHINE), dir / "fresh");
}

TEST_F(Wizard, DestReinstallElsewhereAsksAndNoPutsThePreviousDirectoryBack) {
  Cfg("[Misc]\nReqFreeSpace=1\n");
  const std::string old = dir / "Old";
  WriteProductString(HKEY_CURRENT_USER, IDS_PRODUCT_KEY, "MainDir", old.c_str());
  app.InitTokens();
  app.m_bInstalled = true;
  const char* question =
      "You have choosen to reinstall 'Vantora' to a directory, different from the previous installation. "
      "Do you want to continue?";

  app.answers = {IDCANCEL};
  DestDir cancelled({[&](DestDir& p) {
    p.Type(IDC_DEST_DIR, dir / "New");
    p.Press(IDOK);
  }});
  EXPECT_EQ(cancelled.DoModal(), IDCANCEL);
  EXPECT_TRUE(LastBox(question, MB_YESNOCANCEL | MB_ICONQUESTION));
  EXPECT_EQ(RegMainDir(HKEY_CURRENT_USER), old);

  app.answers = {IDNO, IDYES};
  std::string afterNo;
  DestDir page({[&](DestDir& p) {
                  p.Type(IDC_DEST_DIR, dir / "New");
                  p.Press(IDOK);
                },
                [&](DestDir& p) {
                  afterNo = p.Text(IDC_DEST_DIR);
                  p.Type(IDC_DEST_DIR, dir / "New");
                  p.Press(IDOK);
                }});
  EXPECT_EQ(page.DoModal(), IDOK);
  EXPECT_EQ(afterNo, old);
  EXPECT_EQ(app.boxes.size(), 3u);
  EXPECT_EQ(RegMainDir(HKEY_CURRENT_USER), dir / "New");
  EXPECT_EQ(RegMainDir(HKEY_LOCAL_MACHINE), dir / "New");
  EXPECT_EQ(app.m_tokens.Get(tok::MAIN_DIR), dir / "New");

  // The same directory in other letters: no question, even though it exists.
  CreateDirectoryA((dir / "New").c_str(), nullptr);
  app.boxes.clear();
  app.m_bInstalled = false;
  app.m_bReinstall = true;
  DestDir same({[&](DestDir& p) {
    p.Type(IDC_DEST_DIR, UpperAscii(dir / "New"));
    p.Press(IDOK);
  }});
  EXPECT_EQ(same.DoModal(), IDOK);
  EXPECT_TRUE(app.boxes.empty());
}

// Two drives with their own free space: after "No" to the reinstall
// question the page shows the space of the previous directory's drive.
class TwoDrivesDest : public CDestDirDlg {
 public:
  uint64_t DiskFreeBytes(const std::string& root) override {
    return toupper(static_cast<unsigned char>(root[0])) == 'C' ? 900000000u : 40000000u;
  }
};

TEST_F(Wizard, DestReinstallNoShowsThePreviousDrivesSpace) {
  Cfg("[Misc]\nReqFreeSpace=1\n");
  WriteProductString(HKEY_CURRENT_USER, IDS_PRODUCT_KEY, "MainDir", "C:\\Old Vantora");
  app.InitTokens();
  app.m_bInstalled = true;
  app.answers = {IDNO};
  std::string after, shownDir;
  Acting<TwoDrivesDest> page({[&](Acting<TwoDrivesDest>& p) {
                                p.Type(IDC_DEST_DIR, "Z:\\Elsewhere\\Vantora");
                                p.Press(IDOK);
                              },
                              [&](Acting<TwoDrivesDest>& p) {
                                after = p.Text(IDC_DEST_AVAILABLE);
                                shownDir = p.Text(IDC_DEST_DIR);
                                p.Press(IDCANCEL);
                              }});
  EXPECT_EQ(page.DoModal(), IDCANCEL);
  EXPECT_EQ(app.boxes.size(), 1u);
  EXPECT_EQ(shownDir, "C:\\Old Vantora");
  EXPECT_EQ(after, "900.0 MB");
}

TEST_F(Wizard, DestBrowseTakesTheChosenFolder) {
  std::string shown, available;
  DestDir page({[](DestDir& p) { p.PostMessage(WM_COMMAND, IDC_DEST_BROWSE, 0); },
                [](DestDir&) {
                  // Runs inside the browser's loop: pick drive c: and press OK.
                  HWND browser = FindWindowA("#32770", "Select a folder...");
                  ASSERT_NE(browser, nullptr);
                  HWND tree = GetDlgItem(browser, 1006);
                  HTREEITEM root = TreeView_GetRoot(tree);
                  for (HTREEITEM c = TreeView_GetChild(tree, root); c; c = TreeView_GetNextSibling(tree, c)) {
                    if (CFolderBrowserDlg::ItemText(tree, c) == "c:") TreeView_SelectItem(tree, c);
                  }
                  SendMessageA(browser, WM_COMMAND, IDOK, 0);
                },
                [&](DestDir& p) {
                  shown = p.Text(IDC_DEST_DIR);
                  available = p.Text(IDC_DEST_AVAILABLE);
                  p.Press(IDCANCEL);
                }});
  EXPECT_EQ(page.DoModal(), IDCANCEL);
  EXPECT_EQ(shown, "c:\\");
  EXPECT_EQ(page.m_strDir, "c:\\");
  EXPECT_EQ(available, ExpectedFreeText("c:\\"));
}

// --- the maintenance choice ---

struct ButtonState {
  bool visible, enabled, checked;
  std::string caption;
};

ButtonState Button(HWND dialog, int id) {
  HWND b = GetDlgItem(dialog, id);
  char text[128] = "";
  GetWindowTextA(b, text, sizeof text);
  return {(GetWindowLongA(b, GWL_STYLE) & WS_VISIBLE) != 0, IsWindowEnabled(b) != FALSE,
          SendMessageA(b, BM_GETCHECK, 0, 0) == BST_CHECKED, text};
}

std::string DescriptionOf(UINT id) {
  const std::string text = LoadResString(id);
  return text.substr(text.find('^') + 1);
}

TEST_F(Wizard, ChoiceOffersThreeOptionsAndTheDescriptionFollowsTheClick) {
  std::vector<ButtonState> buttons;
  std::string heading, first, afterClick, caption;
  bool firstChecked = false, secondChecked = true;
  Choice dlg({[&](Choice& d) {
                caption = d.Caption();
                heading = d.Text(IDC_CHOICE_HEADING);
                first = d.Text(IDC_CHOICE_DESCRIPTION);
                for (int id = 1012; id <= 1016; ++id) buttons.push_back(Button(d.m_hWnd, id));
                SendMessageA(d.GetDlgItem(1014), BM_CLICK, 0, 0);
              },
              [&](Choice& d) {
                afterClick = d.Text(IDC_CHOICE_DESCRIPTION);
                firstChecked = Button(d.m_hWnd, 1012).checked;
                SendMessageA(d.GetDlgItem(1013), BM_CLICK, 0, 0);
                SendMessageA(d.GetDlgItem(1014), BM_CLICK, 0, 0);
                secondChecked = Button(d.m_hWnd, 1013).checked;
                d.Press(IDOK);
              }},
             IDS_CHOICE_HEAD_INSTALLED, nullptr, IDS_CHOICE_ADDITIONAL, IDS_CHOICE_ACCOUNT, IDS_CHOICE_REINSTALL);
  EXPECT_EQ(dlg.Choose(), 2);
  EXPECT_EQ(caption, "Vantora Setup");
  EXPECT_EQ(heading, LoadResString(IDS_CHOICE_HEAD_INSTALLED));
  EXPECT_EQ(first, DescriptionOf(IDS_CHOICE_ADDITIONAL));
  ASSERT_EQ(buttons.size(), 5u);
  EXPECT_EQ(buttons[0].caption, "&Install Additional Software");
  EXPECT_EQ(buttons[1].caption, "Corvane &Account Setup");
  EXPECT_EQ(buttons[2].caption, "&Reinstall Vantora");
  for (int i = 0; i < 3; ++i) EXPECT_TRUE(buttons[i].visible && buttons[i].enabled) << i;
  for (int i = 3; i < 5; ++i) EXPECT_FALSE(buttons[i].visible || buttons[i].enabled) << i;
  EXPECT_TRUE(buttons[0].checked);
  EXPECT_FALSE(buttons[1].checked || buttons[2].checked);
  EXPECT_EQ(afterClick, DescriptionOf(IDS_CHOICE_REINSTALL));
  EXPECT_FALSE(firstChecked);
  EXPECT_FALSE(secondChecked);
}

TEST_F(Wizard, ChoiceWithTwoOptionsQuitsWithMinusOne) {
  std::vector<ButtonState> buttons;
  std::string description;
  Choice quit({[&](Choice& d) {
                 for (int id = 1012; id <= 1016; ++id) buttons.push_back(Button(d.m_hWnd, id));
                 SendMessageA(d.GetDlgItem(1013), BM_CLICK, 0, 0);
               },
               [&](Choice& d) {
                 description = d.Text(IDC_CHOICE_DESCRIPTION);
                 d.Press(IDCANCEL);
               }},
              IDS_CHOICE_HEAD_NOACCOUNT, nullptr, IDS_CHOICE_ACCOUNT, IDS_CHOICE_REINSTALL);
  EXPECT_EQ(quit.Choose(), -1);
  ASSERT_EQ(buttons.size(), 5u);
  EXPECT_TRUE(buttons[0].visible && buttons[1].visible);
  for (int i = 2; i < 5; ++i) EXPECT_FALSE(buttons[i].visible || buttons[i].enabled) << i;
  EXPECT_EQ(description, DescriptionOf(IDS_CHOICE_REINSTALL));

  // Closed by its system menu.
  Choice closed({[](Choice& d) { d.SendMessage(WM_SYSCOMMAND, SC_CLOSE, 0); }}, IDS_CHOICE_HEAD_NOACCOUNT,
                nullptr, IDS_CHOICE_ACCOUNT, IDS_CHOICE_REINSTALL);
  EXPECT_EQ(closed.Choose(), -1);

  Choice ok({[](Choice& d) { d.Press(IDOK); }}, IDS_CHOICE_HEAD_NOACCOUNT, nullptr, IDS_CHOICE_ACCOUNT,
            IDS_CHOICE_REINSTALL);
  EXPECT_EQ(ok.Choose(), 0);
}

// --- pictures of the pages, for the end-to-end run (VT_WIZARD_SHOTS set) ---

// Shows and paints the dialog, says "SCREENSHOT name" and waits until the picture is
// taken (name.done).
// Shows the page, asks for its picture and waits for it: true when the
// page was up, on the screen, and the picture was taken.
bool Screenshot(HWND dialog, const char* name) {
  // A dialog without the visible style shows when its loop first idles,
  // which is after this act.
  ShowWindow(dialog, SW_SHOW);
  RedrawWindow(dialog, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN);
  RECT rc{}, screen{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)}, inside{};
  GetWindowRect(dialog, &rc);
  const bool onScreen = IsWindowVisible(dialog) && IntersectRect(&inside, &rc, &screen) && EqualRect(&inside, &rc);
  const std::string done = std::string(name) + ".done";
  printf("SCREENSHOT %s\n", name);
  fflush(stdout);
  for (int i = 0; i < 1000 && GetFileAttributesA(done.c_str()) == INVALID_FILE_ATTRIBUTES; ++i) Sleep(10);
  return onScreen && GetFileAttributesA(done.c_str()) != INVALID_FILE_ATTRIBUTES;
}

TEST_F(Wizard, Pictures) {
  if (!getenv("VT_WIZARD_SHOTS")) GTEST_SKIP() << "pictures only in the end-to-end run";
  Cfg("[Misc]\nReqFreeSpace=15\n");
  app.m_tokens.Set(tok::MAIN_DIR, "c:\\Corvane");
  std::vector<std::string> taken;
  std::string destShown, choiceChecked;
  Intro intro({[&](Intro& p) {
    if (Screenshot(p.m_hWnd, "wizard_intro")) taken.push_back("intro");
    p.Press(IDOK);
  }});
  EXPECT_EQ(intro.DoModal(), IDOK);
  DestDir dest({[&](DestDir& p) {
    destShown = p.Text(IDC_DEST_DIR);
    if (Screenshot(p.m_hWnd, "wizard_destination")) taken.push_back("destination");
    p.Press(IDCANCEL);
  }});
  EXPECT_EQ(dest.DoModal(), IDCANCEL);
  Choice choice({[&](Choice& d) {
                   SendMessageA(d.GetDlgItem(1013), BM_CLICK, 0, 0);
                   if (IsDlgButtonChecked(d.m_hWnd, 1013) == BST_CHECKED) choiceChecked = "1013";
                   if (Screenshot(d.m_hWnd, "wizard_choice")) taken.push_back("choice");
                   d.Press(IDCANCEL);
                 }},
                IDS_CHOICE_HEAD_INSTALLED, nullptr, IDS_CHOICE_ADDITIONAL, IDS_CHOICE_ACCOUNT, IDS_CHOICE_REINSTALL);
  choice.Choose();
  EXPECT_EQ(taken, (std::vector<std::string>{"intro", "destination", "choice"}));
  EXPECT_EQ(destShown, "c:\\Corvane");
  EXPECT_EQ(choiceChecked, "1013");  // the picture shows the option picked
}

}  // namespace
