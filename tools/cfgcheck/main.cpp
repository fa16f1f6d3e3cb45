// cfgcheck: checks a provider's media before they are pressed, reading
// setup.cfg as the setup program reads it, and reports each finding as
// FILE:LINE: error|warning: text.
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "core/check/media_check.h"
#include "folder_media.h"

namespace {

const char kHelp[] =
    "usage: cfgcheck [--quiet] MEDIA_DIR [DISK2_DIR ...]\n"
    "\n"
    "Checks the setup media in MEDIA_DIR (the folder with setup.exe and\n"
    "setup.cfg: on the demo CD, Brightwall), or a floppy set given as its disk\n"
    "folders in order, the way the setup program will read them:\n"
    "  - every instruction line of the disk sections, the sections they run\n"
    "    and the Software section: its shape, its kind (1 to 10), its tokens;\n"
    "  - the files the lines name, on the disk the line runs from; archives\n"
    "    decoded whole, registry files' headers;\n"
    "  - sections that are missing, empty or run themselves, disk sections\n"
    "    after a gap (never run);\n"
    "  - [Misc] and [Multimedia] numbers, an Intro Text the setup cuts, and\n"
    "    setup.ini's [Vantora] values.\n"
    "Each finding is one line, FILE:LINE: error|warning: text, sorted by file\n"
    "and line, then a summary line. --quiet prints the summary only.\n"
    "\n"
    "exit codes: 0 clean, 1 warnings only, 2 errors, 3 the media cannot be read\n"
    "(no setup.cfg), 4 bad command line.\n";

}  // namespace

int main(int argc, char** argv) {
  bool quiet = false;
  std::vector<std::string> disks;
  bool options = true;
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    if (options && (arg == "--help" || arg == "-h")) {
      std::fputs(kHelp, stdout);
      return 0;
    } else if (options && arg == "--quiet") {
      quiet = true;
    } else if (options && arg == "--") {
      options = false;
    } else if (options && arg.size() > 1 && arg[0] == '-') {
      std::fprintf(stderr, "cfgcheck: unknown option %s\n(cfgcheck --help tells more)\n", arg.c_str());
      return 4;
    } else {
      disks.push_back(arg);
    }
  }
  if (disks.empty()) {
    std::fprintf(stderr, "cfgcheck: no media folder\n(cfgcheck --help tells more)\n");
    return 4;
  }
  FolderMedia media(disks);
  if (!media.Exists(1, "setup.cfg")) {
    std::fprintf(stderr, "cfgcheck: cannot read the media: no setup.cfg in %s\n", disks[0].c_str());
    return kCheckUnreadable;
  }
  const std::vector<Finding> findings = CheckMedia(media);
  int errors = 0, warnings = 0;
  for (const Finding& f : findings) {
    (f.severity == Severity::kError ? errors : warnings)++;
    if (!quiet) std::printf("%s\n", FormatFinding(f).c_str());
  }
  std::printf("%s: %d error%s, %d warning%s\n", disks[0].c_str(), errors, errors == 1 ? "" : "s", warnings,
              warnings == 1 ? "" : "s");
  return ExitFor(findings);
}
