// vtpicgen: writes the generated pictures (splash pictures, test patterns,
// the setup's dialog pictures, the CD launcher's pictures) as bitmap files,
// and the programs' icons and the launcher's cursor as icon and cursor
// files, into a folder; the builds compile them into resources and put them
// on the demo media.
#include <cstdio>
#include <cstring>
#include <string>

#include "pictures.h"

namespace {

struct NamedFile {
  std::string file;
  std::vector<uint8_t> bytes;
};

std::vector<NamedFile> GeneratedFiles() {
  std::vector<NamedPicture> pictures = GeneratedPictures();
  for (NamedPicture& art : SetupArtPictures()) pictures.push_back(std::move(art));
  for (NamedPicture& art : ScreenArtPictures()) pictures.push_back(std::move(art));
  for (NamedPicture& art : LauncherArtPictures()) pictures.push_back(std::move(art));
  std::vector<NamedFile> files;
  for (const NamedPicture& pic : pictures) files.push_back({pic.file, DibMakeFile(pic.image)});
  files.push_back({"vantora.ico", MakeIconFile(MakeProgramIcon())});
  files.push_back({"cdmenu109.ico", MakeIconFile(MakeLauncherIcon())});
  files.push_back({"cdmenu103.cur", MakeCursorFile(MakeHandCursor(), kHandHotX, kHandHotY)});
  return files;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2 || std::strcmp(argv[1], "--help") == 0 || std::strcmp(argv[1], "-h") == 0) {
    std::fprintf(argc == 2 ? stdout : stderr,
                 "usage: vtpicgen FOLDER\n"
                 "Writes the splash pictures, test patterns, dialog pictures and the CD launcher's\n"
                 "pictures as .bmp files, the program icons as vantora.ico and cdmenu109.ico, and\n"
                 "the launcher's hand cursor as cdmenu103.cur, into FOLDER.\n");
    return argc == 2 ? 0 : 2;
  }
  for (const NamedFile& out : GeneratedFiles()) {
    const std::string path = std::string(argv[1]) + "/" + out.file;
    std::FILE* f = std::fopen(path.c_str(), "wb");
    bool ok = f && std::fwrite(out.bytes.data(), 1, out.bytes.size(), f) == out.bytes.size();
    if (f && std::fclose(f) != 0) ok = false;
    if (!ok) {
      std::fprintf(stderr, "vtpicgen: cannot write %s\n", path.c_str());
      return 1;
    }
  }
  return 0;
}
