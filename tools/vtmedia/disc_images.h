// The media as images of real discs, written by the build machine's image
// tools (xorriso for the CD, mtools for the floppies), every date fixed so
// that the same files always give the same images.
#pragma once
#include <cstdint>
#include <string>

// A 1.44 MB FAT12 floppy: 2847 clusters of 512 bytes for files and
// folders, 224 entries in its root folder.
constexpr uint64_t kFloppyBytes = 2847ull * 512;
constexpr unsigned kFloppyRootEntries = 224;

struct FloppyUse {
  uint64_t bytes = 0;        // the clusters the files and folders below the root take
  unsigned rootEntries = 0;  // directory entries in the root (long names take more than one)
};

// What `folder` takes on a floppy; false when it cannot be read.
bool MeasureFloppy(const std::string& folder, FloppyUse* use);

// ISO 9660 with Joliet names (the names Windows shows, in their case and
// length), no Rock Ridge (no owner or permission of the build machine).
// False with `why` set when the tool is missing or fails; nothing is left
// at `iso` then.
bool WriteCdImage(const std::string& folder, const std::string& iso, const std::string& volume, long long epoch,
                  std::string* why);
bool WriteFloppyImage(const std::string& folder, const std::string& img, const std::string& label,
                      uint32_t serial, long long epoch, std::string* why);
