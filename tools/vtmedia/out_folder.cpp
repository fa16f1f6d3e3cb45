#include "out_folder.h"

#include <climits>
#include <cstdio>
#include <cstdlib>

#include "tools/vtpack/host_files.h"
#include "tree_files.h"

#ifdef _WIN32
#include <windows.h>
#endif

namespace {

bool IsSeparator(char c) { return c == '/' || c == '\\'; }

// The path's parts between separators.
std::vector<std::string> Parts(const std::string& path) {
  std::vector<std::string> parts;
  std::string part;
  for (char c : path) {
    if (IsSeparator(c)) {
      if (!part.empty()) parts.push_back(part);
      part.clear();
    } else {
      part += c;
    }
  }
  if (!part.empty()) parts.push_back(part);
  return parts;
}

// An existing path as the system resolves it.
std::string SystemResolved(const std::string& path) {
#ifdef _WIN32
  char full[MAX_PATH];
  const DWORD n = GetFullPathNameA(path.c_str(), MAX_PATH, full, nullptr);
  return n > 0 && n < MAX_PATH ? std::string(full) : std::string();
#else
  char* resolved = realpath(path.c_str(), nullptr);
  if (!resolved) return std::string();
  std::string result = resolved;
  std::free(resolved);
  return result;
#endif
}

bool SameName(const std::string& a, const std::string& b) {
#ifdef _WIN32
  return lstrcmpiA(a.c_str(), b.c_str()) == 0;
#else
  return a == b;
#endif
}

// What the marker of `folder` lists (a name a line after its first line).
std::vector<std::string> MarkedNames(const std::string& folder) {
  std::vector<uint8_t> bytes;
  std::vector<std::string> names;
  if (!ReadWhole(HostJoin(folder, kOutMarker), &bytes)) return names;
  std::string line;
  bool first = true;
  for (uint8_t b : bytes) {
    if (b == '\r') continue;
    if (b != '\n') {
      line += static_cast<char>(b);
      continue;
    }
    if (!first && !line.empty() && line.find_first_of("/\\") == std::string::npos && line != "." && line != "..")
      names.push_back(line);
    first = false;
    line.clear();
  }
  return names;
}

bool WriteMarker(const std::string& folder, const std::vector<std::string>& made) {
  std::string text = "Made by vtmedia build; it replaces what is listed below at its next build.\n";
  for (const std::string& name : made) text += name + "\n";
  return WriteWhole(HostJoin(folder, kOutMarker), text);
}

}  // namespace

std::string ResolvedPath(const std::string& path) {
  if (path.empty()) return std::string();
  // Walk up to the deepest part that exists; resolve it; add the rest
  // with "." and ".." applied.
  std::vector<std::string> rest;
  std::string existing = path;
  while (!PathExists(existing)) {
    const size_t cut = existing.find_last_of("/\\");
    std::string last = cut == std::string::npos ? existing : existing.substr(cut + 1);
    if (!last.empty()) rest.insert(rest.begin(), last);
    if (cut == std::string::npos) {
      existing = ".";
      break;
    }
    existing = cut == 0 ? existing.substr(0, 1) : existing.substr(0, cut);
  }
  std::string base = SystemResolved(existing);
  if (base.empty()) return std::string();
  std::vector<std::string> parts = Parts(base);
  for (const std::string& p : rest) {
    if (p == ".") continue;
    if (p == "..") {
      if (!parts.empty()) parts.pop_back();
      continue;
    }
    parts.push_back(p);
  }
#ifdef _WIN32
  // "C:" stays the first part; the others follow it with backslashes.
  std::string result;
  for (size_t i = 0; i < parts.size(); ++i) result += (i ? "\\" : "") + parts[i];
  return parts.size() == 1 ? result + "\\" : result;
#else
  std::string result;
  for (const std::string& p : parts) result += "/" + p;
  return result.empty() ? "/" : result;
#endif
}

bool PathWithin(const std::string& inner, const std::string& outer) {
  if (inner.empty() || outer.empty()) return false;
  if (SameName(inner, outer)) return true;
  if (inner.size() <= outer.size()) return false;
  const bool rootOuter = IsSeparator(outer.back());
  if (!SameName(inner.substr(0, outer.size()), outer)) return false;
  return rootOuter || IsSeparator(inner[outer.size()]);
}

std::string OverlapProblem(const std::string& source, const std::string& out) {
  const std::string s = ResolvedPath(source), o = ResolvedPath(out);
  if (s.empty()) return "cannot make out where " + source + " is";
  if (o.empty()) return "cannot make out where " + out + " is";
  if (PathWithin(o, s) && PathWithin(s, o))
    return "SOURCE and OUT are the same folder (" + s + "): the build would write over the provider's files";
  if (PathWithin(o, s)) return "OUT (" + o + ") is inside SOURCE (" + s + "): the media would be built into their own source";
  if (PathWithin(s, o)) return "SOURCE (" + s + ") is inside OUT (" + o + "): a build replaces what is in OUT";
  return std::string();
}

std::string OwnershipProblem(const std::string& folder) {
  if (!PathExists(folder)) return std::string();
  if (!IsDirectory(folder)) return folder + " is a file, not a folder";
  if (PathExists(HostJoin(folder, kOutMarker))) return std::string();
  std::vector<std::string> names;
  if (!ListFolder(folder, names)) return "cannot list " + folder;
  if (names.empty()) return std::string();
  return folder + " holds files that vtmedia did not make (it has no " + kOutMarker +
         "): name an empty or new folder, or one an earlier build made";
}

bool MakeOwnFolder(const std::string& folder) {
  if (PathExists(folder) && !RemoveTree(folder)) return false;
  return MakeDirectories(folder) && WriteMarker(folder, {});
}

bool MoveIntoPlace(const std::string& work, const std::string& out, const std::vector<std::string>& made,
                   std::string* failed) {
  if (!MakeDirectories(out)) return *failed = out, false;
  // The marker first: from here on OUT is ours even if a step fails.
  std::vector<std::string> old = MarkedNames(out);
  if (!WriteMarker(out, old)) return *failed = HostJoin(out, kOutMarker), false;
  for (const std::string& name : old)
    if (!RemoveTree(HostJoin(out, name))) return *failed = HostJoin(out, name), false;
  for (const std::string& name : made) {
    const std::string to = HostJoin(out, name);
    if (PathExists(to)) return *failed = to + " (there already, and not listed as ours)", false;
    if (std::rename(HostJoin(work, name).c_str(), to.c_str()) != 0) return *failed = to, false;
  }
  if (!WriteMarker(out, made)) return *failed = HostJoin(out, kOutMarker), false;
  if (!RemoveTree(work)) return *failed = work, false;
  return true;
}
