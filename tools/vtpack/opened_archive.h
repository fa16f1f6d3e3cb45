// An archive opened for reading, its header checked and its entry table
// read, with the failures reported as the packer reports them.
#pragma once
#include <memory>
#include <string>
#include <vector>

#include "core/archive/archive_format.h"
#include "host_files.h"

struct OpenedArchive {
  explicit OpenedArchive(const std::string& path);
  bool ok() const { return reader != nullptr; }
  // Exit code when !ok().
  int failure() const;
  // Reads the whole entry table into `entries`; false after a message when
  // it is damaged (the entries before the damage are kept).
  bool ReadTable();
  // Warns once for each entry whose name an earlier one already has;
  // returns how many there are.
  unsigned WarnDuplicates() const;

  OpenFile file;
  std::unique_ptr<FileSource> source;
  std::unique_ptr<ArchiveReader> reader;
  std::vector<ArchiveEntry> entries;
};

// The decoder's result in words.
const char* ResultText(unsigned result);
