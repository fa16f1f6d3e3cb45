// The demo media the player plays, all made here by code: the logo movie,
// the introduction movie and the pages' spoken commentary (which, on the
// demo, is a short chime of our own).
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
