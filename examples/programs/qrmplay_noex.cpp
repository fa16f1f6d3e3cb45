// A media player library named like the provider's but without its second
// open entry (OpenQRMPlayerEx), for the tests that such a library is not
// used. Its two entries never play anything.
#include <windows.h>

extern "C" __declspec(dllexport) int __cdecl OpenQRMPlayer(HWND, UINT, const char* const*, int, UINT) {
  return 0;
}

extern "C" __declspec(dllexport) void __cdecl CloseQRMPlayer() {}
