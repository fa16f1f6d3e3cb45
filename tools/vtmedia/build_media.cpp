// The order of the work: the manifest read whole and the places checked
// first (SOURCE and OUT apart, OUT empty or ours); then, in a work folder
// beside OUT, the CD folder copied, its archives packed and its label
// written; the floppy set laid out from the lines of its setup.cfg, each
// disk measured; both checked; the images last, once every check has
// passed. Only a build that got that far replaces what OUT held, so a
// build that fails or is refused leaves OUT as it was (out_folder.h).
#include "build_media.h"

#include <cstdio>
#include <ctime>
#include <algorithm>
#include <map>
#include <set>
#include <vector>

#include "cfg_values.h"
#include "core/check/media_check.h"
#include "disc_images.h"
#include "manifest.h"
#include "out_folder.h"
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
    if (BuildExit e = CheckPlaces()) return e;
    if (!MakeOwnFolder(work_)) return Fail(kBuildFailed, "cannot make the work folder %s", work_.c_str());
    if (BuildExit e = BuildInWorkFolder()) {
      RemoveTree(work_);
      return e;
    }
    std::string failed;
    if (!MoveIntoPlace(work_, out_, made_, &failed))
      return Fail(kBuildFailed, "cannot put the media in place in %s: %s", out_.c_str(), failed.c_str());
    Say("vtmedia: the media are in %s\n", out_.c_str());
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
    if (!IsDirectory(cdSource_))
      return Fail(kBuildUsage, "%s:%d: no folder %s (CD=%s): nothing was written", kManifestName, m_.cdLine,
                  cdSource_.c_str(), m_.cdRoot.c_str());
    const std::string setupSource = m_.setup.empty() ? cdSource_ : HostJoin(cdSource_, m_.setup);
    if (FindMediaPath(setupSource, "setup.cfg").empty())
      return Fail(kBuildUsage, "%s:%d: no setup.cfg in %s (Setup=%s): nothing was written", kManifestName,
                  m_.setupLine, setupSource.c_str(), m_.setup.c_str());
    for (const ArchivePlan& a : m_.archives)
      if (!PathExists(HostJoin(o_.source, a.files)))
        return Fail(kBuildUsage, "%s:%d: no %s to pack into %s: nothing was written", kManifestName, a.line,
                    a.files.c_str(), a.name.c_str());
    for (const std::string& f : m_.disk1)
      if (!PackedHere(f) && FindMediaPath(setupSource, f).empty())
        return Fail(kBuildUsage, "%s:%d: Disk1 names %s, which is not in %s: nothing was written", kManifestName,
                    m_.disk1Line, f.c_str(), setupSource.c_str());
    if (m_.date == 0) m_.date = static_cast<long long>(std::time(nullptr));
    out_ = o_.out;
    while (out_.size() > 1 && (out_.back() == '/' || out_.back() == '\\')) out_.pop_back();
    work_ = out_ + kNewSuffix;
    cd_ = HostJoin(work_, "cd");
    setup_ = m_.setup.empty() ? cd_ : HostJoin(cd_, m_.setup);
    return kBuildDone;
  }

  // Whether `name` is an archive this build packs into the setup's folder.
  bool PackedHere(const std::string& name) const {
    for (const ArchivePlan& a : m_.archives)
      if (Lower(a.name) == Lower(name)) return true;
    return false;
  }

  // SOURCE and OUT apart, and OUT and the work folder beside it either
  // new, empty or made by an earlier build: nothing of the provider's is
  // ever removed or written over.
  BuildExit CheckPlaces() {
    for (const std::string& place : {out_, work_}) {
      const std::string overlap = OverlapProblem(o_.source, place);
      if (!overlap.empty()) return Fail(kBuildUsage, "%s: nothing was written", overlap.c_str());
      const std::string owner = OwnershipProblem(place);
      if (!owner.empty()) return Fail(kBuildUsage, "%s: nothing was written", owner.c_str());
    }
    return kBuildDone;
  }

  BuildExit BuildInWorkFolder() {
    if (BuildExit e = MakeCd()) return e;
    if (m_.disks > 0)
      if (BuildExit e = MakeFloppies()) return e;
    if (BuildExit e = Check()) return e;
    if (o_.images && !m_.images.empty())
      if (BuildExit e = MakeImages()) return e;
    return kBuildDone;
  }

  std::string ImageName(const std::string& suffix) const { return m_.images + suffix; }
  std::string ImagePath(const std::string& suffix) const { return HostJoin(work_, ImageName(suffix)); }

  BuildExit MakeCd() {
    std::string failed;
    made_.push_back("cd");
    Say("vtmedia: copying %s to %s\n", cdSource_.c_str(), HostJoin(out_, "cd").c_str());
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
    options.force = true;  // only ever the work folder's copy of the disc
    options.encoder = a.encoder;
    options.quiet = o_.quiet;
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

  std::string Disk(int n) const { return HostJoin(HostJoin(work_, "floppy"), "disk" + std::to_string(n)); }

  BuildExit MakeFloppies() {
    made_.push_back("floppy");
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
      if (line == 0) return Fail(kBuildUsage, "%s:%d: Disk1 names %s, which is not in %s", kManifestName,
                                 m_.disk1Line, path.c_str(), setup_.c_str());
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
    onDisk_[disk].push_back({rel, bytes.size()});
    Say("  disk %d: %s\n", disk, rel.c_str());
    return kBuildDone;
  }

  // The disk's three largest files, "name (bytes)", for the message of a
  // disk that does not fit.
  std::string LargestFiles(int disk) {
    std::vector<std::pair<std::string, size_t>> files = onDisk_[disk];
    std::sort(files.begin(), files.end(), [](const std::pair<std::string, size_t>& a,
                                             const std::pair<std::string, size_t>& b) { return a.second > b.second; });
    std::string list;
    for (size_t i = 0; i < files.size() && i < 3; ++i) {
      std::string name = files[i].first;
      std::replace(name.begin(), name.end(), '/', '\\');  // as the disk's path
      list += (i ? ", " : "") + name + " (" + std::to_string(files[i].second) + " bytes)";
    }
    return list.empty() ? "none" : list;
  }

  BuildExit Measure() {
    for (int n = 1; n <= m_.disks; ++n) {
      FloppyUse use;
      if (!MeasureFloppy(Disk(n), &use)) return Fail(kBuildFailed, "cannot measure %s", Disk(n).c_str());
      if (use.bytes > kFloppyBytes || use.rootEntries > kFloppyRootEntries)
        return Fail(kBuildRefused,
                    "disk %d does not fit on a 1.44 MB floppy: its files need %llu bytes and %u root entries, "
                    "the disk has %llu and %u. Its largest files: %s. Move lines of [Setup Disk%d] to a later disk "
                    "section (a new [Setup Disk%d] with Disks=%d in %s), or split a large archive into two",
                    n, static_cast<unsigned long long>(use.bytes), use.rootEntries,
                    static_cast<unsigned long long>(kFloppyBytes), kFloppyRootEntries, LargestFiles(n).c_str(), n,
                    m_.disks + 1, m_.disks + 1, kManifestName);
      Say("vtmedia: disk %d: %llu of %llu bytes (%.0f%%)\n", n, static_cast<unsigned long long>(use.bytes),
          static_cast<unsigned long long>(kFloppyBytes), 100.0 * static_cast<double>(use.bytes) / kFloppyBytes);
    }
    return kBuildDone;
  }

  // Both media through the checker; the findings printed as cfgcheck
  // prints them, with the medium in front.
  BuildExit Check() {
    int errors = CheckOne("cd", {setup_});
    for (const std::string& text : LauncherTargetsMissing(cd_))
      std::printf("cd: cdmenu.exe: warning: %s (Setup=%s)\n", text.c_str(), m_.setup.c_str());
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
      // The builder knows a one-disk floppy set for one (the checker, given
      // one folder, warns that it might be a CD's).
      if (disks.size() == 1 && std::string(medium) == "floppy" && f.file == "qrm.d01" &&
          f.severity == Severity::kWarning)
        continue;
      (f.severity == Severity::kError ? errors : warnings)++;
      std::printf("%s: %s\n", medium, FormatFinding(f).c_str());
    }
    Say("vtmedia: checked the %s: %d error%s, %d warning%s\n", medium, errors, errors == 1 ? "" : "s", warnings,
        warnings == 1 ? "" : "s");
    return errors;
  }

  BuildExit MakeImages() {
    std::string why;
    made_.push_back(ImageName("-cd.iso"));
    Say("vtmedia: writing %s\n", HostJoin(out_, ImageName("-cd.iso")).c_str());
    if (!WriteCdImage(cd_, ImagePath("-cd.iso"), m_.volume, m_.date, &why)) return Fail(kBuildFailed, "%s", why.c_str());
    for (int n = 1; n <= m_.disks; ++n) {
      const std::string name = ImageName("-disk" + std::to_string(n) + ".img");
      const std::string img = HostJoin(work_, name);
      char volume[64];
      std::snprintf(volume, sizeof volume, m_.diskVolume.c_str(), n);
      made_.push_back(name);
      Say("vtmedia: writing %s\n", HostJoin(out_, name).c_str());
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
  std::string out_, work_;          // OUT without a trailing separator; the folder the build is made in
  std::vector<std::string> made_;  // what the build made, by name in work_
  std::set<std::string> placed_;
  std::map<int, std::vector<std::pair<std::string, size_t>>> onDisk_;  // what Place put on each disk
};

}  // namespace

BuildExit BuildMedia(const BuildOptions& options) { return Builder(options).Run(); }
