// The framework's window and GDI layer against the real window manager.
#include <gtest/gtest.h>

#include "framework/app.h"
#include "framework/dc.h"
#include "framework/gdi.h"
#include "framework/text.h"
#include "framework/wnd.h"

namespace {

void PumpPending() {
  MSG msg;
  while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
    if (CWnd::WalkPreTranslateTree(nullptr, &msg)) continue;
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
  }
}

class ProbeWnd : public CWnd {
 public:
  int created = 0, destroyed = 0, ncDestroyed = 0, timers = 0, pretranslated = 0;
  UINT_PTR lastTimer = 0;
  bool eatKeys = false;

  BOOL Create(HWND parent = nullptr) {
    DWORD style = parent ? WS_CHILD | WS_VISIBLE : WS_POPUP;
    return CreateEx(0, AfxRegisterWndClass(CS_CLASSDC), "Probe", style, 10, 20, 100, 50, parent,
                    nullptr);
  }
  void PostNcDestroy() override {
    ++ncDestroyed;
    EXPECT_EQ(m_hWnd, nullptr);
  }
  BOOL PreTranslateMessage(MSG* msg) override {
    ++pretranslated;
    return eatKeys && msg->message == WM_KEYDOWN;
  }

 protected:
  int OnCreate(CREATESTRUCTA* cs) {
    ++created;
    EXPECT_EQ(FromHandlePermanent(m_hWnd), this);  // tied before WM_CREATE
    EXPECT_STREQ(cs->lpszName, "Probe");
    return static_cast<int>(Default());
  }
  void OnDestroy() { ++destroyed; }
  void OnTimer(UINT_PTR id) {
    ++timers;
    lastTimer = id;
    KillTimer(id);
  }
  VT_DECLARE_MESSAGE_MAP()
};

VT_BEGIN_MESSAGE_MAP(ProbeWnd, CWnd)
  VT_ON_WM_CREATE()
  VT_ON_WM_DESTROY()
  VT_ON_WM_TIMER()
VT_END_MESSAGE_MAP()

class RefusingWnd : public CWnd {
 protected:
  int OnCreate(CREATESTRUCTA*) { return -1; }
  VT_DECLARE_MESSAGE_MAP()
};

VT_BEGIN_MESSAGE_MAP(RefusingWnd, CWnd)
  VT_ON_WM_CREATE()
VT_END_MESSAGE_MAP()

TEST(FrameworkWnd, CreateTiesObjectAndDestroyUnties) {
  ProbeWnd wnd;
  ASSERT_TRUE(wnd.Create());
  HWND hwnd = wnd.m_hWnd;
  EXPECT_EQ(wnd.created, 1);
  EXPECT_EQ(CWnd::FromHandlePermanent(hwnd), &wnd);
  EXPECT_TRUE(wnd.DestroyWindow());
  EXPECT_EQ(wnd.m_hWnd, nullptr);
  EXPECT_EQ(wnd.destroyed, 1);
  EXPECT_EQ(wnd.ncDestroyed, 1);
  EXPECT_FALSE(IsWindow(hwnd));
  EXPECT_FALSE(wnd.DestroyWindow());
}

TEST(FrameworkWnd, FailedCreateLeavesNoWindow) {
  RefusingWnd wnd;
  EXPECT_FALSE(wnd.CreateEx(0, AfxRegisterWndClass(0), "x", WS_POPUP, 0, 0, 10, 10, nullptr,
                            nullptr));
  EXPECT_EQ(wnd.m_hWnd, nullptr);
}

TEST(FrameworkWnd, DestructorDestroysTheWindow) {
  HWND hwnd;
  {
    ProbeWnd wnd;
    ASSERT_TRUE(wnd.Create());
    hwnd = wnd.m_hWnd;
  }
  EXPECT_FALSE(IsWindow(hwnd));
}

TEST(FrameworkWnd, TimerReachesHandler) {
  ProbeWnd wnd;
  ASSERT_TRUE(wnd.Create());
  ASSERT_EQ(wnd.SetTimer(77, 10), 77u);
  for (int i = 0; i < 100 && !wnd.timers; ++i) {
    Sleep(5);
    PumpPending();
  }
  EXPECT_EQ(wnd.timers, 1);
  EXPECT_EQ(wnd.lastTimer, 77u);
}

