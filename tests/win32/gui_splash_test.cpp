// VTSplashWnd: placement, painting, and the ways it closes.
#include <gtest/gtest.h>

#include "core/dib/dib_writer.h"
#include "gui_test_ids.h"
#include "gui_test_util.h"
#include "gui/qrmgui.h"

namespace {

// The splash of this thread (other test programs may show theirs meanwhile).
BOOL CALLBACK MatchSplash(HWND hwnd, LPARAM out) {
  char title[32] = "";
  GetWindowTextA(hwnd, title, sizeof title);
  if (std::string(title) != "VTSplashWnd") return TRUE;
  *reinterpret_cast<HWND*>(out) = hwnd;
  return FALSE;
}

HWND FindSplash() {
  HWND found = nullptr;
  EnumThreadWindows(GetCurrentThreadId(), MatchSplash, reinterpret_cast<LPARAM>(&found));
  return found;
}

TEST(VTSplashWnd, ResourceZeroOrNonBitmapFileCreatesNothing) {
  VTSplashWnd splash;
  EXPECT_FALSE(splash.Create(nullptr, 0, 1000));
  std::string text = WriteTemp("notabitmap.bmp", std::vector<uint8_t>(200, 'x'));
  EXPECT_FALSE(splash.Create(CString(text), 1000));
  EXPECT_FALSE(splash.Create(nullptr, 9999, 1000));
  EXPECT_EQ(splash.m_hWnd, nullptr);
  EXPECT_EQ(FindSplash(), nullptr);
}

TEST(VTSplashWnd, ResourceSplashIsATopmostPopupCentredOnTheScreen) {
  VTSplashWnd splash;
  ASSERT_TRUE(splash.Create(nullptr, IDB_SPLASH, 10000));
  HWND hwnd = FindSplash();
  ASSERT_EQ(hwnd, splash.m_hWnd);
  RECT rc;
  GetWindowRect(hwnd, &rc);
  int sw = GetSystemMetrics(SM_CXSCREEN), sh = GetSystemMetrics(SM_CYSCREEN);
  EXPECT_EQ(rc.left, (sw - 372) / 2);
  EXPECT_EQ(rc.top, (sh - 237) / 2);
  EXPECT_EQ(rc.right - rc.left, 372);
  EXPECT_EQ(rc.bottom - rc.top, 237);
  EXPECT_EQ(static_cast<DWORD>(GetWindowLongA(hwnd, GWL_STYLE)) & (WS_POPUP | WS_VISIBLE | WS_CAPTION),
            static_cast<DWORD>(WS_POPUP | WS_VISIBLE));
  EXPECT_TRUE(GetWindowLongA(hwnd, GWL_EXSTYLE) & WS_EX_TOPMOST);
  EXPECT_EQ(GetClassLongA(hwnd, GCL_STYLE), static_cast<DWORD>(CS_CLASSDC));
}

// The painted window shows the picture: compare a few pixels of the window
// with the generated splash.
void ExpectPainted(HWND hwnd, const DibImage& image) {
  UpdateWindow(hwnd);
  Pump(100);
  HDC dc = GetDC(hwnd);
  for (auto [x, y] : {std::pair{1, 1}, {96, 118}, {30, 200}, {250, 100}, {370, 235}}) {
    uint32_t index = image.At(x, image.height - 1 - y);
    const uint8_t* q = &image.colors[4 * index];
    EXPECT_EQ(GetPixel(dc, x, y), RGB(q[2], q[1], q[0])) << x << "," << y;
  }
  ReleaseDC(hwnd, dc);
}

TEST(VTSplashWnd, PaintsResourceAndFilePictures) {
  {
    VTSplashWnd splash;
    ASSERT_TRUE(splash.Create(nullptr, IDB_SPLASH, 10000));
    ExpectPainted(splash.m_hWnd, MakeSplashPicture(0));
  }
  VTSplashWnd splash;
  std::string file = WriteTemp("splash.bmp", DibMakeFile(MakeSplashPicture(1)));
  ASSERT_TRUE(splash.Create(CString(file), 10000));
  ExpectPainted(splash.m_hWnd, MakeSplashPicture(1));
}

TEST(VTSplashWnd, ClickOnItClosesAndIsConsumed) {
  VTSplashWnd splash;
  ASSERT_TRUE(splash.Create(nullptr, IDB_SPLASH, 10000));
  HWND hwnd = splash.m_hWnd;
  MSG msg{hwnd, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(10, 10), 0, {0, 0}};
  EXPECT_TRUE(CWnd::WalkPreTranslateTree(nullptr, &msg));
  EXPECT_FALSE(IsWindow(hwnd));
  EXPECT_EQ(splash.m_hWnd, nullptr);
}

TEST(VTSplashWnd, KeysAndEveryButtonCloseIt) {
  for (UINT message : {WM_KEYDOWN, WM_SYSKEYDOWN, WM_RBUTTONDOWN, WM_MBUTTONDOWN,
                       WM_NCLBUTTONDOWN, WM_NCRBUTTONDOWN, WM_NCMBUTTONDOWN}) {
    VTSplashWnd splash;
    ASSERT_TRUE(splash.Create(nullptr, IDB_SPLASH, 10000));
    HWND hwnd = splash.m_hWnd;
    PostMessageA(hwnd, message, 0, 0);
    Pump(2000, [&] { return !IsWindow(hwnd); });
    EXPECT_FALSE(IsWindow(hwnd)) << std::hex << message;
  }
}

TEST(VTSplashWnd, ClickElsewhereOrOtherMessagesKeepItOpen) {
  VTSplashWnd splash;
  ASSERT_TRUE(splash.Create(nullptr, IDB_SPLASH, 10000));
  HWND other = CreateWindowExA(0, "STATIC", "other", WS_POPUP | WS_VISIBLE, 0, 0, 50, 50,
                               nullptr, nullptr, nullptr, nullptr);
  PostMessageA(other, WM_LBUTTONDOWN, MK_LBUTTON, 0);
  // Offered a press aimed at another window, it lets it pass.
  MSG elsewhere{other, WM_LBUTTONDOWN, MK_LBUTTON, 0, 0, {0, 0}};
  EXPECT_FALSE(splash.PreTranslateMessage(&elsewhere));
  PostMessageA(splash.m_hWnd, WM_MOUSEMOVE, 0, 0);
  PostMessageA(splash.m_hWnd, WM_LBUTTONUP, 0, 0);
  Pump(300);
  EXPECT_TRUE(IsWindow(splash.m_hWnd));
  DestroyWindow(other);
}

TEST(VTSplashWnd, ClosesByItselfAfterItsTimeout) {
  VTSplashWnd splash;
  DWORD start = GetTickCount();
  ASSERT_TRUE(splash.Create(nullptr, IDB_SPLASH, 300));
  HWND hwnd = splash.m_hWnd;
  Pump(100);
  EXPECT_TRUE(IsWindow(hwnd));
  // Another timer on the window is ignored.
  SetTimer(hwnd, 7, 10, nullptr);
  Pump(50);
  EXPECT_TRUE(IsWindow(hwnd));
  Pump(3000, [&] { return !IsWindow(hwnd); });
  DWORD took = GetTickCount() - start;
  EXPECT_FALSE(IsWindow(hwnd));
  EXPECT_EQ(splash.m_hWnd, nullptr);
  EXPECT_GE(took, 280u);
  EXPECT_LT(took, 2000u);
}

TEST(VTSplashWnd, DestructorDestroysAShownSplash) {
  HWND hwnd;
  {
    VTSplashWnd splash;
    ASSERT_TRUE(splash.Create(nullptr, IDB_SPLASH, 10000));
    hwnd = splash.m_hWnd;
  }
  EXPECT_FALSE(IsWindow(hwnd));
}

// The splash's message map, as the library exports it: paint and timer only,
// chained to the window class's (empty) table.
TEST(VTSplashWnd, MessageMapListsPaintAndTimerOnly) {
  struct Probe : VTSplashWnd {
    using VTSplashWnd::GetThisMessageMap;
  };
  const VtMsgMap* map = Probe::GetThisMessageMap();
  ASSERT_NE(map, nullptr);
  std::vector<UINT> messages;
  for (const VtMsgMapEntry* e = map->lpEntries; e->pfn; ++e) messages.push_back(e->nMessage);
  EXPECT_EQ(messages, (std::vector<UINT>{WM_PAINT, WM_TIMER}));
  ASSERT_NE(map->pfnGetBaseMap, nullptr);
  const VtMsgMap* base = map->pfnGetBaseMap();
  EXPECT_EQ(base->lpEntries[0].pfn, nullptr);
  EXPECT_EQ(base->pfnGetBaseMap, nullptr);
  VTSplashWnd splash;
  EXPECT_EQ(splash.GetMessageMap(), map);
}

// A program's class derived from the library's splash: its own entries come
// first, the library's entries still paint and time it out.
class PingSplash : public VTSplashWnd {
 public:
  int pings = 0;

 protected:
  LRESULT OnPing(WPARAM w, LPARAM) {
    ++pings;
    return static_cast<LRESULT>(w) * 2;
  }
  VT_DECLARE_MESSAGE_MAP()
};

VT_BEGIN_MESSAGE_MAP(PingSplash, VTSplashWnd)
  VT_ON_MESSAGE(WM_APP + 5, OnPing)
VT_END_MESSAGE_MAP()

TEST(VTSplashWnd, DerivedClassInTheProgramChainsToTheLibrarysMap) {
  PingSplash splash;
  ASSERT_TRUE(splash.Create(nullptr, IDB_SPLASH, 400));
  HWND hwnd = splash.m_hWnd;
  EXPECT_EQ(SendMessageA(hwnd, WM_APP + 5, 21, 0), 42);
  EXPECT_EQ(splash.pings, 1);
  ExpectPainted(hwnd, MakeSplashPicture(0));
  Pump(3000, [&] { return !IsWindow(hwnd); });
  EXPECT_FALSE(IsWindow(hwnd));
  EXPECT_EQ(splash.m_hWnd, nullptr);
}

}  // namespace
