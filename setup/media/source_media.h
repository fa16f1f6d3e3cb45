// Installation media: CD (disk 0) or numbered floppies, each known by its
// label file "QRM.D0<n>" in the source directory.
#pragma once
#include <string>

// A source on drive A or B is a floppy; anything else counts as the CD.
bool IsFloppySource(const std::string& dir);
std::string DiskLabelName(int disk);

// Copies `name` from `srcDir` to `dstDir` (created when missing), over an
// existing file; the copy loses the read-only bit. A sharing violation is
// logged and ignored when asked; other errors offer Retry. 1 copied (or
// ignored), 0 failed.
int CopyFileTo(const std::string& name, const std::string& srcDir, const std::string& dstDir,
               bool ignoreSharing);
