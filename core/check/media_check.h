// The media checker: what a provider's CD folder or floppy set holds,
// checked as the setup program will read it, before it is pressed.
//
// Implemented in media_check.cpp (the walk of setup.cfg) and
// media_files.cpp (files the lines name); called by tools/cfgcheck and the
// tests, which hand it the media through MediaView.
#pragma once
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

// The files of the media, by path relative to a disk's root with
// backslashes, in any case (the media are read on Windows). Disk 1 is the
// CD or the first floppy.
class MediaView {
 public:
  virtual ~MediaView() = default;
  virtual int DiskCount() const = 0;
  // False when the file is not on that disk.
  virtual bool Read(int disk, const std::string& path, std::vector<uint8_t>* bytes) const = 0;
  virtual bool Exists(int disk, const std::string& path) const = 0;
  // True when the folder is on that disk (media in memory hold a folder
  // only with a file in it).
  virtual bool HasFolder(int disk, const std::string& path) const = 0;
};

enum class Severity { kWarning, kError };

struct Finding {
  std::string file;  // "setup.cfg", "setup.ini", a label file
  int line = 0;      // 0: the file as a whole
  Severity severity = Severity::kError;
  std::string text;
};

// Every finding, sorted by file and line.
std::vector<Finding> CheckMedia(const MediaView& media);
// "setup.cfg:12: error: text"
std::string FormatFinding(const Finding& finding);

// A file that setup.cfg makes the setup read from the media: its path
// below the setup's folder (backslashes) and the disk it is read from.
struct MediaNeed {
  int disk = 1;
  std::string path;
  int line = 0;  // of the line in setup.cfg that names it
};

// The files the setup reads while it runs setup.cfg's disk sections, the
// sections they run and the Software section, on a set of `diskCount`
// disks, in the order of the lines (a path may come more than once). For
// tools that lay out media: nothing is checked.
std::vector<MediaNeed> ListMediaNeeds(const std::string& cfgText, int diskCount);

// The checker's exit codes.
enum CheckExit { kCheckClean = 0, kCheckWarnings = 1, kCheckErrors = 2, kCheckUnreadable = 3 };
CheckExit ExitFor(const std::vector<Finding>& findings);