TEST(FrameworkWnd, PreTranslateWalksFromChildToParent) {
  ProbeWnd parent, child;
  ASSERT_TRUE(parent.Create());
  ASSERT_TRUE(child.Create(parent.m_hWnd));
  parent.eatKeys = true;
  MSG msg{child.m_hWnd, WM_KEYDOWN, VK_SPACE, 0, 0, {0, 0}};
  EXPECT_TRUE(CWnd::WalkPreTranslateTree(nullptr, &msg));
  EXPECT_EQ(child.pretranslated, 1);
  EXPECT_EQ(parent.pretranslated, 1);
  // The walk stops at the given window.
  EXPECT_FALSE(CWnd::WalkPreTranslateTree(child.m_hWnd, &msg));
  EXPECT_EQ(parent.pretranslated, 1);
  msg.message = WM_KEYUP;
  EXPECT_FALSE(CWnd::WalkPreTranslateTree(nullptr, &msg));
}

TEST(FrameworkWnd, SystemClassIsSubclassedAndKeepsItsBehaviour) {
  class Counting : public CWnd {
   public:
    int settext = 0;
    LRESULT WindowProc(UINT m, WPARAM w, LPARAM l) override {
      if (m == WM_SETTEXT) ++settext;
      return CWnd::WindowProc(m, w, l);
    }
  } wnd;
  ASSERT_TRUE(wnd.CreateEx(0, "STATIC", "one", WS_POPUP, 0, 0, 50, 20, nullptr, nullptr));
  wnd.SetWindowText("two");
  EXPECT_EQ(wnd.settext, 1);
  EXPECT_STREQ(wnd.GetWindowText(), "two");
  EXPECT_TRUE(wnd.DestroyWindow());
  EXPECT_EQ(wnd.m_hWnd, nullptr);
}

TEST(FrameworkWnd, CenterWindowOnWorkArea) {
  ProbeWnd wnd;
  ASSERT_TRUE(wnd.Create());
  RECT area;
  SystemParametersInfoA(SPI_GETWORKAREA, 0, &area, 0);
  wnd.CenterWindow();
  CRect rc;
  wnd.GetWindowRect(&rc);
  EXPECT_EQ(rc.left, area.left + (area.right - area.left - 100) / 2);
  EXPECT_EQ(rc.top, area.top + (area.bottom - area.top - 50) / 2);
  EXPECT_EQ(rc.Width(), 100);
}

TEST(FrameworkGdi, MemoryDcBitmapAndFill) {
  CDC dc;
  ASSERT_TRUE(dc.CreateCompatibleDC(nullptr));
  CBitmap bmp;
  ASSERT_TRUE(bmp.CreateBitmap(8, 8, 1, 1, nullptr));
  BITMAP info;
  ASSERT_TRUE(bmp.GetBitmap(&info));
  EXPECT_EQ(info.bmWidth, 8);
  EXPECT_EQ(info.bmBitsPixel, 1);
  HGDIOBJ old = dc.SelectObject(&bmp);
  ASSERT_NE(old, nullptr);
  dc.FillSolidRect(CRect(0, 0, 8, 8), RGB(255, 255, 255));
  dc.FillSolidRect(CRect(2, 2, 4, 4), RGB(0, 0, 0));
  EXPECT_EQ(GetPixel(dc, 0, 0), RGB(255, 255, 255));
  EXPECT_EQ(GetPixel(dc, 3, 3), RGB(0, 0, 0));
  dc.SelectObject(old);
  EXPECT_FALSE(CGdiObject().Attach(nullptr));
}

TEST(FrameworkGdi, PaletteEntriesAndResize) {
  struct {
    LOGPALETTE head;
    PALETTEENTRY more[2];
  } rec{{0x300, 3, {{1, 2, 3, 0}}}, {{4, 5, 6, 0}, {7, 8, 9, PC_RESERVED}}};
  CPalette pal;
  EXPECT_EQ(pal.GetEntryCount(), 0);
  ASSERT_TRUE(pal.CreatePalette(&rec.head));
  EXPECT_EQ(pal.GetEntryCount(), 3);
  ASSERT_TRUE(pal.ResizePalette(5));
  EXPECT_EQ(pal.GetEntryCount(), 5);
  PALETTEENTRY e[3];
  ASSERT_EQ(pal.GetPaletteEntries(0, 3, e), 3u);
  EXPECT_EQ(e[1].peGreen, 5);
  EXPECT_EQ(e[2].peFlags, PC_RESERVED);
}

TEST(FrameworkText, FormatAndConcatenate) {
  CString s;
  s.Format("Cannot load dib from %s\n", "a.bmp");
  EXPECT_STREQ(s, "Cannot load dib from a.bmp\n");
  CString big;
  big.Format("%0300d", 7);
  EXPECT_EQ(big.GetLength(), 300);
  EXPECT_EQ(CString("a") + "b", CString("ab"));
}

}  // namespace
