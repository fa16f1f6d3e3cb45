#include "progress.h"

#include "host_files.h"

Progress::Progress(const char* verb, uint64_t files, uint64_t bytes)
    : to_(IsTerminal(stderr) ? stderr : IsTerminal(stdout) ? stdout : nullptr),
      verb_(verb),
      files_(files),
      bytes_(bytes) {}

void Progress::Show(uint64_t files_done, uint64_t bytes_done) {
  if (!to_) return;
  const unsigned percent = bytes_ ? unsigned(bytes_done >= bytes_ ? 100 : bytes_done * 100 / bytes_) : 100;
  char line[96];
  int n = std::snprintf(line, sizeof line, "%s: %llu/%llu files, %u%%", verb_.c_str(),
                        static_cast<unsigned long long>(files_done), static_cast<unsigned long long>(files_),
                        percent);
  if (n < 0) return;
  size_t width = size_t(n) < sizeof line ? size_t(n) : sizeof line - 1;
  // Ordinary output may share the terminal: keep it in order.
  std::fflush(stdout);
  std::fprintf(to_, "\r%s%*s", line, int(shown_ > width ? shown_ - width : 0), "");
  std::fflush(to_);
  if (width > shown_) shown_ = width;
}

void Progress::Clear() {
  if (!to_ || !shown_) return;
  std::fprintf(to_, "\r%*s\r", int(shown_), "");
  std::fflush(to_);
  shown_ = 0;
}
