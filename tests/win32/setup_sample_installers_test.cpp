// The other installers on the demo CD (the sample installer under three
// names), started as the launcher starts them: the bare path as the command
// line, their own folder current. Each shows its stand-in window, titled
// after its file name, and ends with 0; the start log (VT_SAMPLE_LOG) says
// which program ran where, with which command line, whatever it then does.
#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "engine_app.h"

namespace {

std::string DemoCd() { return FromLinux(VT_DEMO_CD); }

// A program started with exactly `line` in folder `dir`; its exit code, or
// -1 when it did not end within `ms`. With `close`, its window of that
// title is closed as soon as it shows (and *text receives its text first).
int RunProgram(const std::string& line, const std::string& dir, DWORD ms, std::string close = "",
        std::string* text = nullptr) {
  std::string command = line;
  STARTUPINFOA si{};
  si.cb = sizeof si;
  PROCESS_INFORMATION pi{};
  if (!CreateProcessA(nullptr, &command[0], nullptr, nullptr, FALSE, 0, nullptr, dir.c_str(), &si, &pi))
    return -2;
  const DWORD start = GetTickCount();
  DWORD code = static_cast<DWORD>(-1);
  while (GetTickCount() - start < ms) {
    if (WaitForSingleObject(pi.hProcess, 20) == WAIT_OBJECT_0) {
      GetExitCodeProcess(pi.hProcess, &code);
      break;
    }
    HWND window = close.empty() ? nullptr : FindWindowA("VtSampleInstaller", close.c_str());
    if (window && IsWindowVisible(window)) {
      if (text) {
        char buffer[1024] = "";
        GetDlgItemTextA(window, 100, buffer, sizeof buffer);
        *text = buffer;
      }
      PostMessageA(window, WM_CLOSE, 0, 0);
      close.clear();
    }
  }
  if (code == static_cast<DWORD>(-1)) TerminateProcess(pi.hProcess, 99);
  CloseHandle(pi.hThread);
  CloseHandle(pi.hProcess);
  return static_cast<int>(code);
}

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

class SampleInstallers : public ::testing::Test {
 protected:
  SampleInstallers() : dir("samples"), log(dir / "start.log") { SetEnvironmentVariableA("VT_SAMPLE_LOG", log.c_str()); }
  ~SampleInstallers() override { SetEnvironmentVariableA("VT_SAMPLE_LOG", nullptr); }
  ScratchDir dir;
  std::string log;
};

TEST_F(SampleInstallers, StartedBareTheyShowWhichProgramAndWhere) {
  const std::string cd = DemoCd();
  struct Case {
    const char* folder;
    const char* file;
    const char* title;
  };
  const Case cases[] = {{"ie", "Msie.exe", "Msie - sample installer"},
                        {"Pw", "Setup.exe", "Setup - sample installer"},
                        {"Corvane", "Setup.exe", "Setup - sample installer"}};
  std::string expected_log;
  for (const Case& c : cases) {
    const std::string folder = cd + "\\" + c.folder;
    const std::string program = folder + "\\" + c.file;
    std::string text;
    EXPECT_EQ(RunProgram(program, folder, 10000, c.title, &text), 0) << program;
    EXPECT_NE(text.find(std::string("This is ") + c.file + ","), std::string::npos) << text;
    EXPECT_NE(text.find("It runs in " + folder), std::string::npos) << text;
    expected_log += program + "|" + folder + "|" + program + "\r\n";
  }
  EXPECT_EQ(ReadTextFile(log), expected_log);

  // Left alone, the window goes by itself after its 4 seconds.
  const DWORD start = GetTickCount();
  EXPECT_EQ(RunProgram(cd + "\\ie\\Msie.exe", cd + "\\ie", 15000), 0);
  const DWORD shown = GetTickCount() - start;
  EXPECT_GE(shown, 3900u);
  EXPECT_LT(shown, 12000u);
}

TEST_F(SampleInstallers, TheStartLogComesFirstWhateverTheCommandLine) {
  const std::string setup = FromLinux(std::string(VT_DEMO_SETUP));
  const std::string program = setup + "\\tools\\setup.exe";
  EXPECT_EQ(RunProgram(program + " /exit 7", setup, 10000), 7);
  EXPECT_EQ(RunProgram("\"" + program + "\" /bogus", dir.path(), 10000), 2);
  const std::vector<std::string> lines = Lines(ReadTextFile(log));
  ASSERT_EQ(lines.size(), 2u);
  EXPECT_EQ(lines[0], program + "|" + setup + "|" + program + " /exit 7\r");
  EXPECT_EQ(lines[1], program + "|" + dir.path() + "|\"" + program + "\" /bogus\r");
}

}  // namespace
