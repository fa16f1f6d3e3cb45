// The media player binding under Wine: the multimedia modes and the repeat
// record, libraries that cannot be used, and the two movie dialogs with the
// sample player and the demo media.
//
// The setup program loads "QRMPlay.dll" by name. Nothing of that name lies
// beside this test program, so each test picks its library by making the
// folder that holds it the current directory; every test releases the
// player again, or the next LoadLibrary would find the old one loaded.
#include <gtest/gtest.h>
#include <windows.h>
#include <mmsystem.h>

#include <cstdio>
#include <functional>
#include <map>
#include <string>

#include "core/media/movie_file.h"
#include "engine_app.h"
#include "setup/dialogs/intro_movie_dlg.h"
#include "setup/dialogs/logo_movie_dlg.h"
#include "setup/player/player_abi.h"

namespace {

std::string Product(const char* name) {
  std::string value;
  return ReadProductString(HKEY_CURRENT_USER, 12, name, value) ? value : "none";
}

// Calls made from inside a modal loop: thread timers, which every message
// loop dispatches, so that they work whatever dialog is up.
std::map<UINT_PTR, std::function<void()>>& Pending() {
  static std::map<UINT_PTR, std::function<void()>> pending;
  return pending;
}
void CALLBACK Fire(HWND, UINT, UINT_PTR id, DWORD) {
  KillTimer(nullptr, id);
  auto found = Pending().find(id);
  if (found == Pending().end()) return;
  const std::function<void()> act = found->second;
  Pending().erase(found);
  act();
}
void After(UINT ms, std::function<void()> act) { Pending()[SetTimer(nullptr, 0, ms, Fire)] = std::move(act); }
void CancelPending() {
  for (const auto& entry : Pending()) KillTimer(nullptr, entry.first);
  Pending().clear();
}

// The sample player's picture window inside a dialog, or NULL.
HWND PlayerView(HWND dialog) {
  for (HWND child = GetWindow(dialog, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
    char name[64] = "";
    GetClassNameA(child, name, sizeof name);
    if (std::string(name) == "VtQrmPlayView") return child;
  }
  return nullptr;
}

RECT ChildRect(HWND dialog, HWND child) {
  RECT rc;
  GetWindowRect(child, &rc);
  MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&rc), 2);
  return rc;
}

class Player : public ::testing::Test {
 protected:
  Player() : dir("player") {
    ClearSetupRegistry();
    GetCurrentDirectoryA(MAX_PATH, m_cwd);
    app.Install(dir / "cd", "c:\\Corvane");
    app.m_tokens.Set(tok::SETUP_CFG, dir / "cd\\setup.cfg");
    CreatePath(dir / "cd\\Media");
    for (const char* name : {"logo.vtm", "intro.vtm", "dir.wav"})
      CopyFileA((FromLinux(VT_DEMO_SETUP) + "\\Media\\" + name).c_str(), Media(name).c_str(), FALSE);
  }
  ~Player() override {
    CancelPending();
    app.ReleasePlayer();
    SetCurrentDirectoryA(m_cwd);
    ClearSetupRegistry();
  }
  void Cfg(const char* mode, const std::string& multimedia = "") {
    WriteTextFile(dir / "cd\\setup.cfg",
                  std::string("[MultiMedia]\nMultiMedia=") + mode + "\nMediaPath=Media\n" + multimedia);
  }
  void PlayerFrom(const char* variant) {
    ASSERT_TRUE(SetCurrentDirectoryA((FromLinux(VT_TEST_MODULES) + "\\" + variant).c_str()));
  }
  void NoPlayer() { ASSERT_TRUE(SetCurrentDirectoryA(dir.path().c_str())); }
  std::string Media(const std::string& name) { return dir / ("cd\\Media\\" + name); }
  // Starts the sample player in mode 1.
  void Ready(const std::string& multimedia) {
    Cfg("1", multimedia);
    PlayerFrom("player_sample");
    ASSERT_EQ(app.InitPlayer(), 1);
  }
  bool Loaded() const { return GetModuleHandleA("QRMPlay.dll") != nullptr; }

  ScratchDir dir;
  EngineApp app;
  char m_cwd[MAX_PATH] = "";
};

