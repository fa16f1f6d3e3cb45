// vtpicgen: writes the generated pictures (splash pictures, test patterns,
// the setup's dialog pictures) as bitmap files, and the program icon as an
// icon file, into a folder; the builds compile them into resources and put
// them on the demo media.
#include <cstdio>
#include <cstring>
#include <string>

#include "pictures.h"

int main(int argc, char** argv) {
  if (argc != 2 || std::strcmp(argv[1], "--help") == 0 || std::strcmp(argv[1], "-h") == 0) {
    std::fprintf(argc == 2 ? stdout : stderr,
                 "usage: vtpicgen FOLDER\n"
                 "Writes the splash pictures, test patterns and dialog pictures as .bmp files,\n"
                 "and the program icon as vantora.ico, into FOLDER.\n");
    return argc == 2 ? 0 : 2;
  }
  std::vector<NamedPicture> pictures = GeneratedPictures();
  for (NamedPicture& art : SetupArtPictures()) pictures.push_back(std::move(art));
  for (NamedPicture& art : ScreenArtPictures()) pictures.push_back(std::move(art));
  pictures.push_back({"vantora.ico", MakeProgramIcon()});
  for (const NamedPicture& pic : pictures) {
    std::string path = std::string(argv[1]) + "/" + pic.file;
    const bool icon = pic.file.size() > 4 && pic.file.compare(pic.file.size() - 4, 4, ".ico") == 0;
    std::vector<uint8_t> bytes = icon ? MakeIconFile(pic.image) : DibMakeFile(pic.image);
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
