// vtlaunch "COMMAND LINE": starts a program with exactly that command line
// (Wine quotes arguments that hold blanks, so a trailing blank cannot reach a
// program through its argument list) and returns the program's exit code.
#include <windows.h>

#include <cstdio>
#include <string>

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: vtlaunch \"PROGRAM ARGUMENTS\"\n");
    return 2;
  }
  std::string line = argv[1];
  STARTUPINFOA si = {};
  si.cb = sizeof si;
  PROCESS_INFORMATION pi = {};
  if (!CreateProcessA(nullptr, &line[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi)) {
    std::fprintf(stderr, "vtlaunch: cannot start %s (error %lu)\n", argv[1], GetLastError());
    return 2;
  }
  WaitForSingleObject(pi.hProcess, INFINITE);
  DWORD code = 0;
  GetExitCodeProcess(pi.hProcess, &code);
  CloseHandle(pi.hThread);
  CloseHandle(pi.hProcess);
  return static_cast<int>(code);
}
