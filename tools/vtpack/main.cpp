// vtpack: makes, lists, tests and extracts packed archives for the setup
// media.
#include <cstdio>
#include <string>
#include <vector>

#include "cli_args.h"
#include "commands.h"

namespace {

const char kVersion[] = "1.1";

const char kHelp[] =
    "usage: vtpack create [--paths] [--literals binary|ascii] [--dict 1024|2048|4096] [--force] ARCHIVE FILE...\n"
    "       vtpack list ARCHIVE\n"
    "       vtpack test ARCHIVE\n"
    "       vtpack extract [--overwrite] ARCHIVE DIR [ENTRY...]\n"
    "       vtpack --help | --version\n"
    "\n"
    "Packed archives hold files compressed in the implode format, with their\n"
    "names and last-write times; the setup program unpacks them.\n"
    "Options may stand before or after the operands; \"--\" ends them, so that\n"
    "the operands after it may begin with '-'. --dict=4096 is --dict 4096.\n"
    "\n"
    "create   packs the FILEs into ARCHIVE (replacing an older archive; a file\n"
    "         there that is not one is kept unless --force is given, and no\n"
    "         FILE may be ARCHIVE itself). Without --paths each\n"
    "         file is stored under its own name, which must be an 8.3 name\n"
    "         (SETUP.CFG); with --paths, under the relative path as given\n"
    "         (sub/file name.txt), and extraction recreates the folders; a\n"
    "         folder given as a FILE is packed with everything below it, in\n"
    "         sorted order (src/a.txt, src/sub/b.txt), empty folders left out.\n"
    "         Two names the setup would take for one file (README.TXT and\n"
    "         readme.txt: Windows ignores case) are refused.\n"
    "         --literals ascii suits text, binary (the default) anything else;\n"
    "         --dict sets the window (default 4096, the best compression).\n"
    "list     names, last-write times (UTC) and packed sizes; warns about\n"
    "         entries that name the same file.\n"
    "test     decodes every entry and reports each; warns as list does.\n"
    "extract  unpacks into DIR (created when missing), every entry or only the\n"
    "         ENTRYs named (matched without case); refuses entry names that\n"
    "         would leave DIR. A file already in DIR is not touched unless\n"
    "         --overwrite is given: the other entries are still extracted and\n"
    "         the exit code is 1.\n"
    "\n"
    "On a terminal, long work shows its progress on one line.\n"
    "\n"
    "exit codes:\n"
    "  0  done\n"
    "  1  a file could not be read or written, or extract would overwrite one\n"
    "  2  bad command line (option, number, operand count), file name, or an\n"
    "     ENTRY the archive does not hold\n"
    "  3  damaged archive or entry\n"
    "  4  test: the archive holds entries that name the same file\n";

int Usage(const std::string& why) {
  std::fprintf(stderr, "vtpack: %s\n(vtpack --help tells more)\n", why.c_str());
  return kExitUsage;
}

int Run(const CommandLine& c) {
  const std::vector<std::string>& o = c.operands;
  if (c.command == "create") {
    if (o.size() < 2) return Usage("create needs an archive and at least one file");
    return CreateArchive(c.create, o[0], std::vector<std::string>(o.begin() + 1, o.end()));
  }
  if (c.command == "list" || c.command == "test") {
    if (o.size() != 1) return Usage(c.command + " needs one archive");
    return c.command == "list" ? ListArchive(o[0]) : TestArchive(o[0]);
  }
  if (c.command == "extract") {
    if (o.size() < 2) return Usage("extract needs an archive and a folder");
    return ExtractArchiveTo(c.extract, o[0], o[1], std::vector<std::string>(o.begin() + 2, o.end()));
  }
  if (c.command == "help") {
    std::fputs(kHelp, stdout);
    return kExitOk;
  }
  return Usage("unknown command " + c.command);
}

}  // namespace

int main(int argc, char** argv) {
  CommandLine line;
  std::string why;
  if (!ParseCommandLine(argc, argv, line, why)) return Usage(why);
  if (line.help) {
    std::fputs(kHelp, stdout);
    return kExitOk;
  }
  if (line.version) {
    std::printf("vtpack %s\n", kVersion);
    return kExitOk;
  }
  if (line.command.empty()) return Usage("no command");
  return Run(line);
}
