// The progress dialog run modally under Wine with a scripted worker: the
// animation of each kind of work, the status line, the cancel question, and
// the worker's result as the dialog's.
#include <gtest/gtest.h>

#include <chrono>
#include <functional>
#include <string>
#include <thread>
#include <utility>

#include "engine_app.h"
#include "setup/dialogs/progress_dlg.h"

namespace {

// The dialog's state as the worker sees it, under the dialog's own lock.
class ProbeDlg : public CProgressDlg {
 public:
  std::pair<int, int> CategoryAndFrame() {
    std::lock_guard<Lock> hold(m_lock);
    return {m_nCategory, m_nFrame};
  }
  std::string Status() {
    std::lock_guard<Lock> hold(m_lock);
    return static_cast<const char*>(m_strStatus);
  }
};

// The disk installation is whatever the test gives it, on the worker.
class WorkerApp : public EngineApp {
 public:
  int InstallFromDisks() override { return work(); }
  // Status reports reach the real dialog.
  void NotifyProgress(int code, const char* text) override { CSetupVTApp::NotifyProgress(code, text); }
  void ShowProgress(bool show) override { CSetupVTApp::ShowProgress(show); }
  ProbeDlg* Dialog() { return static_cast<ProbeDlg*>(m_pProgressDlg); }
  // A box that keeps the main thread away from its messages a while.
  int DoMessageBox(const char* text, UINT style, HWND owner) override {
    const int answer = EngineApp::DoMessageBox(text, style, owner);
    Sleep(boxMs);
    return answer;
  }
  std::function<int()> work;
  DWORD boxMs = 0;
};

void Wait(int ms) { std::this_thread::sleep_for(std::chrono::milliseconds(ms)); }

// Waits up to two seconds for `done`.
template <typename Done>
bool WaitFor(Done done) {
  for (int i = 0; i < 200; ++i) {
    if (done()) return true;
    Wait(10);
  }
  return false;
}

class ProgressDialog : public ::testing::Test {
 protected:
  INT_PTR Run() {
    app.m_pProgressDlg = &dialog;
    const INT_PTR result = dialog.DoModal();
    app.m_pProgressDlg = nullptr;
    return result;
  }
  WorkerApp app;
  ProbeDlg dialog;
};

TEST_F(ProgressDialog, ReportsSwitchTheAnimationOnlyWhenTheirKindChanges) {
  std::pair<int, int> before, sameKind, otherKind;
  HICON shown = nullptr;
  app.work = [&] {
    Wait(450);  // the timer steps the copy animation meanwhile
    before = app.Dialog()->CategoryAndFrame();
    app.NotifyProgress(0, "readme.txt");
    sameKind = app.Dialog()->CategoryAndFrame();
    app.NotifyProgress(3, "vantora.reg");
    otherKind = app.Dialog()->CategoryAndFrame();
    shown = reinterpret_cast<HICON>(SendDlgItemMessageA(app.m_hProgressWnd, 1001, STM_GETICON, 0, 0));
    return 1;
  };
  EXPECT_EQ(Run(), 1);
  EXPECT_EQ(before.first, 0);
  EXPECT_GE(before.second, 2);
  EXPECT_EQ(sameKind, before);  // the same animation goes on where it was
  EXPECT_EQ(otherKind, (std::pair<int, int>{3, 0}));
  EXPECT_NE(shown, nullptr);
  EXPECT_STREQ(dialog.m_strStatus, "Updating registry... vantora.reg");
  EXPECT_TRUE(app.LogHas("Exiting progress with error 1\n"));
  EXPECT_EQ(app.m_hProgressWnd, nullptr);
  EXPECT_TRUE(app.m_bProgressShown);
}

TEST_F(ProgressDialog, EveryKindHasItsPrefix) {
  std::vector<std::string> lines;
  app.work = [&] {
    for (int code = 0; code < 5; ++code) {
      app.NotifyProgress(code, "x");
      lines.push_back(app.Dialog()->Status());
    }
    app.NotifyProgress(9, "odd");  // an unknown kind: the text alone
    lines.push_back(app.Dialog()->Status());
    return -1;
  };
  EXPECT_EQ(Run(), -1);
  EXPECT_EQ(lines, (std::vector<std::string>{"Copying file x", "Decompressing archive x", "Creating directory x",
                                             "Updating registry... x", "Running x", "odd"}));
}

TEST_F(ProgressDialog, NoToTheCancelQuestionChangesNothing) {
  app.answers = {IDNO};
  bool asked = false;
  HWND window = nullptr;
  app.work = [&] {
    window = app.m_hProgressWnd;
    app.NotifyProgress(1, "client.z");
    PostMessageA(app.m_hProgressWnd, WM_COMMAND, IDCANCEL, 0);
    asked = WaitFor([&] { return app.boxes.size() == 1; });
    Wait(100);
    // Enter does not end the dialog either.
    PostMessageA(app.m_hProgressWnd, WM_COMMAND, IDOK, 0);
    Wait(100);
    return 1;
  };
  EXPECT_EQ(Run(), 1);
  EXPECT_TRUE(asked);
  ASSERT_EQ(app.boxes.size(), 1u);
  EXPECT_EQ(app.boxes[0].text, "Are you sure you want to cancel the setup?");
  EXPECT_EQ(app.boxes[0].style, 4u);
  EXPECT_EQ(app.boxes[0].owner, window);  // over the dialog, which steps aside meanwhile
  EXPECT_FALSE(app.m_bAbort);
  EXPECT_STREQ(dialog.m_strStatus, "Decompressing archive client.z");
  EXPECT_FALSE(app.LogHas("Canceled\n"));
}

// Enter reaches the dialog after the worker has finished but before its
// report does: the dialog still ends with the worker's result.
TEST_F(ProgressDialog, EnterBeforeTheWorkersReportDoesNotEndIt) {
  app.answers = {IDNO};
  app.boxMs = 400;
  app.work = [&] {
    PostMessageA(app.m_hProgressWnd, WM_COMMAND, IDCANCEL, 0);
    WaitFor([&] { return app.boxes.size() == 1; });  // the main thread is held in the box
    PostMessageA(app.m_hProgressWnd, WM_COMMAND, IDOK, 0);
    return 5;
  };
  EXPECT_EQ(Run(), 5);
  EXPECT_TRUE(app.LogHas("Exiting progress with error 5\n"));
}

TEST_F(ProgressDialog, YesAsksTheWorkerToStopAndTheDialogWaitsForIt) {
  app.answers = {IDYES};
  std::string statusAfterYes;
  bool stillUp = false;
  app.work = [&] {
    // The close box asks the same question as the Cancel button.
    PostMessageA(app.m_hProgressWnd, WM_CLOSE, 0, 0);
    EXPECT_TRUE(WaitFor([&] { return app.m_bAbort.load(); }));
    Wait(200);
    statusAfterYes = app.Dialog()->Status();
    stillUp = IsWindowVisible(app.m_hProgressWnd);
    return 0;  // the loops return their code once they see the request
  };
  EXPECT_EQ(Run(), 0);
  EXPECT_EQ(statusAfterYes, "Please wait...");
  EXPECT_TRUE(stillUp);
  EXPECT_TRUE(app.LogHas("Canceled\n"));
  EXPECT_TRUE(app.LogHas("Exiting progress with error 0\n"));
}

}  // namespace
