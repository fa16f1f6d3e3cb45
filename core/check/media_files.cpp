#include "core/check/media_files.h"

#include <algorithm>
#include <cstdlib>
#include <memory>

#include "core/archive/archive_format.h"
#include "core/archive/entry_decode.h"
#include "core/archive/entry_name.h"
#include "core/check/ini_text.h"
#include "core/config/setup_ini_keys.h"
#include "core/dcl/dcl_decode.h"
#include "core/io/byte_stream.h"

const char kMediaRoot[] = "<media>";

namespace {

const char* DecodeText(unsigned r) {
  switch (r) {
    case DCL_BAD_DICTSIZE: return "a bad dictionary size";
    case DCL_BAD_MODE: return "a bad literal coding";
    case DCL_BAD_DATA: return "corrupt data";
    default: return "data that ends early";
  }
}

bool ArchiveDecodes(const std::vector<uint8_t>& bytes, std::string* why) {
  MemorySource source(bytes.data(), bytes.size());
  ArchiveReader reader(source);
  // The header's second word says plain (0) or path (1) names; anything
  // else is another kind of file under the archive's name (a text, say).
  const std::string notOne = "it is no packed archive at all (vtpack create makes them)";
  if (!reader.ReadHeader()) return *why = notOne + ": " + reader.error(), false;
  if ((bytes[2] | bytes[3] << 8) > 1) return *why = notOne, false;
  std::unique_ptr<DclWorkArea> work(new DclWorkArea());
  ArchiveEntry e;
  for (unsigned i = 0; i < reader.entry_count(); ++i) {
    if (!reader.NextEntry(e)) return *why = reader.error(), false;
    EntryPath where;
    std::string refused;
    if (!SplitEntryName(e.name, reader.has_paths(), where, &refused))
      return *why = "the setup refuses its entry " + e.name + ": " + refused, false;
    CountingSink sink;
    const unsigned r = DecodeEntry(source, e.data_start, e.data_end, sink, work.get());
    if (r != DCL_OK) return *why = "entry " + e.name + " has " + DecodeText(r), false;
  }
  return true;
}

bool RegistryHeader(const std::vector<uint8_t>& bytes) {
  std::string first(bytes.begin(), bytes.begin() + std::min<size_t>(bytes.size(), 64));
  first = first.substr(0, first.find_first_of("\r\n"));
  return first == "REGEDIT4" || first == "Windows Registry Editor Version 5.00";
}

}  // namespace

std::vector<ArchiveFile> ArchiveFiles(const std::vector<uint8_t>& bytes, bool sizes) {
  std::vector<ArchiveFile> files;
  MemorySource source(bytes.data(), bytes.size());
  ArchiveReader reader(source);
  if (!reader.ReadHeader()) return files;
  std::unique_ptr<DclWorkArea> work(sizes ? new DclWorkArea() : nullptr);
  ArchiveEntry e;
  for (unsigned i = 0; i < reader.entry_count() && reader.NextEntry(e); ++i) {
    ArchiveFile f;
    f.name = e.name;
    if (sizes) {
      CountingSink sink;
      DecodeEntry(source, e.data_start, e.data_end, sink, work.get());
      f.size = sink.total;
    }
    files.push_back(f);
  }
  return files;
}

bool MediaPathOf(const std::string& dir, const std::string& name, std::string* path) {
  const std::string root = kMediaRoot;
  std::string folder = dir.empty() ? root : dir;
  if (folder.compare(0, root.size(), root) != 0) return false;
  folder = folder.substr(root.size());
  while (!folder.empty() && folder[0] == '\\') folder.erase(0, 1);
  while (!folder.empty() && folder.back() == '\\') folder.pop_back();
  *path = folder.empty() ? name : folder + "\\" + name;
  return true;
}

bool CheckMediaFile(const MediaView& media, int disk, const std::string& dir, const std::string& name, FileUse use,
                    std::string* problem) {
  std::string path;
  if (!MediaPathOf(dir, name, &path)) return true;  // on the user's machine
  if (!media.Exists(disk, path)) {
    std::string elsewhere;
    for (int d = 1; d <= media.DiskCount(); ++d)
      if (d != disk && media.Exists(d, path)) elsewhere = " (it is on disk " + std::to_string(d) + ")";
    *problem = "File " + path + " could not be found" +
               (media.DiskCount() > 1 ? " on disk " + std::to_string(disk) + elsewhere : std::string());
    return false;
  }
  if (use == FileUse::kPlain) return true;
  std::vector<uint8_t> bytes;
  media.Read(disk, path, &bytes);
  std::string why;
  if (use == FileUse::kArchive && !ArchiveDecodes(bytes, &why)) {
    *problem = "archive " + path + " cannot be unpacked: " + why;
    return false;
  }
  if (use == FileUse::kRegistry && !RegistryHeader(bytes)) {
    *problem = "registry file " + path + " does not start with REGEDIT4 or \"Windows Registry Editor Version 5.00\"";
    return false;
  }
  return true;
}

bool IsFloppySet(const MediaView& media) {
  return media.DiskCount() > 1 || (!media.Exists(1, "QRM.D00") && media.Exists(1, "qrm.d01"));
}

