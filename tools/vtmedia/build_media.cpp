// The order of the work: the manifest read whole first (nothing is written
// when it is wrong); the CD folder copied, its archives packed and its label
// written, then checked; the floppy set laid out from the lines of its
// setup.cfg, each disk measured and the set checked; the images last, once
// every check has passed. Old images go first, so that a refused build
// leaves none that no longer match the folders.
#include "build_media.h"

#include <cstdio>
#include <ctime>
#include <set>
#include <vector>

#include "cfg_values.h"
#include "core/check/media_check.h"
#include "disc_images.h"
#include "manifest.h"
#include "pe_strip.h"
#include "tools/cfgcheck/folder_media.h"
#include "tools/vtpack/commands.h"
#include "tools/vtpack/host_files.h"
#include "tree_files.h"

#ifdef _WIN32
#include <direct.h>
#define chdir _chdir
#define getcwd _getcwd
#else
#include <unistd.h>
#endif

namespace {

class Builder {
 public:
  explicit Builder(const BuildOptions& o) : o_(o) {}

  BuildExit Run() {
    if (BuildExit e = ReadTheManifest()) return e;
    RemoveImages();
    if (BuildExit e = MakeCd()) return e;
    if (m_.disks > 0)
      if (BuildExit e = MakeFloppies()) return e;
    if (BuildExit e = Check()) return e;
    if (o_.images && !m_.images.empty())
      if (BuildExit e = MakeImages()) return e;
    Say("vtmedia: the media are in %s\n", o_.out.c_str());
    return kBuildDone;
  }

 private:
  template <typename... A>
  void Say(const char* format, A... a) {
    if (!o_.quiet) std::printf(format, a...);
  }
  template <typename... A>
  BuildExit Fail(BuildExit e, const char* format, A... a) {
    std::fflush(stdout);
    std::fprintf(stderr, "vtmedia: ");
    std::fprintf(stderr, format, a...);
    std::fprintf(stderr, "\n");
    return e;
  }

  BuildExit ReadTheManifest() {
    std::vector<uint8_t> bytes;
    const std::string path = HostJoin(o_.source, kManifestName);
    if (!ReadWhole(path, &bytes)) return Fail(kBuildUsage, "no manifest %s", path.c_str());
    std::vector<std::string> errors;
    if (!ReadManifest(std::string(bytes.begin(), bytes.end()), &m_, &errors)) {
      for (const std::string& e : errors) std::fprintf(stderr, "%s\n", e.c_str());
      return Fail(kBuildUsage, "the manifest has %zu error%s: nothing was written", errors.size(),
                  errors.size() == 1 ? "" : "s");
    }
    cdSource_ = HostJoin(o_.source, m_.cdRoot);
    if (!IsDirectory(cdSource_)) return Fail(kBuildUsage, "no folder %s (CD=%s)", cdSource_.c_str(), m_.cdRoot.c_str());
    const std::string setupSource = m_.setup.empty() ? cdSource_ : HostJoin(cdSource_, m_.setup);
    if (FindMediaPath(setupSource, "setup.cfg").empty())
      return Fail(kBuildUsage, "no setup.cfg in %s (Setup=%s)", setupSource.c_str(), m_.setup.c_str());
    for (const ArchivePlan& a : m_.archives)
      if (!PathExists(HostJoin(o_.source, a.files)))
        return Fail(kBuildUsage, "%s:%d: no %s to pack into %s", kManifestName, a.line, a.files.c_str(),
                    a.name.c_str());
    if (m_.date == 0) m_.date = static_cast<long long>(std::time(nullptr));
    cd_ = HostJoin(o_.out, "cd");
    setup_ = m_.setup.empty() ? cd_ : HostJoin(cd_, m_.setup);
    return kBuildDone;
  }

  std::string ImagePath(const std::string& suffix) const { return HostJoin(o_.out, m_.images + suffix); }

  void RemoveImages() {
    if (m_.images.empty()) return;
    std::remove(ImagePath("-cd.iso").c_str());
    for (int n = 1; n <= 9; ++n) std::remove(ImagePath("-disk" + std::to_string(n) + ".img").c_str());
  }

  BuildExit MakeCd() {
    std::string failed;
    if (!RemoveTree(cd_)) return Fail(kBuildFailed, "cannot remove the old %s", cd_.c_str());
    Say("vtmedia: copying %s to %s\n", cdSource_.c_str(), cd_.c_str());
    if (!CopyTree(cdSource_, cd_, &failed)) return Fail(kBuildFailed, "cannot copy to %s", failed.c_str());
    if (m_.cdStrip)
      if (BuildExit e = StripPrograms(cd_)) return e;
    for (const ArchivePlan& a : m_.archives)
      if (BuildExit e = Pack(a)) return e;
    if (!WriteWhole(HostJoin(setup_, "QRM.D00"), m_.label + "\r\n"))
      return Fail(kBuildFailed, "cannot write the label file in %s", setup_.c_str());
    return kBuildDone;
  }

