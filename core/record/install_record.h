// The installation record: what the setup put on the machine, one line an
// entry, appended as it goes, so that the uninstaller can take away
// exactly that and nothing else.
//
// Format notes
// - A text file, INSTALL.REC in {MAIN_DIR}. The first line is the header
//   "VTREC 1"; every line ends with CR LF.
// - An entry line is its kind (one letter), a tab, its fields separated by
//   tabs, a tab, and the CRC-32 of everything before that last tab as eight
//   hexadecimal digits (capitals). Fields hold no tab, CR or LF (paths and
//   registry names cannot).
// - A line is appended with one write, so a run cut off leaves at most a
//   torn last line: one without its CR LF, or whose check does not match.
//   The reader drops such a last line and keeps what comes before it. A
//   line that fails its check before the last one means damage: the
//   entries after it cannot be trusted, and are not read.
// - Kinds, with their fields:
//     F  file       PATH, SIZE, CRC-32 of the bytes written (8 digits)
//     D  folder     PATH (created by the setup: it did not exist before)
//     L  shortcut   PATH of the .lnk file
//     K  reg key    EXISTED (0 or 1), KEY (HKEY_... full name)
//     V  reg value  EXISTED (0 or 1), KEY, NAME ("@" the default value)
//     P  product    KEY (the product key and the status record below it)
//     R  run-once   NAME (a value of the run-once key)
//     S  self copy  PATH (the setup's own copy of itself or of setup.cfg)
//     X  installer  COMMAND LINE (another installer ran: what it wrote is
//                   its own, never removed)
//   Several runs append to one record: an entry may come more than once.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

constexpr const char kRecordFileName[] = "INSTALL.REC";
constexpr const char kRecordHeader[] = "VTREC 1";

// The uninstaller: the setup writes it beside the record, in {MAIN_DIR},
// and registers it for Add/Remove Programs under this key of
// HKEY_LOCAL_MACHINE (the one place outside the current user that
// Windows 95 reads for that list), with these two values.
constexpr const char kUninstallerFileName[] = "VTUNINST.EXE";
constexpr const char kUninstallKey[] =
    "Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Vantora";
constexpr const char kUninstallDisplayName[] = "Vantora";

enum class RecordKind : char {
  kFile = 'F',
  kFolder = 'D',
  kShortcut = 'L',
  kRegKey = 'K',
  kRegValue = 'V',
  kProduct = 'P',
  kRunOnce = 'R',
  kSelfCopy = 'S',
  kInstaller = 'X',
};

struct RecordEntry {
  RecordKind kind = RecordKind::kFile;
  std::string path;       // F D L S: the path; K V P: the key; R: the value's name; X: the command line
  std::string name;       // V: the value's name
  bool existed = false;   // K V: there before the installation
  uint64_t size = 0;      // F
  uint32_t crc = 0;       // F
};

// CRC-32 (the polynomial of zip and PNG), continued from `crc` (0 to start).
uint32_t Crc32(const void* data, size_t size, uint32_t crc = 0);

// The entry as one line of the record, CR LF included; empty when a field
// holds a tab, CR or LF (such an entry cannot be recorded).
std::string FormatRecordLine(const RecordEntry& entry);

// What reading a record found.
enum class RecordState {
  kWhole,        // every line checked out
  kTornEnd,      // the last line was cut off (a run that was stopped): dropped
  kDamaged,      // a line before the last fails its check: entries up to it are kept
  kNoRecord,     // empty, or not a record at all (no header)
};

struct RecordRead {
  RecordState state = RecordState::kNoRecord;
  std::vector<RecordEntry> entries;
  int badLine = 0;  // kTornEnd, kDamaged: the line (1 = the header)
};

RecordRead ReadRecord(const std::string& text);
