// A module named like the registration module but without its entry point,
// for the tests of the registration step.
#include <windows.h>

extern "C" __declspec(dllexport) int __cdecl SomethingElse() { return 0; }