  // vtpack's create, run in the folder of the files so that their names in
  // the archive are the paths below it.
  BuildExit Pack(const ArchivePlan& a) {
    const std::string from = HostJoin(o_.source, a.files);
    std::string folder = from;
    std::vector<std::string> names;
    if (IsDirectory(from)) {
      ListFolder(from, names);
    } else {
      const std::string base = BaseName(from);
      folder = from.substr(0, from.size() - base.size());
      names.push_back(base);
    }
    CreateOptions options;
    options.paths = a.paths;
    options.encoder = a.encoder;
    const std::string archive = Absolute(HostJoin(setup_, a.name));
    char here[4096];
    if (!getcwd(here, sizeof here) || (!folder.empty() && chdir(folder.c_str()) != 0))
      return Fail(kBuildFailed, "cannot enter %s", folder.c_str());
    Say("vtmedia: packing %s from %s\n", a.name.c_str(), a.files.c_str());
    const int r = CreateArchive(options, archive, names);
    if (chdir(here) != 0) return Fail(kBuildFailed, "cannot go back to %s", here);
    if (r != kExitOk) return Fail(r == kExitFailed ? kBuildFailed : kBuildUsage, "%s:%d: %s could not be packed",
                                  kManifestName, a.line, a.name.c_str());
    return kBuildDone;
  }

  std::string Absolute(const std::string& path) const {
    if (!path.empty() && (path[0] == '/' || path[0] == '\\' || (path.size() > 1 && path[1] == ':'))) return path;
    char here[4096];
    return getcwd(here, sizeof here) ? HostJoin(here, path) : path;
  }

  std::string Disk(int n) const { return HostJoin(HostJoin(o_.out, "floppy"), "disk" + std::to_string(n)); }

  BuildExit MakeFloppies() {
    const std::string floppy = HostJoin(o_.out, "floppy");
    if (!RemoveTree(floppy)) return Fail(kBuildFailed, "cannot remove the old %s", floppy.c_str());
    std::vector<uint8_t> bytes;
    ReadWhole(FindMediaPath(setup_, "setup.cfg"), &bytes);
    const std::string cfg = WithValues(std::string(bytes.begin(), bytes.end()), m_.overrides);
    for (int n = 1; n <= m_.disks; ++n) {
      if (!MakeDirectories(Disk(n))) return Fail(kBuildFailed, "cannot create %s", Disk(n).c_str());
      char label[256];
      std::snprintf(label, sizeof label, m_.diskLabel.c_str(), n);
      if (!WriteWhole(HostJoin(Disk(n), "qrm.d0" + std::to_string(n)), std::string(label) + "\r\n"))
        return Fail(kBuildFailed, "cannot write the label file of disk %d", n);
    }
    if (!WriteWhole(HostJoin(Disk(1), "setup.cfg"), cfg)) return Fail(kBuildFailed, "cannot write setup.cfg of disk 1");
    for (const std::string& f : m_.disk1)
      if (BuildExit e = Place(1, f, 0)) return e;
    for (const MediaNeed& need : ListMediaNeeds(cfg, m_.disks))
      if (BuildExit e = Place(need.disk, need.path, need.line)) return e;
    if (!FindMediaPath(setup_, "setup.ini").empty())
      if (BuildExit e = Place(m_.disks, "setup.ini", 0)) return e;
    return Measure();
  }

  // A file of the setup's folder onto a disk, under the name it has there.
  // The programs below ROOT lose their debugging information, as the
  // floppies' copies do in Place.
  BuildExit StripPrograms(const std::string& root) {
    std::vector<std::string> files;
    if (!ListTree(root, &files)) return Fail(kBuildFailed, "cannot list %s", root.c_str());
    for (const std::string& rel : files) {
      if (!IsProgram(rel)) continue;
      const std::string path = HostJoin(root, rel);
      std::vector<uint8_t> bytes;
      if (!ReadWhole(path, &bytes)) return Fail(kBuildFailed, "cannot read %s", path.c_str());
      if (!StripOne(rel, bytes)) continue;
      if (!WriteWhole(path, bytes)) return Fail(kBuildFailed, "cannot write %s", path.c_str());
    }
    return kBuildDone;
  }

  static bool IsProgram(const std::string& rel) {
    const std::string lower = Lower(rel);
    return Ends(lower, ".exe") || Ends(lower, ".dll");
  }

  // Strips BYTES in place; false when there was nothing to strip. A file
  // this cannot read as a program is left as it is, with a warning.
  static bool StripOne(const std::string& rel, std::vector<uint8_t>& bytes) {
    std::string why;
    const StripResult r = StripDebugInfo(bytes, &why);
    if (r == StripResult::kNotStrippable)
      std::printf("vtmedia: warning: %s keeps its debugging information: %s\n", rel.c_str(), why.c_str());
    return r == StripResult::kStripped;
  }

