// cfgcheck: checks a provider's media before they are pressed, reading
// setup.cfg as the setup program reads it, and reports each finding as
// FILE:LINE: error|warning: text.
#include <cstdio>
#include <cstring>
#include <map>
#include <string>
#include <vector>

#include "core/check/install_plan.h"
#include "core/check/media_check.h"
#include "folder_media.h"

namespace {

const char kHelp[] =
    "usage: cfgcheck [--quiet] [--plan [--main-dir DIR] [--token NAME=VALUE ...]]\n"
    "                MEDIA_DIR [DISK2_DIR ...]\n"
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
    "--plan first prints what an installation from the media puts where, as\n"
    "the setup would run it on Windows 95 with its usual folders ({MAIN_DIR}\n"
    "c:\\Corvane unless --main-dir gives another; --token {PROGRAMS}=PATH and\n"
    "the like set any other folder), one line each, fields between tabs:\n"
    "  file      SIZE  disk N  PATH                   setup.cfg:LINE\n"
    "  folder          disk N  PATH                   setup.cfg:LINE\n"
    "  shortcut        disk N  LINK      PROGRAM      setup.cfg:LINE\n"
    "  registry        disk N  KEY       NAME=VALUE   setup.cfg:LINE\n"
    "  program         disk N  COMMAND                setup.cfg:LINE\n"
    "What the Software section installs (the user's choice) ends in\n"
    "\" software\" (\" software picked\" when the item is offered picked); a\n"
    "total line follows. Paths on the media start with\n"
    "<media>. The whole installation's size is checked against ReqFreeSpace\n"
    "with or without --plan.\n"
    "\n"
    "exit codes: 0 clean, 1 warnings only, 2 errors, 3 the media cannot be read\n"
    "(no setup.cfg), 4 bad command line.\n";

int Usage(const char* text, const std::string& arg) {
  std::fprintf(stderr, "cfgcheck: %s%s\n(cfgcheck --help tells more)\n", text, arg.c_str());
  return 4;
}

void PrintPlan(const InstallPlan& plan) {
  unsigned files = 0, software = 0;
  for (const PlanItem& i : plan.items) {
    std::printf("%s\n", FormatPlanItem(i).c_str());
    if (i.kind == PlanItem::kFile) (i.software ? software : files)++;
  }
  std::printf("total\t%llu\t\t%u files with {MAIN_DIR} = %s (and %u from the Software section)\n",
              static_cast<unsigned long long>(plan.InstalledBytes()), files, plan.mainDir.c_str(), software);
}

// A setup folder below a vtmedia source folder (SOURCE/cd/Brightwall, the
// manifest two or three folders up) lacks what vtmedia build makes: the
// packed archives and the label file. Say so, once, after the findings.
void SaySourceFolder(const std::string& folder) {
  std::string up = folder;
  for (int level = 0; level < 3; ++level) {
    up += "/..";
    if (FindMediaPath(up, "vtmedia.ini").empty()) continue;
    std::printf("cfgcheck: %s is a source folder of vtmedia (%s/vtmedia.ini): its archives and label file are made "
                "by vtmedia build, which checks the media it makes; only the built media (OUT/cd/..., "
                "OUT/floppy/disk1 ...) can be checked whole\n",
                folder.c_str(), up.c_str());
    return;
  }
}

}  // namespace

int main(int argc, char** argv) {
  bool quiet = false, plan = false;
  std::string mainDir = kDefaultMainDir;
  std::map<std::string, std::string> tokens;
  std::vector<std::string> disks;
  bool options = true;
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    if (options && (arg == "--help" || arg == "-h")) {
      std::fputs(kHelp, stdout);
      return 0;
    } else if (options && arg == "--quiet") {
      quiet = true;
    } else if (options && arg == "--plan") {
      plan = true;
    } else if (options && (arg == "--main-dir" || arg == "--token")) {
      if (i + 1 == argc) return Usage("no value after ", arg);
      const std::string value = argv[++i];
      const size_t eq = value.find('=');
      if (arg == "--main-dir")
        mainDir = value;
      else if (eq == std::string::npos || value[0] != '{' || value[eq - 1] != '}')
        return Usage("--token takes {NAME}=VALUE, not ", value);
      else
        tokens[value.substr(0, eq)] = value.substr(eq + 1);
    } else if (options && arg == "--") {
      options = false;
    } else if (options && arg.size() > 1 && arg[0] == '-') {
      return Usage("unknown option ", arg);
    } else {
      disks.push_back(arg);
    }
  }
  if (disks.empty()) {
    return Usage("no media folder", "");
  }
  FolderMedia media(disks);
  if (!media.Exists(1, "setup.cfg")) {
    std::fprintf(stderr, "cfgcheck: cannot read the media: no setup.cfg in %s\n", disks[0].c_str());
    return kCheckUnreadable;
  }
  if (plan) PrintPlan(PlanInstallation(media, mainDir, tokens));
  std::vector<Finding> findings = CheckMedia(media);
  // A CD's setup folder: the launcher beside it must find it.
  if (disks.size() == 1)
    for (const std::string& text : LauncherTargetsMissing(disks[0] + "/.."))
      findings.push_back({"cdmenu.exe", 0, Severity::kWarning, text});
  int errors = 0, warnings = 0;
  for (const Finding& f : findings) {
    (f.severity == Severity::kError ? errors : warnings)++;
    if (!quiet) std::printf("%s\n", FormatFinding(f).c_str());
  }
  if (errors > 0) SaySourceFolder(disks[0]);
  std::printf("%s: %d error%s, %d warning%s\n", disks[0].c_str(), errors, errors == 1 ? "" : "s", warnings,
              warnings == 1 ? "" : "s");
  return ExitFor(findings);
}
