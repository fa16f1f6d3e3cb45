// setup.ini as the media checker reads it: the input is the file, on a CD
// (inputs of even length) or on the last of two floppies (odd length). The
// reading must keep what the profile functions promise: trimmed entries,
// names compared in any case with the first of a name winning, and line
// numbers that point into the file.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "core/check/ini_text.h"
#include "core/check/media_check.h"
#include "core/check/media_files.h"
#include "core/check/memory_media.h"
#include "core/config/instruction_args.h"

namespace {

// The values the setup copies into the client's key, and one it never reads.
const char* const kKeys[] = {"IsRegNoAPrefix", "RegNo",        "HomePage",      "HDHomePage", "SetupFee",
                             "FreeHours",      "FreeDays",     "SetupFeePrice", "MonthlyPrice",
                             "ISDNSetupFee",   "ISDNRate",     "ISDNHours",     "ISDNHourlyRate",
                             "ISDNFreeHours",  "IESetupDir",   "NoSuchKey"};

bool Trimmed(const std::string& s) { return TrimBlanks(s) == s; }

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string text(reinterpret_cast<const char*>(data), size);
  const int lines = 1 + static_cast<int>(std::count(text.begin(), text.end(), '\n'));

  const IniText ini(text);
  int previous = 0;
  for (const IniSection& s : ini.sections()) {
    if (s.line <= previous || s.line > lines || !Trimmed(s.name)) __builtin_trap();
    previous = s.line;
    for (const IniLine& l : s.lines) {
      if (l.line <= previous || l.line > lines) __builtin_trap();
      if (l.text.empty() || l.text[0] == ';' || l.text[0] == '[' || !Trimmed(l.text)) __builtin_trap();
      const size_t equals = l.text.find('=');
      if (equals != std::string::npos &&
          (!Trimmed(l.text.substr(0, equals)) || !Trimmed(l.text.substr(equals + 1))))
        __builtin_trap();
      previous = l.line;
    }
    const IniSection* found = ini.Find(s.name);
    if (!found || found->line > s.line || !SameNameIgnoringCase(found->name, s.name)) __builtin_trap();
  }
  for (const char* key : kKeys) {
    std::string value;
    int line = 0;
    if (ini.Value("Vantora", key, &value, &line) && (line < 1 || line > lines || !Trimmed(value)))
      __builtin_trap();
  }

  const int disks = 1 + static_cast<int>(size & 1);
  MemoryMedia media(disks);
  media.Put(disks, "setup.ini", text);
  std::vector<Finding> findings;
  CheckSetupIni(media, findings);
  for (const Finding& f : findings) {
    if (f.file != "setup.ini" || f.line < 0 || f.line > lines || FormatFinding(f).empty()) __builtin_trap();
  }
  return 0;
}
