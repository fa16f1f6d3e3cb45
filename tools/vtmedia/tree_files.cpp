#include "tree_files.h"

#include <cstdio>

#include "tools/vtpack/host_files.h"

#ifdef _WIN32
#include <direct.h>
#define rmdir _rmdir
#else
#include <unistd.h>
#endif

namespace {

bool ListInto(const std::string& root, const std::string& prefix, std::vector<std::string>* files) {
  std::vector<std::string> names;
  if (!ListFolder(HostJoin(root, prefix), names)) return false;
  for (const std::string& n : names) {
    const std::string rel = prefix.empty() ? n : prefix + "\\" + n;
    if (IsDirectory(HostJoin(root, rel))) {
      if (!ListInto(root, rel, files)) return false;
    } else {
      files->push_back(rel);
    }
  }
  return true;
}

// 100-nanosecond steps since 1601, as FILETIMEs count.
uint64_t FileTimeOf(long long epoch) { return (static_cast<uint64_t>(epoch) + 11644473600ull) * 10000000ull; }

}  // namespace

bool ReadWhole(const std::string& path, std::vector<uint8_t>* bytes) {
  OpenFile f(path, "rb");
  if (!f) return false;
  bytes->clear();
  unsigned char buffer[65536];
  size_t n;
  while ((n = std::fread(buffer, 1, sizeof buffer, f.get())) > 0) bytes->insert(bytes->end(), buffer, buffer + n);
  return !std::ferror(f.get());
}

bool WriteWhole(const std::string& path, const std::vector<uint8_t>& bytes) {
  OpenFile f(path, "wb");
  const bool ok = f && std::fwrite(bytes.data(), 1, bytes.size(), f.get()) == bytes.size();
  return f.Close() && ok;
}

bool WriteWhole(const std::string& path, const std::string& text) {
  return WriteWhole(path, std::vector<uint8_t>(text.begin(), text.end()));
}

bool ListTree(const std::string& root, std::vector<std::string>* files) {
  files->clear();
  return ListInto(root, "", files);
}

bool CopyTree(const std::string& from, const std::string& to, std::string* failed) {
  std::vector<std::string> files;
  if (!ListTree(from, &files)) return *failed = from, false;
  std::vector<uint8_t> bytes;
  for (const std::string& rel : files) {
    const std::string dest = HostJoin(to, rel);
    const size_t cut = rel.rfind('\\');
    if (!MakeDirectories(cut == std::string::npos ? to : HostJoin(to, rel.substr(0, cut))) ||
        !ReadWhole(HostJoin(from, rel), &bytes) || !WriteWhole(dest, bytes))
      return *failed = dest, false;
  }
  return MakeDirectories(to) || (*failed = to, false);
}

bool RemoveTree(const std::string& path) {
  if (!PathExists(path)) return true;
  if (!IsDirectory(path)) return std::remove(path.c_str()) == 0;
  std::vector<std::string> names;
  if (!ListFolder(path, names)) return false;
  for (const std::string& n : names)
    if (!RemoveTree(HostJoin(path, n))) return false;
  return rmdir(path.c_str()) == 0;
}

bool DateTree(const std::string& root, long long epoch) {
  std::vector<std::string> files;
  if (!ListTree(root, &files)) return false;
  for (const std::string& rel : files) {
    std::string at = rel;
    // The file, then each folder above it.
    for (;;) {
      if (!SetFileTime(HostJoin(root, at), FileTimeOf(epoch))) return false;
      const size_t cut = at.rfind('\\');
      if (cut == std::string::npos) break;
      at = at.substr(0, cut);
    }
  }
  return true;
}
