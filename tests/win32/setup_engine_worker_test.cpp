// The installation worker: runs its job on its own thread and posts the
// result to the progress dialog's window, unchanged, in a message of its own.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine_app.h"
#include "setup/dialogs/progress_dlg.h"
#include "setup/engine/install_worker.h"

namespace {

struct Posted {
  UINT message;
  WPARAM id;
  LPARAM result;
};
std::vector<Posted> g_posted;

LRESULT CALLBACK Receiver(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_COMMAND || message == CProgressDlg::kWorkerFinished)
    g_posted.push_back({message, wParam, lParam});
  return DefWindowProcA(hwnd, message, wParam, lParam);
}

class WorkerApp : public EngineApp {
 public:
  int InstallFromDisks() override {
    ran.push_back("disks");
    threads.push_back(GetCurrentThreadId());
    return result;
  }
  int InstallSoftware(const std::string& line) override {
    ran.push_back(line);
    threads.push_back(GetCurrentThreadId());
    return result;
  }
  int result = 1;
  std::vector<std::string> ran;
  std::vector<DWORD> threads;
};

class Worker : public ::testing::Test {
 protected:
  void SetUp() override {
    WNDCLASSA wc{};
    wc.lpfnWndProc = Receiver;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.lpszClassName = "VtWorkerReceiver";
    RegisterClassA(&wc);
    window = CreateWindowExA(0, "VtWorkerReceiver", "", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                             GetModuleHandleA(nullptr), nullptr);
    ASSERT_TRUE(window);
    dialog.Attach(window);
    app.m_pProgressDlg = &dialog;
    g_posted.clear();
  }
  void TearDown() override {
    dialog.Detach();
    DestroyWindow(window);
  }
  // Runs the worker to its end and collects what it posted.
  void Run(InstallJob* job) {
    HANDLE thread = CreateThread(nullptr, 0, InstallWorker, job, 0, nullptr);
    ASSERT_TRUE(thread);
    ASSERT_EQ(WaitForSingleObject(thread, 10000), WAIT_OBJECT_0);
    DWORD code = 0;
    GetExitCodeThread(thread, &code);
    EXPECT_EQ(code, 1u);
    CloseHandle(thread);
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&msg);
  }
  WorkerApp app;
  CProgressDlg dialog;
  HWND window = nullptr;
};

TEST_F(Worker, PostsTheDiskInstallationsResultUnchanged) {
  for (int result : {-1, 0, 1}) {
    g_posted.clear();
    app.result = result;
    Run(nullptr);
    ASSERT_EQ(g_posted.size(), 1u) << result;
    EXPECT_EQ(g_posted[0].message, CProgressDlg::kWorkerFinished);
    EXPECT_EQ(g_posted[0].result, result);
  }
  EXPECT_EQ(app.ran, (std::vector<std::string>{"disks", "disks", "disks"}));
  EXPECT_NE(app.threads[0], GetCurrentThreadId());
}

TEST_F(Worker, RunsOneSoftwareLineWhenGivenOne) {
  InstallJob job{"Browser=6,Browser Files"};
  app.result = 2;
  Run(&job);
  EXPECT_EQ(app.ran, std::vector<std::string>{"Browser=6,Browser Files"});
  ASSERT_EQ(g_posted.size(), 1u);
  EXPECT_EQ(g_posted[0].result, 2);
  InstallJob none{""};
  Run(&none);
  EXPECT_EQ(app.ran.back(), "disks");
}

}  // namespace
