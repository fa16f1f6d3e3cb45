#include "launcher.h"

// The multimedia library's play-sound function, imported by its number
// (winmm_ordinal.def): the sound is a resource of `module`, and with no
// asynchronous flag the call returns when it has been played.
extern "C" BOOL WINAPI PlaySoundResource(LPCSTR sound, HMODULE module, DWORD flags);

namespace {
constexpr DWORD kResourceSound = 0x40004;
}

void PlayLaunchSound(int id) { PlaySoundResource(MAKEINTRESOURCEA(id), g_instance, kResourceSound); }
