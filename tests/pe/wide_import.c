/* A program importing a wide-character function, which Windows 95 exports
   only as a stub that fails: scripts/check-imports.sh must refuse it
   although the KERNEL32 list names it, unless wide-stubs.txt gives it a
   fallback. Built without a C runtime; never run, never shipped. */
__declspec(dllimport) void *__stdcall GetModuleHandleW(const unsigned short *name);
__declspec(dllimport) void __stdcall ExitProcess(unsigned code);

__attribute__((noinline)) void *OwnModule(void) {
  return GetModuleHandleW(0);
}

void WinMainCRTStartup(void) {
  ExitProcess(OwnModule() == 0);
}
