// A DLL's entry point: the loader calls VtDllStartup (cmake/shipped.cmake
// names it with -e). The static constructors run on attach, before the
// DLL's own DllMain, and the exit list on detach, after it.
#include "crt.h"

// The DLL's own, or the default (dll_main.cpp) for a DLL that needs none.
extern "C" BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID reserved);

extern "C" BOOL WINAPI VtDllStartup(HINSTANCE instance, DWORD reason, LPVOID reserved) {
  switch (reason) {
    case DLL_PROCESS_ATTACH: {
      VtCrtInit();
      VtRunConstructors();
      const BOOL ok = DllMain(instance, reason, reserved);
      // A DLL that refuses to load is unloaded without a detach call.
      if (!ok) VtRunExitList();
      return ok;
    }
    case DLL_PROCESS_DETACH: {
      const BOOL ok = DllMain(instance, reason, reserved);
      VtRunExitList();
      return ok;
    }
    default:
      return DllMain(instance, reason, reserved);
  }
}
