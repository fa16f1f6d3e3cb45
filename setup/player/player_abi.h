// The calls between the setup program and the media player library
// QRMPlay.dll. The library is the provider's; the setup program loads it by
// name and looks up these three entries. Our sample player
// (examples/programs) implements them; setup/player calls them.
//
// OpenQRMPlayer(owner, flags, path, number, controlId)
//   owner      the dialog the picture or the controls belong to
//   flags      what to play and how (0x4022 a page's commentary, 0x402A the
//              introduction movie, 0x4400 the logo movie)
//   path       a reference to the string holding the file's path: the
//              string object is a single pointer to its characters, so the
//              library receives the address of that pointer
//   number     103 for the commentary and the introduction movie, 0 for
//              the logo movie
//   controlId  the owner's frame that the picture is shown in (1006)
//   result     non-zero: playing has started; 0: it has not
// OpenQRMPlayerEx: never called, but a library without it is not used.
// CloseQRMPlayer(): stops and closes what the last open started.
//
// When a movie opened with the logo flags has played to its end, the
// library sends its owner VT_PLAYER_DONE with VT_PLAYER_DONE_PARAM.
#pragma once
#include <windows.h>

extern "C" {
typedef int(__cdecl* VTOpenQRMPlayerFn)(HWND owner, UINT flags, const char* const* path, int number,
                                         UINT controlId);
typedef int(__cdecl* VTOpenQRMPlayerExFn)(HWND owner, UINT flags, const char* const* path, int number,
                                           UINT controlId, DWORD reserved);
typedef void(__cdecl* VTCloseQRMPlayerFn)(void);
}

#define VT_PLAYER_DONE (WM_USER + 200)
#define VT_PLAYER_DONE_PARAM 525

// The flags and numbers the setup program passes.
#define VT_PLAY_COMMENTARY 0x4022
#define VT_PLAY_INTRO_MOVIE 0x402A
#define VT_PLAY_LOGO_MOVIE 0x4400
#define VT_PLAY_NUMBER 103
#define VT_PLAY_FRAME 1006
