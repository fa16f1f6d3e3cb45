// The setup screen under Wine: the background unpacked, loaded and its
// palette built; each way it degrades; the window itself; the logo's
// animation into its corner; the fade-in, animated on a palette display
// (read back while it runs) and set at once on a true-colour one.
#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <cstdio>
#include <cstring>
#include <thread>
#include <vector>

#include "core/dib/dib_header.h"
#include "engine_app.h"
#include "setup/dialogs/progress_dlg.h"
#include "setup/screen/screen_wnd.h"

namespace {

std::string DemoSetup(const char* file) { return FromLinux(std::string(VT_DEMO_SETUP) + "/" + file); }

bool Exists(const std::string& path) { return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

class Screen : public ::testing::Test {
 protected:
  Screen() : dir("screen") {
    CreateDirectoryA((dir / "temp").c_str(), nullptr);
    CreateDirectoryA((dir / "run").c_str(), nullptr);
    app.m_tokens.Set(tok::TEMP, dir / "temp");
    app.m_tokens.Set(tok::RUN_DIR, dir / "run");
  }
  void PackedPictureBesideTheProgram() {
    ASSERT_TRUE(CopyFileA(DemoSetup("VTScreen.z").c_str(), (dir / "run\\VTScreen.z").c_str(), FALSE));
  }
  static int ScreenWidth() { return GetSystemMetrics(SM_CXSCREEN); }
  static bool PaletteDisplay() {
    HDC dc = GetDC(nullptr);
    const bool palette = (GetDeviceCaps(dc, RASTERCAPS) & RC_PALETTE) != 0;
    ReleaseDC(nullptr, dc);
    return palette;
  }
  std::vector<PALETTEENTRY> Entries(CScreenWnd& screen) {
    std::vector<PALETTEENTRY> entries(static_cast<size_t>(screen.m_palette.GetEntryCount()));
    screen.m_palette.GetPaletteEntries(0, static_cast<UINT>(entries.size()), entries.data());
    return entries;
  }
  ScratchDir dir;
  EngineApp app;
};

TEST_F(Screen, TheBackgroundIsUnpackedLoadedAndTheLogoFitsTheScreen) {
  PackedPictureBesideTheProgram();
  CScreenWnd screen;
  screen.InitBackground();
  EXPECT_TRUE(app.LogHas("Graphics supported\n"));
  EXPECT_TRUE(app.m_bGraphicsOK);
  EXPECT_TRUE(Exists(dir / "temp\\Screen.qrm"));
  ASSERT_NE(screen.m_pBackground, nullptr);
  EXPECT_EQ(screen.m_pBackground->GetBMWidth(), 640);
  // The test display is 800 pixels wide: the small logo and its mask.
  ASSERT_EQ(ScreenWidth(), 800);
  EXPECT_EQ(screen.m_nLogoID, 157u);
  EXPECT_EQ(screen.m_rcLogo.Width(), 128);
  EXPECT_EQ(screen.m_rcLogo.Height(), 128);
  EXPECT_NE(screen.m_pLogoMask, nullptr);
  // The background's colours, then the logo's 45 colours that are not
  // black.
  const int colors = screen.m_pBackground->GetNumClrEntries();
  EXPECT_GT(colors, 100);
  EXPECT_LE(colors + 45, 256);
  EXPECT_EQ(screen.m_palette.GetEntryCount(), colors + 45);
  const std::vector<PALETTEENTRY> entries = Entries(screen);
  const RGBQUAD* reference = screen.m_pBackground->GetEtalonColors();
  if (!PaletteDisplay()) {
    EXPECT_EQ(entries[5].peRed, reference[5].rgbRed);
    EXPECT_EQ(entries[5].peBlue, reference[5].rgbBlue);
  } else {
    EXPECT_EQ(entries[5].peFlags, PC_RESERVED);
    EXPECT_EQ(entries[5].peBlue, 0);
  }
  EXPECT_EQ(entries[colors].peFlags, 0);
  EXPECT_FALSE(app.LogHas("CScreenWnd::InitBackground()"));
}

TEST_F(Screen, APictureAlreadyInTheTempFolderIsNotUnpackedAgain) {
  ASSERT_TRUE(CopyFileA(DemoSetup("VTScreen.z").c_str(), (dir / "run\\VTScreen.z").c_str(), FALSE));
  {
    CScreenWnd first;
    first.InitBackground();
  }
  DeleteFileA((dir / "run\\VTScreen.z").c_str());
  CScreenWnd screen;
  screen.InitBackground();
  EXPECT_FALSE(app.LogHas("VTScreen.z not found"));
  EXPECT_NE(screen.m_pBackground, nullptr);
}

TEST_F(Screen, EachFailureIsLoggedAndOnlyDegradesTheScreen) {
  {
    SCOPED_TRACE("no packed picture");
    CScreenWnd screen;
    screen.InitBackground();
    EXPECT_TRUE(app.LogHas("CScreenWnd::InitBackground(): VTScreen.z not found\n"));
    EXPECT_EQ(screen.m_pBackground, nullptr);
    // The logo still shows, on black, with its own palette.
    EXPECT_EQ(screen.m_nLogoID, 157u);
    EXPECT_EQ(screen.m_pLogoMask, nullptr);
    // The logo resource's palette: 2^8 entries, as a header makes one.
    EXPECT_EQ(screen.m_palette.GetEntryCount(), 256);
  }
  {
    SCOPED_TRACE("a packed file that cannot be opened");
    CreateDirectoryA((dir / "run\\VTScreen.z").c_str(), nullptr);
    CScreenWnd screen;
    screen.InitBackground();
    EXPECT_TRUE(app.LogHas("CScreenWnd::InitBackground(): error unpacking VTScreen.z\n"));
    EXPECT_EQ(screen.m_pBackground, nullptr);
    RemoveDirectoryA((dir / "run\\VTScreen.z").c_str());
  }
  {
    SCOPED_TRACE("a damaged archive: reported, then no picture to load");
    WriteTextFile(dir / "run\\VTScreen.z", "not an archive at all");
    const size_t boxes = app.boxes.size();
    CScreenWnd screen;
    screen.InitBackground();
    ASSERT_EQ(app.boxes.size(), boxes + 1);
    EXPECT_NE(app.boxes.back().text.find("The archive is damaged"), std::string::npos);
    EXPECT_TRUE(app.LogHas("CScreenWnd::InitBackground(): error loading DIB from Screen.qrm\n"));
    EXPECT_EQ(screen.m_pBackground, nullptr);
    DeleteFileA((dir / "run\\VTScreen.z").c_str());
  }
  {
    SCOPED_TRACE("a picture that is not one");
    WriteTextFile(dir / "temp\\Screen.qrm", "BM but nothing more");
    CScreenWnd screen;
    screen.InitBackground();
    EXPECT_TRUE(app.LogHas("CScreenWnd::InitBackground(): error loading DIB from Screen.qrm\n"));
    EXPECT_EQ(screen.m_pBackground, nullptr);
  }
  {
    SCOPED_TRACE("no temporary folder");
    app.m_tokens.Set(tok::TEMP, "");
    CScreenWnd screen;
    screen.InitBackground();
    EXPECT_TRUE(app.LogHas("CScreenWnd::InitBackground(): No temp dir\n"));
    EXPECT_EQ(screen.m_pBackground, nullptr);
  }
}

TEST_F(Screen, TheWindowCoversTheDesktopAndCannotBeClosed) {
  PackedPictureBesideTheProgram();
  CScreenWnd screen;
  screen.InitBackground();
  ASSERT_TRUE(screen.Create());
  char title[64] = {};
  GetWindowTextA(screen, title, sizeof title);
  EXPECT_STREQ(title, "Vantora Setup");
  EXPECT_EQ(static_cast<DWORD>(GetWindowLongA(screen, GWL_STYLE)) & 0x12CC0000u, 0x12CC0000u);
  EXPECT_EQ(screen.m_nWidth, GetSystemMetrics(SM_CXSCREEN));
  EXPECT_EQ(screen.m_nHeight, GetSystemMetrics(SM_CYSCREEN));
  const UINT close = GetMenuState(GetSystemMenu(screen, FALSE), SC_CLOSE, MF_BYCOMMAND);
  EXPECT_TRUE(close & MF_GRAYED);
  EXPECT_EQ(reinterpret_cast<HBRUSH>(GetClassLongPtrA(screen, GCLP_HBRBACKGROUND)), GetStockObject(BLACK_BRUSH));
  screen.DestroyWindow();
}

TEST_F(Screen, TheLogoZoomsOutOfTheCentreAndSlidesIntoTheCorner) {
  PackedPictureBesideTheProgram();
  CScreenWnd screen;
  screen.InitBackground();
  ASSERT_TRUE(screen.Create());
  const DWORD start = GetTickCount();
  screen.AnimateLogo();
  const DWORD took = GetTickCount() - start;
  EXPECT_TRUE(screen.m_bLogoVisible);
  EXPECT_LE(screen.m_rcLogoCur.left, 25);
  EXPECT_GT(screen.m_rcLogoCur.left, 25 - 7);
  EXPECT_EQ(screen.m_rcLogoCur.Width(), 130);
  // About 76 slide steps of 10 ms on this screen.
  EXPECT_GT(took, 500u);
  EXPECT_LT(took, 20000u);
  EXPECT_TRUE(app.LogHas("CScreenWnd::ShowLogoBmp() - draw logo\n"));
  EXPECT_FALSE(app.LogHas("ShowLogoBmp error"));
  screen.DestroyWindow();
}

// Samples the window palette from another thread while the fade runs on
// this one: every different set of the background's entries, in order.
class PaletteSampler {
 public:
  PaletteSampler(HPALETTE palette, UINT count) : m_palette(palette), m_count(count), m_thread([this] { Run(); }) {}
  ~PaletteSampler() { Stop(); }
  void Stop() {
    m_stop = true;
    if (m_thread.joinable()) m_thread.join();
  }
  std::vector<std::vector<PALETTEENTRY>> seen;

 private:
  // At least one sample, and one more once told to stop: on a busy machine
  // this thread may first run only after a fade that set the palette at once.
  void Run() {
    for (;;) {
      const bool last = m_stop;
      std::vector<PALETTEENTRY> now(m_count);
      GetPaletteEntries(m_palette, 0, m_count, now.data());
      if (seen.empty() || memcmp(now.data(), seen.back().data(), m_count * sizeof(PALETTEENTRY)) != 0)
        seen.push_back(now);
      if (last) break;
      Sleep(1);
    }
  }
  HPALETTE m_palette;
  UINT m_count;
  std::atomic<bool> m_stop{false};
  std::thread m_thread;
};

TEST_F(Screen, TheBackgroundFadesInFromBlack) {
  PackedPictureBesideTheProgram();
  CScreenWnd screen;
  screen.InitBackground();
  ASSERT_TRUE(screen.Create());
  ASSERT_NE(screen.m_pBackground, nullptr);
  const UINT n = static_cast<UINT>(screen.m_pBackground->GetNumClrEntries());
  const RGBQUAD* reference = screen.m_pBackground->GetEtalonColors();
  int brightest = 0;
  for (UINT i = 0; i < n; ++i)
    brightest = std::max({brightest, int(reference[i].rgbRed), int(reference[i].rgbGreen), int(reference[i].rgbBlue)});

  PaletteSampler sampler(screen.m_palette, n);
  const DWORD start = GetTickCount();
  screen.FadeIn();
  const DWORD took = GetTickCount() - start;
  sampler.Stop();

  EXPECT_TRUE(screen.m_bShowBmp);
  const std::vector<PALETTEENTRY> after = Entries(screen);
  for (UINT i = 0; i < n; ++i) {
    EXPECT_EQ(after[i].peRed, reference[i].rgbRed) << i;
    EXPECT_EQ(after[i].peGreen, reference[i].rgbGreen) << i;
    EXPECT_EQ(after[i].peBlue, reference[i].rgbBlue) << i;
  }
  if (screen.m_bPaletteDevice) {
    // Read back while it ran: from black, rising, never falling, in at most
    // 255 cycles of at least 5 ms.
    ASSERT_GE(sampler.seen.size(), 3u);
    const std::vector<PALETTEENTRY>& first = sampler.seen.front();
    for (UINT i = 0; i < n; ++i) EXPECT_LE(first[i].peRed + first[i].peGreen + first[i].peBlue, 3 * 40) << i;
    for (size_t s = 1; s < sampler.seen.size(); ++s)
      for (UINT i = 0; i < n; ++i) {
        EXPECT_GE(sampler.seen[s][i].peRed, sampler.seen[s - 1][i].peRed);
        EXPECT_GE(sampler.seen[s][i].peBlue, sampler.seen[s - 1][i].peBlue);
      }
    EXPECT_GE(took, static_cast<DWORD>(5 * brightest));
    EXPECT_LE(sampler.seen.size(), 257u);
    EXPECT_TRUE(app.LogHas("Reselect palette for fade in\n"));
    std::printf("palette display: %u distinct palettes read back during a fade of %lu ms\n",
                static_cast<unsigned>(sampler.seen.size()), static_cast<unsigned long>(took));
  } else {
    // Set at once: the first palette read back is already the picture's.
    ASSERT_FALSE(sampler.seen.empty());
    EXPECT_LE(sampler.seen.size(), 2u);
    EXPECT_FALSE(app.LogHas("Reselect palette for fade in\n"));
    EXPECT_LT(took, 2000u);
    std::printf("true-colour display: palette set at once in %lu ms\n", static_cast<unsigned long>(took));
  }
  EXPECT_EQ(reinterpret_cast<HBRUSH>(GetClassLongPtrA(screen, GCLP_HBRBACKGROUND)), GetStockObject(WHITE_BRUSH));
  EXPECT_TRUE(app.LogHas("m_bShowBmp == TRUE\n "));
  screen.DestroyWindow();
}

TEST_F(Screen, AfterTheFadeTheLogoIsDrawnThroughItsMask) {
  PackedPictureBesideTheProgram();
  CScreenWnd screen;
  screen.InitBackground();
  ASSERT_TRUE(screen.Create());
  screen.AnimateLogo();
  screen.FadeIn();
  EXPECT_TRUE(app.LogHas("CScreenWnd::ShowLogoBmp() - draw transparent logo\n"));
  EXPECT_FALSE(app.LogHas("ShowLogoBmp error"));
  if (!screen.m_bPaletteDevice) {
    // The emblem's white V in the logo's middle column, the background's
    // own colour in the logo rectangle's corner (the logo is black there).
    HDC dc = GetDC(screen);
    const CRect& logo = screen.m_rcLogoCur;
    const COLORREF v = GetPixel(dc, logo.left + logo.Width() / 2, logo.top + logo.Height() * 68 / 100);
    const COLORREF corner = GetPixel(dc, logo.left + 2, logo.top + 2);
    const COLORREF beside = GetPixel(dc, logo.right + 40, logo.top + 2);
    ReleaseDC(screen, dc);
    EXPECT_GE(GetRValue(v) + GetGValue(v) + GetBValue(v), 3 * 240);
    EXPECT_NE(corner, RGB(0, 0, 0));
    // The sky only changes from row to row: untouched by the mask, the
    // corner is exactly the colour beside the logo.
    EXPECT_EQ(corner, beside);
  }
  screen.DestroyWindow();
}

// The screen after its fade, with the progress dialog over it and a worker
// behind it: on a palette display the system palette may change while they
// come up, then must settle; one that kept changing would mean an endless
// round of realising and repainting. (On a true-colour display nothing
// changes at all.)
std::atomic<int> g_paletteChanges{0};
LRESULT CALLBACK CountPaletteChanges(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_PALETTECHANGED) ++g_paletteChanges;
  return DefWindowProcA(window, message, wParam, lParam);
}

class PaletteWorkerApp : public EngineApp {
 public:
  int InstallFromDisks() override {
    NotifyProgress(0, "client.exe");
    Sleep(1500);  // the dialog comes up meanwhile
    g_paletteChanges = 0;
    Sleep(3000);
    settled = g_paletteChanges;
    return 1;
  }
  int settled = -1;
};

TEST(ScreenPalette, TheScreenAndTheProgressDialogSettle) {
  ScratchDir dir("screen_palette");
  PaletteWorkerApp app;
  CreateDirectoryA((dir / "temp").c_str(), nullptr);
  CreateDirectoryA((dir / "run").c_str(), nullptr);
  app.m_tokens.Set(tok::TEMP, dir / "temp");
  app.m_tokens.Set(tok::RUN_DIR, dir / "run");
  ASSERT_TRUE(CopyFileA(DemoSetup("VTScreen.z").c_str(), (dir / "run\\VTScreen.z").c_str(), FALSE));
  WNDCLASSA wc{};
  wc.lpfnWndProc = CountPaletteChanges;
  wc.hInstance = GetModuleHandleA(nullptr);
  wc.lpszClassName = "VtPaletteCounter";
  RegisterClassA(&wc);
  HWND counter = CreateWindowExA(WS_EX_TOOLWINDOW, wc.lpszClassName, "", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr,
                                 wc.hInstance, nullptr);
  ASSERT_TRUE(counter);
  CScreenWnd screen;
  screen.InitBackground();
  ASSERT_TRUE(screen.Create());
  screen.FadeIn();
  CProgressDlg progress(&screen);
  app.m_pProgressDlg = &progress;
  EXPECT_EQ(progress.DoModal(), 1);
  app.m_pProgressDlg = nullptr;
  std::printf("palette changes after the progress dialog came up: %d (palette display: %d)\n", app.settled,
              screen.m_bPaletteDevice ? 1 : 0);
  EXPECT_EQ(app.settled, 0);
  screen.DestroyWindow();
  DestroyWindow(counter);
}

}  // namespace
