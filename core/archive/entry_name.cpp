#include "core/archive/entry_name.h"

namespace {

// Windows drops trailing dots and spaces from a path part, so "..", ". ."
// and "...." all climb or stay: none of them is a real name.
bool OnlyDotsAndSpaces(const std::string& part) {
  return !part.empty() && part.find_first_not_of(". ") == std::string::npos;
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
  if (!with_paths) return true;

  if (n[0] == '\\') return Refuse(why, "it is an absolute path");
  if (n.find(':') != std::string::npos) return Refuse(why, "it names a drive");
  size_t start = 0;
  while (start <= out.directory.size() && !out.directory.empty()) {
    size_t end = out.directory.find('\\', start);
    if (end == std::string::npos) end = out.directory.size();
    if (OnlyDotsAndSpaces(out.directory.substr(start, end - start)))
      return Refuse(why, "it climbs out of the destination");
    start = end + 1;
  }
  return true;
}