  BuildExit Place(int disk, const std::string& path, int line) {
    const std::string from = FindMediaPath(setup_, path);
    if (from.empty()) {
      // Not on the CD either: the check of the CD reports the line.
      if (line == 0) return Fail(kBuildUsage, "%s: Disk1 names %s, which is not in %s", kManifestName, path.c_str(),
                                 setup_.c_str());
      return kBuildDone;
    }
    if (!placed_.insert(std::to_string(disk) + "|" + from).second) return kBuildDone;
    const std::string rel = from.substr(setup_.size() + 1);
    const std::string to = HostJoin(Disk(disk), rel);
    const size_t cut = to.find_last_of("/\\");
    std::vector<uint8_t> bytes;
    if (!ReadWhole(from, &bytes) || !MakeDirectories(to.substr(0, cut)))
      return Fail(kBuildFailed, "cannot read %s", from.c_str());
    if (m_.strip && IsProgram(rel)) StripOne(rel, bytes);
    if (!WriteWhole(to, bytes)) return Fail(kBuildFailed, "cannot write %s", to.c_str());
    Say("  disk %d: %s\n", disk, rel.c_str());
    return kBuildDone;
  }

  BuildExit Measure() {
    for (int n = 1; n <= m_.disks; ++n) {
      FloppyUse use;
      if (!MeasureFloppy(Disk(n), &use)) return Fail(kBuildFailed, "cannot measure %s", Disk(n).c_str());
      if (use.bytes > kFloppyBytes || use.rootEntries > kFloppyRootEntries)
        return Fail(kBuildRefused,
                    "disk %d does not fit on a 1.44 MB floppy: its files need %llu bytes and %u root entries, "
                    "the disk has %llu and %u",
                    n, static_cast<unsigned long long>(use.bytes), use.rootEntries,
                    static_cast<unsigned long long>(kFloppyBytes), kFloppyRootEntries);
      Say("vtmedia: disk %d: %llu of %llu bytes (%.0f%%)\n", n, static_cast<unsigned long long>(use.bytes),
          static_cast<unsigned long long>(kFloppyBytes), 100.0 * static_cast<double>(use.bytes) / kFloppyBytes);
    }
    return kBuildDone;
  }

  // Both media through the checker; the findings printed as cfgcheck
  // prints them, with the medium in front.
  BuildExit Check() {
    int errors = CheckOne("cd", {setup_});
    if (m_.disks > 0) {
      std::vector<std::string> disks;
      for (int n = 1; n <= m_.disks; ++n) disks.push_back(Disk(n));
      errors += CheckOne("floppy", disks);
    }
    if (errors > 0) return Fail(kBuildRefused, "the media have %d error%s (above): no images were written", errors,
                                errors == 1 ? "" : "s");
    return kBuildDone;
  }

  int CheckOne(const char* medium, const std::vector<std::string>& disks) {
    const std::vector<Finding> findings = CheckMedia(FolderMedia(disks));
    int errors = 0, warnings = 0;
    for (const Finding& f : findings) {
      (f.severity == Severity::kError ? errors : warnings)++;
      std::printf("%s: %s\n", medium, FormatFinding(f).c_str());
    }
    Say("vtmedia: checked the %s: %d error%s, %d warning%s\n", medium, errors, errors == 1 ? "" : "s", warnings,
        warnings == 1 ? "" : "s");
    return errors;
  }

  BuildExit MakeImages() {
    std::string why;
    Say("vtmedia: writing %s\n", ImagePath("-cd.iso").c_str());
    if (!WriteCdImage(cd_, ImagePath("-cd.iso"), m_.volume, m_.date, &why)) return Fail(kBuildFailed, "%s", why.c_str());
    for (int n = 1; n <= m_.disks; ++n) {
      const std::string img = ImagePath("-disk" + std::to_string(n) + ".img");
      char volume[64];
      std::snprintf(volume, sizeof volume, m_.diskVolume.c_str(), n);
      Say("vtmedia: writing %s\n", img.c_str());
      // The serial numbers follow from the date, one a disk.
      const uint32_t serial = static_cast<uint32_t>(m_.date) + static_cast<uint32_t>(n);
      if (!WriteFloppyImage(Disk(n), img, volume, serial, m_.date, &why)) return Fail(kBuildFailed, "%s", why.c_str());
    }
    return kBuildDone;
  }

  static std::string Lower(std::string s) {
    for (char& c : s) c = static_cast<char>(c >= 'A' && c <= 'Z' ? c + 32 : c);
    return s;
  }
  static bool Ends(const std::string& s, const char* tail) {
    const std::string t = tail;
    return s.size() >= t.size() && s.compare(s.size() - t.size(), t.size(), t) == 0;
  }

  const BuildOptions& o_;
  MediaManifest m_;
  std::string cdSource_, cd_, setup_;
  std::set<std::string> placed_;
};

}  // namespace

BuildExit BuildMedia(const BuildOptions& options) { return Builder(options).Run(); }