TEST_F(Player, ModeZeroAndAMissingLibraryLeaveTheMediaOff) {
  Cfg("0");
  PlayerFrom("player_sample");
  EXPECT_EQ(app.InitPlayer(), 0);
  EXPECT_TRUE(app.LogHas("InitPlayer error: Multimedia is not requested in setup.cfg\n"));
  EXPECT_EQ(Product("Repeate"), "none");  // nothing read or written before the mode
  EXPECT_FALSE(Loaded());

  Cfg("1");
  NoPlayer();
  EXPECT_EQ(app.InitPlayer(), 0);
  EXPECT_TRUE(app.LogHas("InitPlayer error: LoadLibrary failed for QRMPlay.DLL\n"));
  EXPECT_FALSE(app.m_bMultimedia);
  EXPECT_EQ(app.m_hPlayer, nullptr);
  // With no library nothing plays, and closing is harmless.
  CWnd none;
  EXPECT_EQ(app.OpenQRMPlayer(&none, VT_PLAY_LOGO_MOVIE, Media("logo.vtm"), 0, VT_PLAY_FRAME), 0);
  app.CloseQRMPlayer();
}

TEST_F(Player, ModeOneNeverAsksAndKeepsTheRecord) {
  Cfg("1");
  PlayerFrom("player_sample");
  EXPECT_EQ(app.InitPlayer(), 1);
  EXPECT_TRUE(app.m_bMultimedia);
  EXPECT_TRUE(Loaded());
  EXPECT_EQ(app.m_strMediaDir, dir / "cd\\Media");
  EXPECT_EQ(Product("Repeate"), "");  // written on the first run
  app.ReleasePlayer();
  EXPECT_FALSE(app.m_bMultimedia);
  EXPECT_FALSE(Loaded());
  EXPECT_EQ(app.InitPlayer(), 1);
  EXPECT_TRUE(app.boxes.empty());
}

TEST_F(Player, ModeTwoAsksFromTheSecondRunOn) {
  Cfg("2");
  PlayerFrom("player_sample");
  EXPECT_EQ(app.InitPlayer(), 1);
  EXPECT_TRUE(app.boxes.empty());
  app.ReleasePlayer();

  app.answers = {IDNO, IDYES};
  EXPECT_EQ(app.InitPlayer(), 0);
  ASSERT_EQ(app.boxes.size(), 1u);
  EXPECT_EQ(app.boxes[0].text, "Do you want to see movie and listen to speaches again?");
  EXPECT_EQ(app.boxes[0].style, 0x24u);
  EXPECT_TRUE(app.LogHas("InitPlayer error: User doesn't want multimedia.\n"));
  EXPECT_FALSE(app.m_bMultimedia);
  EXPECT_FALSE(Loaded());  // declined before the library is loaded
  EXPECT_EQ(app.InitPlayer(), 1);
  EXPECT_EQ(app.boxes.size(), 2u);

  // A record that holds something is not the one this program writes.
  app.ReleasePlayer();
  WriteProductString(HKEY_CURRENT_USER, 12, "Repeate", "seen");
  EXPECT_EQ(app.InitPlayer(), 1);
  EXPECT_EQ(app.boxes.size(), 2u);
}

TEST_F(Player, ModeThreeNeitherReadsNorWritesTheRecord) {
  Cfg("3");
  PlayerFrom("player_sample");
  EXPECT_EQ(app.InitPlayer(), 1);
  EXPECT_EQ(Product("Repeate"), "none");
  app.ReleasePlayer();
  WriteProductString(HKEY_CURRENT_USER, 12, "Repeate", "");
  EXPECT_EQ(app.InitPlayer(), 1);
  EXPECT_TRUE(app.boxes.empty());
}

TEST_F(Player, ALibraryWithoutTheSecondOpenIsNotUsed) {
  Cfg("1");
  PlayerFrom("player_noex");
  EXPECT_EQ(app.InitPlayer(), 0);
  EXPECT_TRUE(app.LogHas("InitPlayer error: GetProcAddress failed for OpenPlayerEx\n"));
  EXPECT_FALSE(app.m_bMultimedia);
  EXPECT_FALSE(Loaded());
}

