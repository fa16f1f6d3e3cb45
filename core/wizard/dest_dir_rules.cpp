#include "core/wizard/dest_dir_rules.h"

#include "core/text/format.h"

uint64_t FreeBytes(uint32_t sectorsPerCluster, uint32_t bytesPerSector, uint32_t freeClusters) {
  return uint64_t{bytesPerSector} * freeClusters * sectorsPerCluster;
}

std::string FreeSpaceText(uint64_t freeBytes) {
  char text[48];
  FormatText(text, sizeof text, "%lu.%lu MB", static_cast<unsigned long>(freeBytes / 1000000),
                static_cast<unsigned long>(freeBytes % 1000000 / 100000));
  return text;
}

unsigned long WholeMegabytes(uint64_t freeBytes) {
  return static_cast<unsigned long>(freeBytes / 1000000);
}

std::string RequiredSpaceText(int megabytes) {
  char text[32];
  FormatText(text, sizeof text, "%d.0 MB", megabytes);
  return text;
}

namespace {

struct DriveRule {
  unsigned type;
  DriveVerdict verdict;
};

constexpr DriveRule kDriveRules[] = {
    {kDriveFixed, {DriveClass::kAccepted, ""}},
    {kDriveNoRootDir, {DriveClass::kRefused, "The root directory does not exist."}},
    {kDriveRemovable, {DriveClass::kQuestionable, "The drive is removable (floppy?) drive."}},
    {kDriveRemote, {DriveClass::kQuestionable, "The drive is a remote (network) drive."}},
    {kDriveCdRom, {DriveClass::kRefused, "The drive is a CD-ROM drive."}},
    {kDriveRamDisk, {DriveClass::kRefused, "The drive is a RAM disk."}},
};

constexpr DriveVerdict kUnknownDrive = {DriveClass::kRefused, "The drive type cannot be determined."};

bool Contains(std::string_view text, std::string_view part) {
  return text.find(part) != std::string_view::npos;
}

}  // namespace

DriveVerdict ClassifyDrive(unsigned driveType) {
  for (const DriveRule& rule : kDriveRules)
    if (rule.type == driveType) return rule.verdict;
  return kUnknownDrive;
}

std::string DriveOf(std::string_view upperDir) { return std::string(upperDir.substr(0, 2)); }

std::string DriveMessage(std::string_view drive, const DriveVerdict& verdict) {
  if (verdict.cls == DriveClass::kAccepted) return std::string();
  std::string text = "The drive \"";
  text.append(drive);
  text += "\" you have chosen is not valid:\n";
  text += verdict.reason;
  text += verdict.cls == DriveClass::kRefused ? "\n\nClick \"Ok\" and fix the problem."
                                              : "\n\nAre you sure you want to use it?";
  return text;
}

std::string UpperAscii(std::string_view text) {
  std::string upper(text);
  for (char& c : upper)
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  return upper;
}

bool IsDangerousPlace(std::string_view upperDir, std::string_view upperWindowsDir) {
  if (upperDir.size() <= 3) return true;
  if (!upperWindowsDir.empty() && Contains(upperDir, upperWindowsDir)) return true;
  for (std::string_view place : {"RECYCLED", "DOS", "BACKUP"})
    if (Contains(upperDir, place)) return true;
  return false;
}

std::string DangerousPlaceQuestion(std::string_view upperDir) {
  std::string text = "You have chosen the destination directory:\n\"";
  text.append(upperDir);
  text += "\"\nThis is strongly NOT recommended.\nAre you sure you want to use it?";
  return text;
}

void StripTrailingBackslash(std::string& dir) {
  if (!dir.empty() && dir.back() == '\\') dir.pop_back();
}
