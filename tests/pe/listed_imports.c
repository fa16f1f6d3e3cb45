/* A program importing only functions Windows 95 exports: built without a C
   runtime (-nostdlib, entered here), so its import table holds exactly the
   three calls below. scripts/check-imports.sh must pass it, and must refuse
   it once a list lacks one of them. Never run, never shipped. */
#include <windows.h>

void WinMainCRTStartup(void) {
  if (GetModuleHandleA(NULL) == NULL) MessageBoxA(NULL, "no module", "listed_imports", MB_OK);
  ExitProcess(0);
}