TEST_F(Player, TheLogoMoviePlaysToItsEndAndEndsTheDialog) {
  Ready("Logo=logo.vtm\n");
  CLogoMovieDlg dialog(nullptr);
  bool viewOverFrame = false, viewVisible = false;
  COLORREF middle = CLR_INVALID;
  After(1500, [&] {
    const HWND view = PlayerView(dialog.GetSafeHwnd());
    if (!view) return;
    const RECT v = ChildRect(dialog.GetSafeHwnd(), view);
    const RECT f = ChildRect(dialog.GetSafeHwnd(), GetDlgItem(dialog.GetSafeHwnd(), VT_PLAY_FRAME));
    viewOverFrame = EqualRect(&v, &f) != FALSE;
    viewVisible = IsWindowVisible(view) != FALSE;
    HDC dc = GetDC(view);
    middle = GetPixel(dc, (v.right - v.left) / 2, (v.bottom - v.top) / 2);
    ReleaseDC(view, dc);
  });
  After(20000, [&] { dialog.EndDialog(99); });  // the player never reported
  const DWORD start = GetTickCount();
  const INT_PTR result = dialog.DoModal();
  const DWORD elapsed = GetTickCount() - start;
  std::printf("logo movie dialog: %lu ms\n", static_cast<unsigned long>(elapsed));
  EXPECT_EQ(result, 1);
  EXPECT_GE(elapsed, 2700u);  // the movie lasts 2880 ms
  EXPECT_LT(elapsed, 8000u);
  EXPECT_TRUE(viewOverFrame);
  EXPECT_TRUE(viewVisible);
  // The middle of the picture at that time is the night-blue sky.
  ASSERT_NE(middle, CLR_INVALID);
  EXPECT_GT(GetBValue(middle), 70) << std::hex << middle;
  EXPECT_LT(GetRValue(middle), 60) << std::hex << middle;
  EXPECT_TRUE(app.m_bMultimedia);
  EXPECT_FALSE(app.LogHas("CLogoMovieDlg"));
}

// A player that takes the movie and never reports its end.
class SilentPlayerApp : public EngineApp {
 public:
  int OpenQRMPlayer(CWnd*, UINT, const std::string&, int, UINT) override { return 1; }
  void CloseQRMPlayer() override { ++closes; }
  int closes = 0;
};

// The guard follows the movie's own length: a long movie is given all of
// it, a silent player is let go once a short one is long over, and a movie
// of unknown length is waited for.
TEST(LogoMovieGuard, ALongLogoMovieIsWaitedForAsLongAsItPlays) {
  ScratchDir dir("logo_guard");
  CreatePath(dir / "cd");
  SilentPlayerApp app;
  app.Install(dir / "cd", "c:\\Corvane");
  app.m_tokens.Set(tok::SETUP_CFG, dir / "cd\\setup.cfg");
  app.m_strMediaDir = dir / "cd";
  MovieHeader h;
  h.width = h.height = 4;
  h.frames = 14;
  h.frameMs = 5000;  // 70 s
  h.colors = 1;
  const std::vector<uint8_t> longMovie =
      MovieEncode(h, {0}, std::vector<std::vector<uint8_t>>(14, std::vector<uint8_t>(16, 0)));
  WriteTextFile(dir / "cd\\long.vtm", std::string(longMovie.begin(), longMovie.end()));
  CopyFileA((FromLinux(VT_DEMO_SETUP) + "\\Media\\logo.vtm").c_str(), (dir / "cd\\logo.vtm").c_str(), FALSE);
  WriteTextFile(dir / "cd\\logo.avi", "a movie in a format the setup cannot read");
  struct Case {
    const char* file;
    UINT watchMs;
    INT_PTR result;
  };
  for (const Case& c : {Case{"long.vtm", 70000 + 100, 99}, Case{"logo.vtm", 2880 + 100, 3},
                        Case{"logo.avi", 0, 99}}) {
    WriteTextFile(dir / "cd\\setup.cfg", std::string("[Multimedia]\nLogo=") + c.file + "\n");
    CLogoMovieDlg dialog(nullptr);
    dialog.m_nWatchGraceMs = 100;
    After(3500, [&] { dialog.EndDialog(99); });  // from outside, as Escape would
    EXPECT_EQ(dialog.DoModal(), c.result) << c.file << "\n" << EngineLog();
    EXPECT_EQ(dialog.m_nWatchMs, c.watchMs) << c.file;
    CancelPending();
  }
  EXPECT_TRUE(app.LogHas("CLogoMovieDlg: the player did not report the end of the movie within 2980 ms\n"));
  EXPECT_EQ(app.closes, 1);  // the one it gave up on; the others were ended from outside
}

