// The rules of the destination directory page that need no window: the
// space texts, which drives and places are fit for the installation, and the
// texts of the refusals and questions.
#pragma once
#include <cstdint>
#include <string>
#include <string_view>

// --- space ---
// Free bytes from the figures the system gives for a drive (64-bit: a big
// drive overflows 32 bits).
uint64_t FreeBytes(uint32_t sectorsPerCluster, uint32_t bytesPerSector, uint32_t freeClusters);
// "14.9 MB": decimal megabytes with one truncated decimal.
std::string FreeSpaceText(uint64_t freeBytes);
// Whole decimal megabytes, truncated.
unsigned long WholeMegabytes(uint64_t freeBytes);
// "15.0 MB": the required space as the page shows it.
std::string RequiredSpaceText(int megabytes);

// --- drives ---
// The system's drive type numbers.
enum DriveTypeCode : unsigned {
  kDriveUnknown = 0,
  kDriveNoRootDir = 1,
  kDriveRemovable = 2,
  kDriveFixed = 3,
  kDriveRemote = 4,
  kDriveCdRom = 5,
  kDriveRamDisk = 6,
};

enum class DriveClass { kAccepted, kRefused, kQuestionable };

struct DriveVerdict {
  DriveClass cls;
  const char* reason;  // appended to the heading; empty when accepted
};

// What the page makes of a drive of this type.
DriveVerdict ClassifyDrive(unsigned driveType);

// The drive of a directory as the page asks about it: its first two
// characters ("C:"), upper case.
std::string DriveOf(std::string_view upperDir);

// The refusal or question shown for an unfit drive: heading with the drive,
// the reason, then "Click Ok" (refused) or "Are you sure" (questionable).
// Empty for an accepted drive.
std::string DriveMessage(std::string_view drive, const DriveVerdict& verdict);

// --- places ---
std::string UpperAscii(std::string_view text);

// A drive root (at most 3 characters), or a directory holding the Windows
// directory, "RECYCLED", "DOS" or "BACKUP" anywhere. Both texts upper case.
// An empty Windows directory (it could not be found) matches nothing.
bool IsDangerousPlace(std::string_view upperDir, std::string_view upperWindowsDir);
// The question asked before installing into a dangerous place.
std::string DangerousPlaceQuestion(std::string_view upperDir);

// Removes one trailing backslash: c:\vantora\ is kept as c:\vantora.
void StripTrailingBackslash(std::string& dir);
