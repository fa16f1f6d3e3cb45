// A program's entry point: the loader calls VtExeStartup (cmake/shipped.cmake
// names it with -e). It does what MinGW's start-up code did for us before,
// and no more: the processor's check, the runtime lock, the static
// constructors, WinMain with the command line after the program's name,
// the exit list, ExitProcess.
#include "command_tail.h"
#include "crt.h"
#include "crt_texts.h"

namespace {
int ShowCommand() {
  STARTUPINFOA info{};
  info.cb = sizeof info;
  ::GetStartupInfoA(&info);
  return (info.dwFlags & STARTF_USESHOWWINDOW) ? info.wShowWindow : SW_SHOWDEFAULT;
}
}  // namespace

extern "C" DWORD VtExeStartup() {
  // Before the first instruction a 386 lacks; our DLLs are loaded by our
  // programs, which have asked already.
  if (!VtProcessorIs486()) VtFatal(kNeeds486);
  VtCrtInit();
  VtRunConstructors();
  const int code = WinMain(::GetModuleHandleA(nullptr), nullptr,
                           const_cast<char*>(VtCommandTail(::GetCommandLineA())), ShowCommand());
  VtRunExitList();
  ::ExitProcess(static_cast<UINT>(code));
}