TEST_F(Player, ALogoMovieThatCannotPlayEndsTheDialogAtOnce) {
  struct Case {
    const char* entry;
    const char* log;
    bool mediaAfter;
  } cases[] = {
      {"", "CLogoMovieDlg::OnInitDialog error: LogoMovie entry not found in setup.cfg\n", true},
      {"Logo=nothere.vtm\n", "CLogoMovieDlg::OnInitDialog error: File not found\n", true},
      // A file the player refuses turns all media off.
      {"Logo=dir.wav\n", "CLogoMovieDlg::OnInitDialog error: Cannot open the player\n", false},
  };
  for (const Case& c : cases) {
    Ready(c.entry);
    CLogoMovieDlg dialog(nullptr);
    After(10000, [&] { dialog.EndDialog(99); });
    const DWORD start = GetTickCount();
    EXPECT_EQ(dialog.DoModal(), 3) << c.entry;
    EXPECT_LT(GetTickCount() - start, 2000u);
    EXPECT_TRUE(app.LogHas(c.log)) << c.log;
    EXPECT_EQ(app.m_bMultimedia, c.mediaAfter) << c.entry;
    EXPECT_EQ(Loaded(), c.mediaAfter);
    CancelPending();
    app.ReleasePlayer();
  }
}

TEST_F(Player, TheIntroductionMovieStaysUntilNextOrCancel) {
  Ready("IntroMovie=" + Media("intro.vtm") + "\n");
  for (const int button : {IDOK, IDCANCEL}) {
    CIntroMovieDlg dialog(nullptr);
    HWND view = nullptr;
    After(3500, [&] {  // after the movie's 2.4 s: it holds its last frame
      view = PlayerView(dialog.GetSafeHwnd());
      PostMessageA(dialog.GetSafeHwnd(), WM_COMMAND, button, 0);
    });
    After(15000, [&] { dialog.EndDialog(99); });
    EXPECT_EQ(dialog.DoModal(), button);
    EXPECT_NE(view, nullptr);
    EXPECT_FALSE(IsWindow(view));  // closed with the page
    CancelPending();
  }
  EXPECT_TRUE(app.m_bMultimedia);
}

// A picture of an odd width, one colour a row, held as the last frame:
// every row must show whole and in its place.
TEST_F(Player, TheSamplePlayerShowsThePictureRowByRow) {
  constexpr int kWidth = 13, kRows = 10;
  MovieHeader h;
  h.width = kWidth;
  h.height = kRows;
  h.frames = 2;
  h.frameMs = 10;
  h.colors = kRows;
  std::vector<uint32_t> colors;
  std::vector<uint8_t> rows;
  for (int r = 0; r < kRows; ++r) {
    colors.push_back(static_cast<uint32_t>(r * 25) << 16 | static_cast<uint32_t>(250 - r * 25) << 8 | (r * 50) % 256);
    rows.insert(rows.end(), kWidth, static_cast<uint8_t>(r));
  }
  const std::vector<uint8_t> file = MovieEncode(h, colors, {std::vector<uint8_t>(rows.size(), 0), rows});
  ASSERT_FALSE(file.empty());
  WriteTextFile(Media("rows.vtm"), std::string(file.begin(), file.end()));
  Ready("IntroMovie=" + Media("rows.vtm") + "\n");

  CIntroMovieDlg dialog(nullptr);
  std::vector<std::string> wrong;
  bool seen = false;
  After(600, [&] {
    const HWND view = PlayerView(dialog.GetSafeHwnd());
    if (view) {
      seen = true;
      RECT rc;
      GetClientRect(view, &rc);
      HDC dc = GetDC(view);
      for (int r = 0; r < kRows; ++r) {
        const int y = (2 * r + 1) * rc.bottom / (2 * kRows);
        for (const int x : {rc.right / 20, rc.right / 2, rc.right * 19 / 20}) {
          const COLORREF got = GetPixel(dc, x, y);
          const uint32_t want = colors[r];
          if (GetRValue(got) != (want >> 16 & 0xFF) || GetGValue(got) != (want >> 8 & 0xFF) ||
              GetBValue(got) != (want & 0xFF))
            wrong.push_back("row " + std::to_string(r) + " x " + std::to_string(x));
        }
      }
      ReleaseDC(view, dc);
    }
    PostMessageA(dialog.GetSafeHwnd(), WM_COMMAND, IDOK, 0);
  });
  After(10000, [&] { dialog.EndDialog(99); });
  EXPECT_EQ(dialog.DoModal(), 1);
  EXPECT_TRUE(seen);
  EXPECT_TRUE(wrong.empty()) << wrong.size() << " wrong, first " << wrong.front();
}