void CheckLabels(const MediaView& media, std::vector<Finding>& out) {
  if (media.DiskCount() == 1 && media.Exists(1, "QRM.D00")) return;
  if (media.DiskCount() == 1 && media.Exists(1, "qrm.d01")) {
    out.push_back({"qrm.d01", 0, Severity::kWarning,
                   "a floppy's label file and no QRM.D00: right for a set of one floppy; on a CD the setup keeps "
                   "asking for the Vantora CD (a CD's label file is QRM.D00)"});
    return;
  }
  if (media.DiskCount() == 1) {
    out.push_back({"QRM.D00", 0, Severity::kError,
                   "no disk label file QRM.D00 (CD) or qrm.d01 (floppy 1): the setup will not recognise its media"});
    return;
  }
  for (int d = 1; d <= media.DiskCount(); ++d) {
    const std::string label = "qrm.d0" + std::to_string(d);
    if (!media.Exists(d, label))
      out.push_back({label, 0, Severity::kError,
                     "disk " + std::to_string(d) + " has no label file " + label +
                         ": the setup keeps asking for the disk"});
  }
}

void CheckMultimedia(const MediaView& media, const IniText& cfg, std::vector<Finding>& out) {
  std::string mode, folder, logo;
  int line = 0, logoLine = 0;
  if (!cfg.Value("Multimedia", "MultiMedia", &mode, &line) || std::atoi(mode.c_str()) == 0) return;
  if (!media.Exists(1, "QRMPlay.dll"))
    out.push_back({"setup.cfg", line, Severity::kWarning,
                   "MultiMedia=" + mode + " but QRMPlay.dll is not beside setup.exe: the setup plays no movie"});
  if (!cfg.Value("Multimedia", "Logo", &logo, &logoLine) || logo.empty()) return;
  cfg.Value("Multimedia", "MediaPath", &folder);
  std::string path;
  MediaPathOf(folder.empty() ? std::string(kMediaRoot) : std::string(kMediaRoot) + "\\" + folder, logo, &path);
  if (!media.Exists(1, path))
    out.push_back({"setup.cfg", logoLine, Severity::kWarning,
                   "the logo movie " + path + " is not on the media: the setup shows none"});
}

// What the setup's profile reading makes of the file as a whole: a
// byte-order mark hides the first section, CR-only line ends make the file
// one line.
void CheckTextForm(const char* file, const std::vector<uint8_t>& bytes, std::vector<Finding>& out) {
  if (bytes.size() >= 3 && bytes[0] == 0xEF && bytes[1] == 0xBB && bytes[2] == 0xBF)
    out.push_back({file, 1, Severity::kError,
                   std::string(file) + " starts with a byte-order mark (UTF-8): the setup does not take its first "
                   "line for a section; save it as plain ANSI text, without one"});
  bool cr = false, lf = false;
  for (size_t i = 0; i < bytes.size(); ++i) {
    if (bytes[i] == '\n') lf = true;
    if (bytes[i] == '\r' && (i + 1 == bytes.size() || bytes[i + 1] != '\n')) cr = true;
  }
  if (cr && !lf)
    out.push_back({file, 0, Severity::kError,
                   std::string(file) + " has CR-only line ends (an old Mac's): the setup reads it as one line; save "
                   "it with CR LF line ends"});
}

// A key the setup does not read is lost; IsRegNoAPrefix is yes only as
// "yes".
static void SetupIniKey(const IniLine& l, const std::string& key, const std::string& value, std::vector<Finding>& out) {
  bool known = false;
  for (const char* name : kSetupIniSpecialKeys) known = known || SameNameIgnoringCase(key, name);
  for (const char* name : kSetupIniCopiedKeys) known = known || SameNameIgnoringCase(key, name);
  if (!known)
    out.push_back({"setup.ini", l.line, Severity::kWarning,
                   key + " is not a key the setup reads, so its value never reaches the client (the guide lists "
                         "the keys: RegNo, HomePage, SetupFee, ...)"});
  else if (SameNameIgnoringCase(key, "IsRegNoAPrefix") && !SameNameIgnoringCase(value, "yes") &&
           !SameNameIgnoringCase(value, "no"))
    out.push_back({"setup.ini", l.line, Severity::kWarning,
                   "IsRegNoAPrefix=" + value + ": the setup takes only \"yes\" (any case) for yes; this counts as no"});
}

void CheckSetupIni(const MediaView& media, std::vector<Finding>& out) {
  std::vector<uint8_t> bytes;
  const int last = media.DiskCount();
  if (!media.Read(last, "setup.ini", &bytes)) {
    out.push_back({"setup.ini", 0, Severity::kWarning,
                   "no setup.ini on " + std::string(last > 1 ? "the last disk" : "the media") +
                       ": the client gets none of the provider's settings"});
    return;
  }
  CheckTextForm("setup.ini", bytes, out);
  const IniText ini(std::string(bytes.begin(), bytes.end()));
  const IniSection* s = ini.Find("Vantora");
  if (!s) {
    out.push_back({"setup.ini", 0, Severity::kError, "no [Vantora] section: the setup reads nothing from it"});
    return;
  }
  for (const IniLine& l : s->lines) {
    const size_t equals = l.text.find('=');
    if (equals == std::string::npos) {
      out.push_back({"setup.ini", l.line, Severity::kWarning, "\"" + l.text + "\" is not NAME=VALUE"});
    } else if (l.text.size() - equals - 1 > 255) {
      out.push_back({"setup.ini", l.line, Severity::kError,
                     l.text.substr(0, equals) + " is " + std::to_string(l.text.size() - equals - 1) +
                         " characters long: the setup reads 255"});
    } else {
      SetupIniKey(l, l.text.substr(0, equals), l.text.substr(equals + 1), out);
    }
  }
}
