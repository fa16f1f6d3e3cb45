// The runtime of the programs we ship: the few C and C++ runtime pieces
// they need, built for the Pentium with our own flags, in place of MinGW's
// start-up code, its C runtime DLL (msvcrt.dll, which Windows 95 retail
// does not have) and the prebuilt libstdc++ (built for the Pentium Pro).
//
// Who links it: every program and DLL that goes on our media, through
// vt_shipped() (cmake/shipped.cmake). Who calls it: the Windows loader (the
// entry points), the compiler (memcpy, guards, atexit, operator new), the
// standard headers (the __throw_ functions, the tree functions, string
// members), and our code through the C functions it names.
//
// What it offers is what those callers need and nothing more. A new call
// the runtime lacks shows up as an undefined symbol when a program links.
//
// This header is the runtime's own: what its files share.
#pragma once
#include <windows.h>

// Ends the program with a message naming REASON: the runtime's one answer
// to what a program cannot go on from (memory exhausted, a pure virtual
// call, a broken library precondition). Never returns.
[[noreturn]] void VtFatal(const char* reason);

// False on a processor older than the 486 (processor.cpp). 386
// instructions only, so that it can run before anything else.
bool VtProcessorIs486();

// The lock the runtime's own lists and the guards of local statics share.
// VtCrtInit sets it up before anything else runs.
void VtCrtInit();
void VtCrtLock();
void VtCrtUnlock();

// Static constructors of this module, in the order the compiler expects,
// and at the end the functions registered with atexit and the static
// destructors, last registered first.
void VtRunConstructors();
void VtRunExitList();
