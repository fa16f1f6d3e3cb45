// vtpicgen: writes the generated pictures (splash pictures, test patterns)
// as bitmap files into a folder; the builds compile them into resources and
// put them on the demo media.
#include <cstdio>
#include <cstring>
#include <string>

#include "pictures.h"

int main(int argc, char** argv) {
  if (argc != 2 || std::strcmp(argv[1], "--help") == 0 || std::strcmp(argv[1], "-h") == 0) {
    std::fprintf(argc == 2 ? stdout : stderr,
                 "usage: vtpicgen FOLDER\n"
                 "Writes the splash pictures and test patterns as .bmp files into FOLDER.\n");
    return argc == 2 ? 0 : 2;
  }
  for (const NamedPicture& pic : GeneratedPictures()) {
    std::string path = std::string(argv[1]) + "/" + pic.file;
    std::vector<uint8_t> bytes = DibMakeFile(pic.image);
    std::FILE* f = std::fopen(path.c_str(), "wb");
    bool ok = f && std::fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size();
    if (f && std::fclose(f) != 0) ok = false;
    if (!ok) {
      std::fprintf(stderr, "vtpicgen: cannot write %s\n", path.c_str());
      return 1;
    }
  }
  return 0;
}
