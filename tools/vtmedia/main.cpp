// vtmedia: makes a provider's CD folder, floppy set and their images from a
// source folder and its manifest, and refuses media that the checker finds
// errors in.
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "build_media.h"

#ifndef _WIN32
#include <unistd.h>
#endif

namespace {

const char kHelp[] =
    "usage: vtmedia build [--no-images] [--quiet] SOURCE OUT\n"
    "       vtmedia try [--floppy] [--dest DIR] [--timeout SECONDS] [--keep] OUT\n"
    "       vtmedia --help | --version\n"
    "\n"
    "Makes the media described by SOURCE/vtmedia.ini:\n"
    "  OUT/cd/               the disc's root: the folder CD= of SOURCE, with the\n"
    "                        archives packed into the setup's folder (Setup=)\n"
    "                        and its label file QRM.D00\n"
    "  OUT/floppy/diskN/     the floppy set ([Floppies]): each disk with the\n"
    "                        files its \"Setup DiskN\" section names, its label\n"
    "                        file qrm.d0N, programs without debugging\n"
    "                        information; setup.cfg on disk 1 with the values\n"
    "                        of [Floppy setup.cfg], setup.ini on the last disk\n"
    "  OUT/NAME-cd.iso       the images (Images=NAME): ISO 9660 with Joliet\n"
    "  OUT/NAME-diskN.img    names, and 1.44 MB FAT12 floppies (xorriso and\n"
    "                        mtools write them)\n"
    "Both media are checked as cfgcheck checks them; errors, or a disk that\n"
    "does not fit, stop the build before the images are written.\n"
    "\n"
    "  --no-images   make the folders only\n"
    "  --quiet       print findings and errors only\n"
    "\n"
    "exit codes: 0 done (warnings may have been printed), 1 a file could not\n"
    "be read or written or an image tool failed, 2 bad command line or\n"
    "manifest, 3 the media have errors or a disk does not fit.\n"
    "The provider's guide (docs/provider-guide.md) describes vtmedia.ini: its\n"
    "sections and keys (an unknown key is an error), and its comments (a line\n"
    "that starts with ';', or from a ';' after a blank to the end of the line).\n"
    "SOURCE and OUT must not overlap, and OUT must be new, empty or made by\n"
    "vtmedia: the build is made beside it (OUT.vtmedia-new) and moved in whole.\n"
    "\n"
    "vtmedia try installs built media in a fresh Windows 95 prefix under Wine,\n"
    "taking every default, and compares the installation with cfgcheck --plan\n"
    "(vtmedia try --help tells more; this build of vtmedia, not the Windows one).\n";

// vtmedia try is a script beside the sources (Wine, the robot, the
// comparison); this build knows where.
int TryMedia(char** args) {
#if defined(VT_TRY_SCRIPT) && !defined(_WIN32)
  std::vector<char*> line{const_cast<char*>("bash"), const_cast<char*>(VT_TRY_SCRIPT)};
  for (char** a = args + 1; *a; ++a) line.push_back(*a);
  line.push_back(nullptr);
  execvp("bash", line.data());
  std::fprintf(stderr, "vtmedia: cannot run %s: %s\n", VT_TRY_SCRIPT, std::strerror(errno));
  return kBuildFailed;
#else
  (void)args;
  std::fprintf(stderr, "vtmedia: try runs Wine and needs the build machine's vtmedia\n");
  return kBuildUsage;
#endif
}

int Usage(const char* text) {
  std::fprintf(stderr, "vtmedia: %s\n(vtmedia --help tells more)\n", text);
  return kBuildUsage;
}

}  // namespace

int main(int argc, char** argv) {
  // try takes its own options (the script reads them).
  if (argc > 1 && std::string(argv[1]) == "try") return TryMedia(argv + 1);
  BuildOptions options;
  std::vector<std::string> operands;
  bool more = true;
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    if (more && (arg == "--help" || arg == "-h")) {
      std::fputs(kHelp, stdout);
      return 0;
    } else if (more && arg == "--version") {
      std::puts("vtmedia 1.0");
      return 0;
    } else if (more && arg == "--no-images") {
      options.images = false;
    } else if (more && arg == "--quiet") {
      options.quiet = true;
    } else if (more && arg == "--") {
      more = false;
    } else if (more && arg.size() > 1 && arg[0] == '-') {
      return Usage(("unknown option " + arg).c_str());
    } else {
      operands.push_back(arg);
    }
  }
  if (operands.empty()) return Usage("no command (build or try)");
  if (operands[0] != "build") return Usage(("unknown command " + operands[0]).c_str());
  if (operands.size() != 3) return Usage("build needs SOURCE and OUT");
  options.source = operands[1];
  options.out = operands[2];
  return BuildMedia(options);
}
