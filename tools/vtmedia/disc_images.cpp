#include "disc_images.h"

#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <vector>

#include "tools/vtpack/host_files.h"
#include "tree_files.h"

#ifdef _WIN32
#include <process.h>
#else
#include <sys/wait.h>
#include <unistd.h>
#endif

namespace {

// Runs a program found on the PATH with its arguments (no shell), its
// output left to ours; the exit code, or -1 when it could not start.
int Run(const std::vector<std::string>& args, const std::vector<std::string>& environment = {}) {
  std::vector<char*> argv;
  for (const std::string& a : args) argv.push_back(const_cast<char*>(a.c_str()));
  argv.push_back(nullptr);
  std::fflush(stdout);
#ifdef _WIN32
  for (const std::string& e : environment) _putenv(e.c_str());
  const intptr_t r = _spawnvp(_P_WAIT, argv[0], argv.data());
  return r < 0 ? -1 : static_cast<int>(r);
#else
  const pid_t pid = fork();
  if (pid < 0) return -1;
  if (pid == 0) {
    for (const std::string& e : environment) putenv(const_cast<char*>(e.c_str()));
    execvp(argv[0], argv.data());
    _exit(127);
  }
  int status = 0;
  if (waitpid(pid, &status, 0) != pid || !WIFEXITED(status)) return -1;
  return WEXITSTATUS(status) == 127 ? -1 : WEXITSTATUS(status);
#endif
}

bool Ran(const std::vector<std::string>& args, const std::vector<std::string>& environment, std::string* why) {
  const int r = Run(args, environment);
  if (r == 0) return true;
  *why = r < 0 ? args[0] + " is not installed (it writes the images; --no-images makes the folders only)"
               : args[0] + " failed with exit code " + std::to_string(r) + " (above)";
  return false;
}

// A name that the FAT keeps as it is: 8.3, upper case, no blanks.
bool ShortName(const std::string& name) {
  const size_t dot = name.find('.');
  const std::string base = name.substr(0, dot);
  const std::string ext = dot == std::string::npos ? "" : name.substr(dot + 1);
  if (base.empty() || base.size() > 8 || ext.size() > 3 || ext.find('.') != std::string::npos) return false;
  for (char c : name)
    if ((c >= 'a' && c <= 'z') || c == ' ' || c == '+' || c == ',' || c == ';' || c == '=' || c == '[' || c == ']')
      return false;
  return true;
}

unsigned EntriesFor(const std::string& name) {
  return ShortName(name) ? 1 : 1 + static_cast<unsigned>((name.size() + 12) / 13);
}

uint64_t Clusters(uint64_t bytes) { return (bytes + 511) / 512 * 512; }

bool MeasureFolder(const std::string& path, bool root, FloppyUse* use) {
  std::vector<std::string> names;
  if (!ListFolder(path, names)) return false;
  unsigned entries = root ? 0 : 2;  // "." and ".."
  for (const std::string& n : names) {
    entries += EntriesFor(n);
    const std::string child = HostJoin(path, n);
    if (IsDirectory(child)) {
      if (!MeasureFolder(child, false, use)) return false;
    } else {
      uint64_t size = 0;
      if (!GetFileSize(child, &size)) return false;
      use->bytes += Clusters(size);
    }
  }
  if (root)
    use->rootEntries = entries;
  else
    use->bytes += Clusters(uint64_t(entries) * 32);
  return true;
}

std::string Stamp(long long epoch, const char* format) {
  const std::time_t t = static_cast<std::time_t>(epoch);
  std::tm parts{};
#ifdef _WIN32
  gmtime_s(&parts, &t);
#else
  gmtime_r(&t, &parts);
#endif
  char text[32];
  std::strftime(text, sizeof text, format, &parts);
  return text;
}

}  // namespace

bool MeasureFloppy(const std::string& folder, FloppyUse* use) {
  *use = FloppyUse();
  return MeasureFolder(folder, true, use);
}

bool WriteCdImage(const std::string& folder, const std::string& iso, const std::string& volume, long long epoch,
                  std::string* why) {
  const std::string part = iso + ".part";
  std::remove(iso.c_str());
  std::remove(part.c_str());
  const std::string stamp = Stamp(epoch, "%Y%m%d%H%M%S00");
  // SOURCE_DATE_EPOCH fixes what the options do not name (the volume's
  // expiry and effective dates, the image's UUID).
  if (!Ran({"xorriso", "-as", "mkisofs", "-quiet", "-J", "-V", volume, "--modification-date=" + stamp,
            "--set_all_file_dates", stamp, "-o", part, folder},
           {"SOURCE_DATE_EPOCH=" + std::to_string(epoch)}, why)) {
    std::remove(part.c_str());
    return false;
  }
  return std::rename(part.c_str(), iso.c_str()) == 0 || (*why = "cannot write " + iso, false);
}

bool WriteFloppyImage(const std::string& folder, const std::string& img, const std::string& label,
                      uint32_t serial, long long epoch, std::string* why) {
  const std::string part = img + ".part";
  std::remove(img.c_str());
  std::remove(part.c_str());
  // mcopy dates each file with its modification time.
  if (!DateTree(folder, epoch)) return *why = "cannot date the files of " + folder, false;
  char serialText[16];
  std::snprintf(serialText, sizeof serialText, "%08X", serial);
  const std::vector<std::string> environment = {"MTOOLS_SKIP_CHECK=1", "LC_ALL=C",
                                                "SOURCE_DATE_EPOCH=" + std::to_string(epoch)};
  std::vector<std::string> names;
  ListFolder(folder, names);
  std::vector<std::string> copy = {"mcopy", "-s", "-m", "-i", part};
  for (const std::string& n : names) copy.push_back(HostJoin(folder, n));
  copy.push_back("::");
  if (!Ran({"mformat", "-f", "1440", "-C", "-i", part, "-v", label, "-N", serialText, "::"}, environment, why) ||
      (names.size() > 0 && !Ran(copy, environment, why))) {
    std::remove(part.c_str());
    return false;
  }
  return std::rename(part.c_str(), img.c_str()) == 0 || (*why = "cannot write " + img, false);
}
