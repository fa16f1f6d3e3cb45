// Message maps against real windows: which entry answers which message.
#include <windows.h>
#include <commctrl.h>
#include <gtest/gtest.h>

#include <string>

#include "framework/wnd.h"

namespace {

constexpr UINT kOne = WM_APP + 1, kTwo = WM_APP + 2;

class BaseWnd : public CWnd {
 public:
  BOOL Create() {
    return CreateEx(0, AfxRegisterWndClass(0), "map", WS_POPUP, 0, 0, 20, 20, nullptr, nullptr);
  }
  LRESULT Send(UINT m, WPARAM w = 0, LPARAM l = 0) { return SendMessage(m, w, l); }

 protected:
  LRESULT OnOne(WPARAM, LPARAM) { return 1; }
  LRESULT OnTwo(WPARAM w, LPARAM) { return 2 + static_cast<LRESULT>(w); }
  VT_DECLARE_MESSAGE_MAP()
};

VT_BEGIN_MESSAGE_MAP(BaseWnd, CWnd)
  VT_ON_MESSAGE(kOne, OnOne)
  VT_ON_MESSAGE(kTwo, OnTwo)
VT_END_MESSAGE_MAP()

class DerivedWnd : public BaseWnd {
 public:
  int settexts = 0;

 protected:
  LRESULT OnOneAgain(WPARAM, LPARAM) { return 11; }
  // Counts and lets the default procedure store the text.
  LRESULT OnSetText(WPARAM, LPARAM) {
    ++settexts;
    return Default();
  }
  VT_DECLARE_MESSAGE_MAP()
};

VT_BEGIN_MESSAGE_MAP(DerivedWnd, BaseWnd)
  VT_ON_MESSAGE(kOne, OnOneAgain)
  VT_ON_MESSAGE(WM_SETTEXT, OnSetText)
VT_END_MESSAGE_MAP()

TEST(FrameworkMessageMap, DerivedEntriesComeFirstAndBaseEntriesStillAnswer) {
  DerivedWnd wnd;
  ASSERT_TRUE(wnd.Create());
  EXPECT_EQ(wnd.Send(kOne), 11);
  EXPECT_EQ(wnd.Send(kTwo, 5), 7);
  wnd.SetWindowText("stored");
  EXPECT_EQ(wnd.settexts, 1);
  EXPECT_STREQ(wnd.GetWindowText(), "stored");  // WM_GETTEXT: no entry, default procedure

  BaseWnd base;
  ASSERT_TRUE(base.Create());
  EXPECT_EQ(base.Send(kOne), 1);
  base.SetWindowText("plain");
  EXPECT_STREQ(base.GetWindowText(), "plain");
}

class CommandWnd : public BaseWnd {
 public:
  int hundred = 0, edits = 0;
  std::string calls;

 protected:
  void OnHundred() { ++hundred; }
  void OnEditChange() { ++edits; }
  void OnRange(UINT id) { calls += "range " + std::to_string(id) + ";"; }
  void OnStatus(UINT code, LPARAM text) {
    calls += "status " + std::to_string(code) + " " + reinterpret_cast<const char*>(text) + ";";
  }
  VT_DECLARE_MESSAGE_MAP()
};

VT_BEGIN_MESSAGE_MAP(CommandWnd, BaseWnd)
  VT_ON_COMMAND(100, OnHundred)
  VT_ON_CONTROL(EN_CHANGE, 101, OnEditChange)
  VT_ON_COMMAND_RANGE(200, 209, OnRange)
  VT_ON_COMMAND_PARAM(1001, OnStatus)
VT_END_MESSAGE_MAP()

TEST(FrameworkMessageMap, CommandsMatchTheirIdCodeAndRange) {
  CommandWnd wnd;
  ASSERT_TRUE(wnd.Create());
  auto command = [&](UINT id, UINT code, LPARAM l = 0) {
    wnd.Send(WM_COMMAND, MAKEWPARAM(id, code), l);
  };
  command(100, BN_CLICKED);
  command(100, BN_DOUBLECLICKED);  // another code: not a click
  command(99, BN_CLICKED);
  EXPECT_EQ(wnd.hundred, 1);

  command(101, EN_CHANGE);
  command(101, EN_UPDATE);
  command(101, 0);
  EXPECT_EQ(wnd.edits, 1);

  command(199, 0);
  command(200, 0);
  command(209, 0);
  command(210, 0);
  command(205, EN_CHANGE);
  command(1001, 0, reinterpret_cast<LPARAM>("a.txt"));
  command(1001, 4, reinterpret_cast<LPARAM>("setup.exe"));
  EXPECT_EQ(wnd.calls, "range 200;range 209;status 0 a.txt;status 4 setup.exe;");
}

class NotifyWnd : public BaseWnd {
 public:
  const NMHDR* seen = nullptr;

 protected:
  void OnClick(NMHDR* header, LRESULT* result) {
    seen = header;
    *result = 42;
  }
  VT_DECLARE_MESSAGE_MAP()
};

VT_BEGIN_MESSAGE_MAP(NotifyWnd, BaseWnd)
  VT_ON_NOTIFY(NM_CLICK, 7, OnClick)
VT_END_MESSAGE_MAP()

TEST(FrameworkMessageMap, NotificationsMatchCodeAndControlAndReturnTheResult) {
  NotifyWnd wnd;
  ASSERT_TRUE(wnd.Create());
  NMHDR header{nullptr, 7, static_cast<UINT>(NM_CLICK)};
  EXPECT_EQ(wnd.Send(WM_NOTIFY, 7, reinterpret_cast<LPARAM>(&header)), 42);
  EXPECT_EQ(wnd.seen, &header);

  wnd.seen = nullptr;
  NMHDR other{nullptr, 8, static_cast<UINT>(NM_CLICK)};
  EXPECT_EQ(wnd.Send(WM_NOTIFY, 8, reinterpret_cast<LPARAM>(&other)), 0);
  NMHDR dbl{nullptr, 7, static_cast<UINT>(NM_DBLCLK)};
  EXPECT_EQ(wnd.Send(WM_NOTIFY, 7, reinterpret_cast<LPARAM>(&dbl)), 0);
  EXPECT_EQ(wnd.Send(WM_NOTIFY, 7, 0), 0);  // no header: nothing to match
  EXPECT_EQ(wnd.seen, nullptr);
}

// A table that names itself as its base: the lookup must still end.
class LoopWnd : public BaseWnd {
  VT_DECLARE_MESSAGE_MAP()
};

VT_BEGIN_MESSAGE_MAP(LoopWnd, LoopWnd)
VT_END_MESSAGE_MAP()

TEST(FrameworkMessageMap, ASelfChainedTableEndsTheLookup) {
  LoopWnd wnd;
  ASSERT_TRUE(wnd.Create());
  EXPECT_EQ(wnd.Send(kOne), 0);  // not found, default procedure
  wnd.SetWindowText("ok");
  EXPECT_STREQ(wnd.GetWindowText(), "ok");
}

}  // namespace