TEST_F(Player, TheIntroductionMovieWithoutAPlayableFileEndsAtOnce) {
  Ready("");
  // The movie's bytes with damage the player must notice before it sizes
  // anything from them.
  const std::string logo = ReadTextFile(Media("logo.vtm"));
  ASSERT_GT(logo.size(), 1000u);
  std::string huge = logo, large = logo;
  huge[10] = huge[11] = '\xFF';               // 65535 frames
  large[6] = '\x80', large[7] = '\x02';       // 640 wide: the frames no longer fill it
  large[8] = '\xE0', large[9] = '\x01';       // 480 high
  WriteTextFile(Media("cut.vtm"), logo.substr(0, logo.size() / 2));
  WriteTextFile(Media("huge.vtm"), huge);
  WriteTextFile(Media("large.vtm"), large);
  WriteTextFile(Media("empty.vtm"), "");
  WriteTextFile(Media("text.vtm"), "[Multimedia]\nLogo=logo.vtm\n");

  struct Case {
    std::string entry, log;
  } cases[] = {
      {"", "Entry not found in setup.cfg"},
      {"c:\\nothere.vtm", "Intro movie file c:\\nothere.vtm. File not found\n"},
      {Media("cut.vtm"), "CIntroMovieDlg: Cannot open the player\n"},
      {Media("huge.vtm"), "CIntroMovieDlg: Cannot open the player\n"},
      {Media("large.vtm"), "CIntroMovieDlg: Cannot open the player\n"},
      {Media("empty.vtm"), "CIntroMovieDlg: Cannot open the player\n"},
      {Media("text.vtm"), "CIntroMovieDlg: Cannot open the player\n"},
      {Media("dir.wav"), "CIntroMovieDlg: Cannot open the player\n"},
  };
  for (const Case& c : cases) {
    Cfg("1", c.entry.empty() ? "" : "IntroMovie=" + c.entry + "\n");
    EngineLog().clear();
    CIntroMovieDlg dialog(nullptr);
    After(10000, [&] { dialog.EndDialog(99); });
    const DWORD start = GetTickCount();
    EXPECT_EQ(dialog.DoModal(), 1) << c.entry;
    EXPECT_LT(GetTickCount() - start, 2000u);
    EXPECT_TRUE(app.LogHas(c.log)) << c.entry << ": " << EngineLog();
    CancelPending();
  }
  EXPECT_TRUE(app.m_bMultimedia);  // the page goes on without its movie
}

TEST_F(Player, CommentaryPlaysWhereThereIsASoundDevice) {
  Ready("");
  const UINT devices = waveOutGetNumDevs();
  std::printf("wave output devices: %u\n", devices);
  RecordProperty("wave_output_devices", static_cast<int>(devices));
  HWND window = CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
  ASSERT_NE(window, nullptr);
  CWnd owner;
  owner.Attach(window);
  const int opened = app.OpenQRMPlayer(&owner, VT_PLAY_COMMENTARY, Media("dir.wav"), VT_PLAY_NUMBER, VT_PLAY_FRAME);
  if (devices > 0)
    EXPECT_NE(opened, 0);
  else
    EXPECT_EQ(opened, 0);
  app.CloseQRMPlayer();
  app.CloseQRMPlayer();  // twice is harmless

  // Whatever the machine has, a cut sound or a movie is no commentary.
  const std::string wave = ReadTextFile(Media("dir.wav"));
  WriteTextFile(Media("cut.wav"), wave.substr(0, wave.size() - 100));
  EXPECT_EQ(app.OpenQRMPlayer(&owner, VT_PLAY_COMMENTARY, Media("cut.wav"), VT_PLAY_NUMBER, VT_PLAY_FRAME), 0);
  EXPECT_EQ(app.OpenQRMPlayer(&owner, VT_PLAY_COMMENTARY, Media("logo.vtm"), VT_PLAY_NUMBER, VT_PLAY_FRAME), 0);
  EXPECT_EQ(app.OpenQRMPlayer(&owner, VT_PLAY_COMMENTARY, "", VT_PLAY_NUMBER, VT_PLAY_FRAME), 0);
  owner.Detach();
  DestroyWindow(window);
}

}  // namespace
