#include "core/archive/entry_name.h"

namespace {

// Windows drops trailing dots and spaces from a path part, so "..", ". ."
// and "...." all climb or stay: none of them is a real name.
bool OnlyDotsAndSpaces(const std::string& part) {
  return !part.empty() && part.find_first_not_of(". ") == std::string::npos;
}

// Windows opens a device, not a file, for these names in any folder and with
// any extension ("nul.txt", "sub\\COM1.dat"), whatever their case, and with
// blanks before the extension ("con .txt").
const char* const kDeviceNames[] = {"CON",  "PRN",  "AUX",  "NUL",  "COM1", "COM2",   "COM3",
                                    "COM4", "COM5", "COM6", "COM7", "COM8", "COM9",   "LPT1",
                                    "LPT2", "LPT3", "LPT4", "LPT5", "LPT6", "LPT7",   "LPT8",
                                    "LPT9", "CLOCK$", "CONIN$", "CONOUT$"};

// The device a path part names; nullptr for an ordinary name.
const char* DeviceIn(const std::string& part) {
  std::string base = part.substr(0, part.find('.'));
  while (!base.empty() && base.back() == ' ') base.pop_back();
  for (char& c : base)
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  for (const char* device : kDeviceNames)
    if (base == device) return device;
  return nullptr;
}

bool Refuse(std::string* why, const std::string& text) {
  if (why) *why = text;
  return false;
}

}  // namespace

bool SplitEntryName(const std::string& name, bool with_paths, EntryPath& out, std::string* why) {
  std::string n = name;
  for (char& c : n)
    if (c == '/') c = '\\';
  size_t cut = n.rfind('\\');
  out.file = cut == std::string::npos ? n : n.substr(cut + 1);
  out.directory = with_paths && cut != std::string::npos ? n.substr(0, cut) : std::string();

  if (out.file.empty() || OnlyDotsAndSpaces(out.file)) return Refuse(why, "it names no file");
  if (out.file.find(':') != std::string::npos) return Refuse(why, "it holds a colon");
  if (const char* device = DeviceIn(out.file))
    return Refuse(why, std::string("it names the device ") + device);
  if (!with_paths) return true;

  if (n[0] == '\\') return Refuse(why, "it is an absolute path");
  if (n.find(':') != std::string::npos) return Refuse(why, "it names a drive");
  size_t start = 0;
  while (start <= out.directory.size() && !out.directory.empty()) {
    size_t end = out.directory.find('\\', start);
    if (end == std::string::npos) end = out.directory.size();
    const std::string part = out.directory.substr(start, end - start);
    if (OnlyDotsAndSpaces(part)) return Refuse(why, "it climbs out of the destination");
    if (const char* device = DeviceIn(part))
      return Refuse(why, std::string("it names the device ") + device);
    start = end + 1;
  }
  return true;
}
