// The files a setup.cfg line names, looked for where the setup will look:
// on the media below {SRC_DIR} of the disk the line runs from. Archives
// must decode whole, registry files must have a header the registry
// editor takes. Paths elsewhere (the user's machine) are not checked.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "core/check/ini_text.h"
#include "core/check/media_check.h"

// The stand-in value of {SRC_DIR} while the checker replaces tokens.
extern const char kMediaRoot[];

enum class FileUse { kPlain, kArchive, kRegistry };

// The path below the setup's folder of DIR\NAME (DIR empty meaning
// {SRC_DIR}); false when it is not on the media.
bool MediaPathOf(const std::string& dir, const std::string& name, std::string* path);

// False with `problem` set when the file (DIR\NAME, DIR empty meaning
// {SRC_DIR}) is on the media's side but missing or unusable.
bool CheckMediaFile(const MediaView& media, int disk, const std::string& dir, const std::string& name, FileUse use,
                    std::string* problem);

// The entries of an archive on the media (none when it cannot be read),
// for the checker's list of what the installation puts where; with
// `sizes`, each decoded to count its bytes (as far as it decodes).
struct ArchiveFile {
  std::string name;
  uint64_t size = 0;
};
std::vector<ArchiveFile> ArchiveFiles(const std::vector<uint8_t>& bytes, bool sizes);

// The disk label files: "QRM.D00" on a CD, "qrm.d0N" on floppy N (one
// folder holding a floppy's label and no CD's is a set of one floppy, and
// is warned about: from a CD the setup asks for QRM.D00).
void CheckLabels(const MediaView& media, std::vector<Finding>& out);

// Floppies: more than one disk, or one folder with a floppy's label and no
// CD's. On a CD every disk section runs from the one disc.
bool IsFloppySet(const MediaView& media);

// [Multimedia] with the media switched on: the player library beside
// setup.exe and the logo movie in the media folder. The setup goes on
// without them, so these are warnings.
void CheckMultimedia(const MediaView& media, const IniText& cfg, std::vector<Finding>& out);

// setup.cfg or setup.ini as a whole: a byte-order mark (which hides the
// first section from the setup) and CR-only line ends (one long line).
void CheckTextForm(const char* file, const std::vector<uint8_t>& bytes, std::vector<Finding>& out);

// setup.ini (on the last disk): the "Vantora" section and values the setup
// reads in full (at most 255 characters).
void CheckSetupIni(const MediaView& media, std::vector<Finding>& out);
