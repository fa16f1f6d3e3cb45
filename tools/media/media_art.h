// The demo media the player plays, all made here by code: the logo movie,
// the introduction movie and the pages' spoken commentary (which, on the
// demo, is a short chime of our own); and the CD launcher's sounds.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

struct NamedMedia {
  std::string file;  // file name in the media folder
  std::vector<uint8_t> bytes;
};

// logo.vtm (157 x 144, about 3 seconds), intro.vtm (146 x 130, about 2.4
// seconds), intro.wav and dir.wav.
std::vector<NamedMedia> GeneratedMedia();

// A chime: each note a sine with a soft overtone, struck at `start` and
// decaying over `length` seconds; the file is mono 16-bit at the rate and
// lasts until the last note has died away.
struct Note {
  double hz, start, length;
};
std::vector<uint8_t> MakeChime(const std::vector<Note>& notes, uint32_t sampleRate);

// The CD launcher's sound resources (launcher_sounds.cpp): cdmenu105.wav,
// the start-up jingle (16-bit, 22050 Hz, 0.97 s); cdmenu106.wav, the falling
// swoosh of minimising (16-bit, 44100 Hz, 0.41 s); cdmenu107.wav, the click
// of the buttons and of closing (8-bit, 22255 Hz, 0.03 s).
std::vector<NamedMedia> LauncherSounds();
