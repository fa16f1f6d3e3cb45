// The DllMain of a DLL that has none of its own. In an archive member of
// its own, so that a DLL's own DllMain takes its place.
#include <windows.h>

extern "C" BOOL WINAPI DllMain(HINSTANCE, DWORD, LPVOID) { return TRUE; }
