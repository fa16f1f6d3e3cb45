// A progress line for long work ("create: 3/120 files, 45%"), redrawn in
// place on a terminal and silent otherwise, so that logs and scripts see
// only the packer's ordinary output.
#pragma once
#include <cstdint>
#include <cstdio>
#include <string>

class Progress {
 public:
  // `verb` leads the line; the totals give the counts and the percentage.
  Progress(const char* verb, uint64_t files, uint64_t bytes);
  ~Progress() { Clear(); }

  // Files finished so far and bytes of all the work done so far.
  void Show(uint64_t files_done, uint64_t bytes_done);
  // Wipes the line, so that an ordinary line can be printed.
  void Clear();

 private:
  std::FILE* to_;  // nullptr when neither stderr nor stdout is a terminal
  std::string verb_;
  uint64_t files_, bytes_;
  size_t shown_ = 0;  // width of the line on screen
};
