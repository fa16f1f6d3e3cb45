// vtmediagen: writes the demo media that the sample media player plays (the
// logo and introduction movies, the pages' commentary) and the CD launcher's
// sounds into a folder; the build puts the first on the demo CD and compiles
// the launcher's into its resources.
#include <cstdio>
#include <cstring>
#include <string>

#include "media_art.h"

int main(int argc, char** argv) {
  if (argc != 2 || std::strcmp(argv[1], "--help") == 0 || std::strcmp(argv[1], "-h") == 0) {
    std::fprintf(argc == 2 ? stdout : stderr,
                 "usage: vtmediagen FOLDER\n"
                 "Writes the demo movies (logo.vtm, intro.vtm) and sounds (intro.wav, dir.wav),\n"
                 "and the CD launcher's sounds (cdmenu105.wav, cdmenu106.wav, cdmenu107.wav),\n"
                 "into FOLDER, which must exist.\n");
    return argc == 2 ? 0 : 2;
  }
  std::vector<NamedMedia> files = GeneratedMedia();
  for (NamedMedia& sound : LauncherSounds()) files.push_back(std::move(sound));
  for (const NamedMedia& media : files) {
    const std::string path = std::string(argv[1]) + "/" + media.file;
    if (media.bytes.empty()) {
      std::fprintf(stderr, "vtmediagen: %s could not be made\n", media.file.c_str());
      return 1;
    }
    std::FILE* f = std::fopen(path.c_str(), "wb");
    bool ok = f && std::fwrite(media.bytes.data(), 1, media.bytes.size(), f) == media.bytes.size();
    if (f && std::fclose(f) != 0) ok = false;
    if (!ok) {
      std::fprintf(stderr, "vtmediagen: cannot write %s\n", path.c_str());
      return 1;
    }
  }
  return 0;
}
