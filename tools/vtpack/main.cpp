// vtpack: makes, lists, tests and extracts packed archives for the setup
// media.
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "commands.h"

namespace {

const char kHelp[] =
    "usage: vtpack create [--paths] [--literals binary|ascii] [--dict 1024|2048|4096] ARCHIVE FILE...\n"
    "       vtpack list ARCHIVE\n"
    "       vtpack test ARCHIVE\n"
    "       vtpack extract ARCHIVE DIR\n"
    "\n"
    "Packed archives hold files compressed in the implode format, with their\n"
    "names and last-write times; the setup program unpacks them.\n"
    "\n"
    "create   packs the FILEs into ARCHIVE (replacing it). Without --paths each\n"
    "         file is stored under its own name, which must be an 8.3 name\n"
    "         (SETUP.CFG); with --paths, under the relative path as given\n"
    "         (sub/file name.txt), and extraction recreates the folders.\n"
    "         --literals ascii suits text, binary (the default) anything else;\n"
    "         --dict sets the window (default 4096, the best compression).\n"
    "list     names, last-write times (UTC) and packed sizes.\n"
    "test     decodes every entry and reports each.\n"
    "extract  unpacks into DIR (created when missing); refuses entry names\n"
    "         that would leave DIR.\n"
    "\n"
    "exit codes: 0 done, 1 a file could not be read or written, 2 bad command\n"
    "line or file name, 3 damaged archive or entry.\n";

int Usage(const char* why) {
  std::fprintf(stderr, "vtpack: %s\n(vtpack --help tells more)\n", why);
  return kExitUsage;
}

int Create(int argc, char** argv) {
  CreateOptions o;
  int i = 0;
  for (; i < argc && argv[i][0] == '-' && argv[i][1] == '-'; ++i) {
    std::string opt = argv[i];
    if (opt == "--paths") {
      o.paths = true;
    } else if (opt == "--literals" && i + 1 < argc) {
      std::string v = argv[++i];
      if (v == "binary") o.encoder.literals = dcl::kLiteralsBinary;
      else if (v == "ascii") o.encoder.literals = dcl::kLiteralsAscii;
      else return Usage("--literals takes binary or ascii");
    } else if (opt == "--dict" && i + 1 < argc) {
      o.encoder.dictionary_size = std::atoi(argv[++i]);
      if (!DclEncoder::ValidOptions(o.encoder)) return Usage("--dict takes 1024, 2048 or 4096");
    } else {
      return Usage(("unknown or incomplete option " + opt).c_str());
    }
  }
  if (argc - i < 2) return Usage("create needs an archive and at least one file");
  return CreateArchive(o, argv[i], std::vector<std::string>(argv + i + 1, argv + argc));
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) return Usage("no command");
  std::string command = argv[1];
  if (command == "--help" || command == "-h" || command == "help") {
    std::fputs(kHelp, stdout);
    return kExitOk;
  }
  if (command == "create") return Create(argc - 2, argv + 2);
  if (command == "list" && argc == 3) return ListArchive(argv[2]);
  if (command == "test" && argc == 3) return TestArchive(argv[2]);
  if (command == "extract" && argc == 4) return ExtractArchiveTo(argv[2], argv[3]);
  if (command == "list" || command == "test" || command == "extract") return Usage("wrong number of arguments");
  return Usage(("unknown command " + command).c_str());
}
