// Installation media: CD (disk 0) or numbered floppies, each known by its
// label file "QRM.D0<n>" in the source directory.
#pragma once
#include <string>

// A source on drive A or B is a floppy; anything else counts as the CD.
bool IsFloppySource(const std::string& dir);
std::string DiskLabelName(int disk);
