/* A program calling two functions Windows NT has and Windows 95 lacks, one
   through its IAT slot and one through the import library's thunk, each
   from a function of its own: scripts/check-imports.sh must refuse both
   and name ElapsedMs and DebuggerAttached as the callers. Built without a C
   runtime; never run, never shipped. Declared here rather than taken from
   windows.h, whose declarations depend on the Windows version asked for. */
typedef unsigned long long Ticks;
__declspec(dllimport) Ticks __stdcall GetTickCount64(void);
int __stdcall IsDebuggerPresent(void); /* no dllimport: called through the thunk */
__declspec(dllimport) void __stdcall ExitProcess(unsigned code);

static volatile Ticks start;

__attribute__((noinline)) unsigned ElapsedMs(void) {
  return (unsigned)(GetTickCount64() - start);
}

__attribute__((noinline)) int DebuggerAttached(void) {
  return IsDebuggerPresent() != 0;
}

void WinMainCRTStartup(void) {
  ExitProcess(ElapsedMs() + (unsigned)DebuggerAttached());
}
