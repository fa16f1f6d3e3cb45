#include <gtest/gtest.h>

#include <atomic>
#include <string>
#include <thread>
#include <vector>

#include "setup/dialogs/exit_notice_dlg.h"
#include "setup/dialogs/progress_dlg.h"
#include "scripted_app.h"
#include "core/steps/marquee.h"

namespace {

struct Report {
  UINT id;
  UINT code;
  std::string text;
};
std::vector<Report>* g_reports = nullptr;

LRESULT CALLBACK ProgressProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_COMMAND && g_reports)
    g_reports->push_back({LOWORD(wParam), HIWORD(wParam), reinterpret_cast<const char*>(lParam)});
  return DefWindowProcA(hwnd, message, wParam, lParam);
}

// Records whether the progress window was visible while each box was up.
class ProgressApp : public ScriptedApp {
 public:
  int DoMessageBox(const char* text, UINT style, HWND owner) override {
    visibleDuringBox.push_back(m_hProgressWnd && IsWindowVisible(m_hProgressWnd));
    return ScriptedApp::DoMessageBox(text, style, owner);
  }
  // The worker of a progress dialog: reports one directory and ends with 7.
  int InstallFromDisks() override {
    visibleToWorker = ProgressVisible();
    NotifyProgress(2, "c:\\vantora");
    return 7;
  }
  std::vector<bool> visibleDuringBox;
  bool visibleToWorker = false;
};

