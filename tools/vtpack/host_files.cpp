#include "host_files.h"

#include <sys/stat.h>
#include <sys/types.h>

#include <algorithm>
#include <cerrno>

#include "core/archive/file_time.h"

#ifdef _WIN32
#include <direct.h>
#include <windows.h>
#include <io.h>
#include <sys/utime.h>
#else
#include <dirent.h>
#include <fcntl.h>
#include <unistd.h>
#endif

FileSource::FileSource(std::FILE* f) : f_(f) {
  if (std::fseek(f_, 0, SEEK_END) == 0) {
    long end = std::ftell(f_);
    if (end > 0) size_ = uint64_t(end);
  }
  std::fseek(f_, 0, SEEK_SET);
}

bool FileSource::Seek(uint64_t offset) {
  if (offset > size_ || std::fseek(f_, long(offset), SEEK_SET) != 0) return false;
  pos_ = offset;
  return true;
}

size_t FileSource::Read(void* into, size_t count) {
  size_t n = std::fread(into, 1, count, f_);
  pos_ += n;
  return n;
}

bool FileSink::Write(const void* data, size_t count) {
  size_t n = std::fwrite(data, 1, count, f_);
  written_ += n;
  return n == count;
}

bool OpenFile::Close() {
  if (!f_) return true;
  bool ok = std::fclose(f_) == 0;
  f_ = nullptr;
  return ok;
}

bool GetFileTime(const std::string& path, uint64_t* file_time) {
  struct stat st;
  if (stat(path.c_str(), &st) != 0) return false;
#if defined(_WIN32) || defined(__APPLE__)
  *file_time = FileTimeFromUnix(int64_t(st.st_mtime), 0);
#else
  *file_time = FileTimeFromUnix(int64_t(st.st_mtim.tv_sec), uint32_t(st.st_mtim.tv_nsec));
#endif
  return true;
}

bool SetFileTime(const std::string& path, uint64_t file_time) {
#ifdef _WIN32
  struct _utimbuf t;
  t.actime = t.modtime = time_t(UnixSecondsFromFileTime(file_time));
  return _utime(path.c_str(), &t) == 0;
#else
  struct timespec t[2];
  t[0].tv_sec = 0;
  t[0].tv_nsec = UTIME_OMIT;
  t[1].tv_sec = time_t(UnixSecondsFromFileTime(file_time));
  t[1].tv_nsec = long(UnixNanosFromFileTime(file_time));
  return utimensat(AT_FDCWD, path.c_str(), t, 0) == 0;
#endif
}

bool IsDirectory(const std::string& path) {
  struct stat st;
  return stat(path.c_str(), &st) == 0 && (st.st_mode & S_IFMT) == S_IFDIR;
}

bool MakeDirectories(const std::string& path) {
  if (path.empty() || IsDirectory(path)) return true;
  size_t cut = path.find_last_of("/\\");
  if (cut != std::string::npos && cut > 0 && !MakeDirectories(path.substr(0, cut))) return false;
#ifdef _WIN32
  int r = _mkdir(path.c_str());
#else
  int r = mkdir(path.c_str(), 0777);
#endif
  return r == 0 || IsDirectory(path);
}

std::string HostJoin(const std::string& dir, const std::string& relative) {
#ifdef _WIN32
  const char sep = '\\';
#else
  const char sep = '/';
#endif
  std::string r = relative;
  for (char& c : r)
    if (c == '\\' || c == '/') c = sep;
  if (dir.empty()) return r;
  char last = dir.back();
  return (last == '/' || last == '\\') ? dir + r : dir + sep + r;
}

std::string BaseName(const std::string& path) {
  size_t cut = path.find_last_of("/\\");
  return cut == std::string::npos ? path : path.substr(cut + 1);
}

bool IsTerminal(std::FILE* f) {
#ifdef _WIN32
  return _isatty(_fileno(f)) != 0;
#else
  return isatty(fileno(f)) != 0;
#endif
}

bool GetFileSize(const std::string& path, uint64_t* size) {
  struct stat st;
  if (stat(path.c_str(), &st) != 0) return false;
  *size = uint64_t(st.st_size);
  return true;
}

bool PathExists(const std::string& path) {
  struct stat st;
  return stat(path.c_str(), &st) == 0;
}

bool ListFolder(const std::string& path, std::vector<std::string>& names) {
  names.clear();
#ifdef _WIN32
  struct _finddata_t found;
  intptr_t h = _findfirst(HostJoin(path, "*").c_str(), &found);
  if (h == -1) return errno == ENOENT;
  do {
    const std::string name = found.name;
    if (name != "." && name != "..") names.push_back(name);
  } while (_findnext(h, &found) == 0);
  _findclose(h);
#else
  DIR* d = opendir(path.c_str());
  if (!d) return false;
  while (const struct dirent* e = readdir(d)) {
    const std::string name = e->d_name;
    if (name != "." && name != "..") names.push_back(name);
  }
  closedir(d);
#endif
  std::sort(names.begin(), names.end());
  return true;
}

bool SameFile(const std::string& a, const std::string& b) {
#ifdef _WIN32
  char fullA[MAX_PATH], fullB[MAX_PATH];
  const DWORD na = GetFullPathNameA(a.c_str(), MAX_PATH, fullA, nullptr);
  const DWORD nb = GetFullPathNameA(b.c_str(), MAX_PATH, fullB, nullptr);
  return na > 0 && na < MAX_PATH && nb > 0 && nb < MAX_PATH && PathExists(a) && lstrcmpiA(fullA, fullB) == 0;
#else
  struct stat sa, sb;
  return stat(a.c_str(), &sa) == 0 && stat(b.c_str(), &sb) == 0 && sa.st_dev == sb.st_dev && sa.st_ino == sb.st_ino;
#endif
}
