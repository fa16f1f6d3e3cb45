/* A program importing a KERNEL32 function by its number, 17, through an
   import library of that one entry (see CMakeLists.txt): a list must name
   @17 for scripts/check-imports.sh to pass it. Built without a C runtime;
   never run, never shipped. */
__declspec(dllimport) int NumberedFunction(void);
__declspec(dllimport) void __stdcall ExitProcess(unsigned code);

__attribute__((noinline)) int CallByNumber(void) {
  return NumberedFunction() + 1;
}

void WinMainCRTStartup(void) {
  ExitProcess((unsigned)CallByNumber());
}