class Services : public ::testing::Test {
 protected:
  void SetUp() override {
    WNDCLASSA wc = {};
    wc.lpfnWndProc = ProgressProc;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.lpszClassName = "VtTestProgress";
    RegisterClassA(&wc);
    progress = CreateWindowExA(0, "VtTestProgress", "progress", WS_POPUP | WS_VISIBLE, 0, 0, 50,
                               50, nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
    ASSERT_TRUE(progress);
    g_reports = &reports;
  }
  void TearDown() override {
    g_reports = nullptr;
    dialog.Detach();
    DestroyWindow(progress);
  }
  // The test window stands in for a shown progress dialog's window.
  void Shown() {
    dialog.Attach(progress);
    app.m_pProgressDlg = &dialog;
    app.m_hProgressWnd = progress;
    app.m_bProgressShown = true;
  }
  ProgressApp app;
  CProgressDlg dialog;
  HWND progress = nullptr;
  std::vector<Report> reports;
};

// Outside an installation the screen window owns the box; before there is
// one, nothing does.
TEST_F(Services, MessageBoxOutsideAnInstallationBelongsToTheScreen) {
  app.answers = {IDRETRY, IDOK};
  EXPECT_EQ(app.AppMessageBox("Disk full", MB_RETRYCANCEL | MB_ICONSTOP), IDRETRY);
  CWnd screen;
  screen.Attach(progress);  // any top-level window stands in for the screen
  app.m_pMainWnd = &screen;
  app.AppMessageBox("SkipAccess", MB_OK);
  app.m_pMainWnd = nullptr;
  screen.Detach();
  ASSERT_EQ(app.boxes.size(), 2u);
  EXPECT_EQ(app.boxes[0].text, "Disk full");
  EXPECT_EQ(app.boxes[0].style, static_cast<UINT>(MB_RETRYCANCEL | MB_ICONSTOP));
  EXPECT_EQ(app.boxes[0].owner, nullptr);
  EXPECT_EQ(app.boxes[1].owner, progress);
  EXPECT_TRUE(IsWindowVisible(progress));  // not a progress dialog: left alone
}

// A real box: while it is up the screen window takes no clicks, and it does
// again afterwards; the framework's own boxes do the same.
TEST_F(Services, TheScreenTakesNoClicksWhileItsBoxIsUp) {
  CWinApp real("Vantora Installation");
  CWnd screen;
  screen.Attach(progress);
  real.m_pMainWnd = &screen;
  std::atomic<int> seen{0};
  std::atomic<HWND> owner{nullptr};
  std::atomic<bool> screenEnabled{true};
  std::thread watcher([&] {
    for (int i = 0; i < 500 && seen < 2; ++i) {
      HWND box = FindWindowA("#32770", "Vantora Installation");
      if (box && IsWindowVisible(box)) {
        owner = GetWindow(box, GW_OWNER);
        screenEnabled = IsWindowEnabled(progress) != FALSE;
        PostMessageA(box, WM_COMMAND, IDOK, 0);
        ++seen;
        while (IsWindow(box)) Sleep(10);
      }
      Sleep(10);
    }
  });
  real.DoMessageBox("Go on?", MB_OK, real.MainWindowHandle());
  const HWND firstOwner = owner;
  const bool firstEnabled = screenEnabled;
  AfxMessageBox("Logging is not available", MB_OK);
  watcher.join();
  real.m_pMainWnd = nullptr;
  screen.Detach();
  EXPECT_EQ(seen, 2);
  EXPECT_EQ(firstOwner, progress);
  EXPECT_FALSE(firstEnabled);
  EXPECT_EQ(owner.load(), progress);
  EXPECT_FALSE(screenEnabled);
  EXPECT_TRUE(IsWindowEnabled(progress));
}

TEST_F(Services, MessageBoxStepsInFrontOfTheProgressDialog) {
  Shown();
  app.answers = {IDNO};
  EXPECT_EQ(app.AppMessageBox("Go on?", MB_YESNO), IDNO);
  ASSERT_EQ(app.boxes.size(), 1u);
  EXPECT_EQ(app.boxes[0].owner, progress);
  EXPECT_EQ(app.visibleDuringBox, std::vector<bool>{false});
  EXPECT_TRUE(IsWindowVisible(progress));
}

TEST_F(Services, ShowProgressOnlyActsOnAShownDialog) {
  app.m_hProgressWnd = progress;
  app.ShowProgress(false);
  EXPECT_TRUE(IsWindowVisible(progress));
  Shown();
  app.ShowProgress(false);
  EXPECT_FALSE(IsWindowVisible(progress));
  app.ShowProgress(true);
  EXPECT_TRUE(IsWindowVisible(progress));
}

TEST_F(Services, ProgressReportsReachAShownDialogOnly) {
  app.NotifyProgress(1, "base.z");
  EXPECT_TRUE(reports.empty());
  Shown();
  app.NotifyProgress(1, "base.z");
  app.NotifyProgress(0, "readme.txt");
  ASSERT_EQ(reports.size(), 2u);
  EXPECT_EQ(reports[0].id, 1001u);
  EXPECT_EQ(reports[0].code, 1u);
  EXPECT_EQ(reports[0].text, "base.z");
  EXPECT_EQ(reports[1].code, 0u);
}

// A progress dialog run modally: while it is up the services reach it from
// the worker, after it has ended its old handle is forgotten, and a handle
// that is not the dialog object's window is never used.
TEST_F(Services, ProgressWindowIsForgottenWhenTheDialogEnds) {
  CProgressDlg run;
  app.m_pProgressDlg = &run;
  EXPECT_EQ(run.DoModal(), 7);
  EXPECT_TRUE(app.visibleToWorker);
  EXPECT_STREQ(run.m_strStatus, "Creating directory c:\\vantora");
  EXPECT_EQ(app.m_hProgressWnd, nullptr);
  EXPECT_TRUE(app.m_bProgressShown);  // stays set after the dialog has gone
  EXPECT_FALSE(app.ProgressVisible());
  app.AppMessageBox("After", MB_OK);
  ASSERT_EQ(app.boxes.size(), 1u);
  EXPECT_EQ(app.boxes[0].owner, nullptr);

  // A stale handle that now names another window is left alone.
  app.m_hProgressWnd = progress;
  EXPECT_FALSE(app.ProgressVisible());
  app.NotifyProgress(0, "late.txt");
  app.ShowProgress(false);
  EXPECT_TRUE(reports.empty());
  EXPECT_TRUE(IsWindowVisible(progress));
  app.AppMessageBox("Later", MB_OK);
  EXPECT_EQ(app.boxes.back().owner, nullptr);
  // So is the right window once the dialog object has been let go.
  Shown();
  app.m_pProgressDlg = nullptr;
  app.NotifyProgress(0, "later.txt");
  EXPECT_TRUE(reports.empty());
}

TEST_F(Services, MessageInstructionAnswers) {
  Shown();
  app.answers = {IDNO, IDYES, IDCANCEL, IDOK};
  EXPECT_EQ(RunMessageInstruction("Stop", "Really stop?, BTN_YESNO+ICON_STOP"), 0);
  EXPECT_EQ(RunMessageInstruction("Stop", "Really stop?, BTN_YESNO+ICON_STOP"), 1);
  EXPECT_EQ(RunMessageInstruction("Cd", "Insert the second CD, BTN_OKCANCEL + ICON_QUESTION"), 0);
  EXPECT_EQ(RunMessageInstruction("Note", "Files are copied now"), 1);
  ASSERT_EQ(app.boxes.size(), 4u);
  EXPECT_EQ(app.boxes[0].text, "Really stop?");
  EXPECT_EQ(app.boxes[0].style, 0x14u);
  EXPECT_EQ(app.boxes[2].text, "Insert the second CD");
  EXPECT_EQ(app.boxes[2].style, 0x21u);
  EXPECT_EQ(app.boxes[3].style, 0u);
  for (bool visible : app.visibleDuringBox) EXPECT_FALSE(visible);
  EXPECT_TRUE(IsWindowVisible(progress));
}

TEST(ExitNotice, ScrollsElevenTicksAndClosesByItself) {
  ScriptedApp app;
  CExitNoticeDlg notice;
  const DWORD start = GetTickCount();
  EXPECT_EQ(notice.DoModal(), 1);
  const DWORD elapsed = GetTickCount() - start;
  EXPECT_EQ(notice.m_nTicks, 11);
  std::string expected = kExitNoticeText;
  for (int i = 0; i < 11; ++i) RotateMarquee(expected);
  EXPECT_EQ(notice.m_strText, expected);
  EXPECT_EQ(notice.m_strText, "tora... Please wait...  Exiting Van");
  EXPECT_GE(elapsed, 600u);
  EXPECT_LT(elapsed, 2000u);
  std::printf("exit notice was up for %lu ms\n", static_cast<unsigned long>(elapsed));
}

}  // namespace
