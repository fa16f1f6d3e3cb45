#include "core/record/uninstall_plan.h"

#include <algorithm>
#include <map>

#include "core/check/ini_text.h"
#include "core/paths/path_ops.h"

namespace {

struct RootName {
  const char* name;
  RegistryRoot root;
};
const RootName kRoots[] = {
    {"HKEY_CLASSES_ROOT", RegistryRoot::kClassesRoot},
    {"HKEY_CURRENT_USER", RegistryRoot::kCurrentUser},
    {"HKEY_LOCAL_MACHINE", RegistryRoot::kLocalMachine},
    {"HKEY_USERS", RegistryRoot::kUsers},
};

// Windows compares paths and keys without regard to case: so does every
// "once" of the plan.
std::string Folded(const std::string& s) {
  std::string out = s;
  for (char& c : out)
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  return out;
}

// A path as the record would write it for the same thing: '/' as '\', no
// trailing backslash (but a drive's root keeps its own).
std::string Tidied(std::string path) {
  for (char& c : path)
    if (c == '/') c = '\\';
  while (path.size() > 3 && path.back() == '\\') path.pop_back();
  return path;
}

size_t Depth(const std::string& s) { return static_cast<size_t>(std::count(s.begin(), s.end(), '\\')); }

bool ClimbsOut(const std::string& path) {
  size_t start = 0;
  for (;;) {
    const size_t end = path.find('\\', start);
    if (path.compare(start, end == std::string::npos ? std::string::npos : end - start, "..") == 0) return true;
    if (end == std::string::npos) return false;
    start = end + 1;
  }
}

bool IsFullPath(const std::string& path) {
  const bool share = path.size() > 2 && path[0] == '\\' && path[1] == '\\';
  return (IsDriveRootedPath(path) || share) && !ClimbsOut(path);
}

// Keys that other software shares: a product tree may not be one of them.
bool IsSharedKey(const std::string& subkey) {
  const std::string f = Folded(subkey);
  if (Depth(f) < 1) return true;
  const std::string microsoft = "SOFTWARE\\MICROSOFT";
  return f.compare(0, microsoft.size(), microsoft) == 0 && (f.size() == microsoft.size() || f[microsoft.size()] == '\\');
}

// Adds `item` once to `list` (by its folded name `id`); returns its place.
template <typename T>
size_t Once(std::map<std::string, size_t>& seen, std::vector<T>& list, const std::string& id, const T& item,
            bool* fresh = nullptr) {
  const auto found = seen.find(id);
  if (fresh) *fresh = found == seen.end();
  if (found != seen.end()) return found->second;
  seen[id] = list.size();
  list.push_back(item);
  return list.size() - 1;
}

void DeepestFirst(std::vector<std::string>& list) {
  std::stable_sort(list.begin(), list.end(),
                   [](const std::string& a, const std::string& b) { return Depth(a) > Depth(b); });
}

class Planner {
 public:
  Planner(UninstallPlan& plan, const std::string& mainDir) : plan_(plan) {
    std::string dir = Tidied(mainDir);
    AppendPath(dir, "");
    programsOwn_ = {Folded(dir + kRecordFileName), Folded(dir + kUninstallerFileName)};
  }

  void Add(const RecordEntry& e) {
    switch (e.kind) {
      case RecordKind::kFile: return AddFile(e);
      case RecordKind::kShortcut: return AddPath(e, plan_.shortcuts, shortcuts_);
      case RecordKind::kSelfCopy: return AddPath(e, plan_.selfCopies, selfCopies_);
      case RecordKind::kFolder: return AddPath(e, plan_.folders, folders_);
      case RecordKind::kRegValue: return AddValue(e);
      case RecordKind::kRegKey: return AddKey(e);
      case RecordKind::kProduct: return AddProduct(e);
      case RecordKind::kRunOnce: return AddName(e.path, plan_.runOnce, runOnce_);
      case RecordKind::kInstaller: return AddName(e.path, plan_.installers, installers_);
    }
  }

  void Finish() {
    // A key inside a product tree goes with the tree, and the Add/Remove
    // Programs entry goes last, by the program: listed here they would
    // only be logged as not there.
    const std::string addRemove = Folded(std::string("HKEY_LOCAL_MACHINE\\") + kUninstallKey);
    const auto covered = [&](const std::string& key) {
      const std::string f = Folded(key);
      if (f == addRemove) return true;
      for (const std::string& product : plan_.productKeys) {
        const std::string p = Folded(product);
        if (f.compare(0, p.size(), p) == 0 && (f.size() == p.size() || f[p.size()] == '\\')) return true;
      }
      return false;
    };
    plan_.keys.erase(std::remove_if(plan_.keys.begin(), plan_.keys.end(), covered), plan_.keys.end());
    DeepestFirst(plan_.keys);
    DeepestFirst(plan_.folders);
  }

 private:
  bool Refuse(const RecordEntry& e, RefusedWhy why) {
    plan_.refused.push_back({e.kind, e.path, why});
    return false;
  }
  bool UsablePath(const RecordEntry& e) {
    return IsFullPath(Tidied(e.path)) || Refuse(e, RefusedWhy::kNotFullPath);
  }
  bool UsableKey(const RecordEntry& e) {
    std::string subkey;
    return SplitRegistryKey(e.path, &subkey) != RegistryRoot::kNone || Refuse(e, RefusedWhy::kUnknownRoot);
  }
  bool ProgramsOwn(const std::string& path) const {
    const std::string f = Folded(Tidied(path));
    return std::find(programsOwn_.begin(), programsOwn_.end(), f) != programsOwn_.end();
  }

  void AddFile(const RecordEntry& e) {
    if (!UsablePath(e) || ProgramsOwn(e.path)) return;
    const std::string path = Tidied(e.path);
    const size_t at = Once(files_, plan_.files, Folded(path), PlannedFile{path, e.size, e.crc});
    plan_.files[at].size = e.size;  // the last entry counts
    plan_.files[at].crc = e.crc;
  }
  void AddPath(const RecordEntry& e, std::vector<std::string>& list, std::map<std::string, size_t>& seen) {
    if (!UsablePath(e) || ProgramsOwn(e.path)) return;
    const std::string path = Tidied(e.path);
    Once(seen, list, Folded(path), path);
  }
  void AddName(const std::string& name, std::vector<std::string>& list, std::map<std::string, size_t>& seen) {
    if (!name.empty()) Once(seen, list, Folded(name), name);
  }
  void AddValue(const RecordEntry& e) {
    if (!UsableKey(e)) return;
    bool fresh = false;
    // The key and the name cannot hold a tab: together they are one name.
    std::vector<PlannedValue> unused;
    Once(values_, unused, Folded(e.path + '\t' + e.name), PlannedValue{}, &fresh);
    if (fresh) (e.existed ? plan_.keptValues : plan_.values).push_back({e.path, e.name});
  }
  void AddKey(const RecordEntry& e) {
    if (!UsableKey(e)) return;
    bool fresh = false;
    std::vector<std::string> unused;
    Once(keys_, unused, Folded(e.path), e.path, &fresh);
    if (fresh) (e.existed ? plan_.keptKeys : plan_.keys).push_back(e.path);
  }
  void AddProduct(const RecordEntry& e) {
    std::string subkey;
    if (!UsableKey(e)) return;
    SplitRegistryKey(e.path, &subkey);
    if (IsSharedKey(subkey)) {
      Refuse(e, RefusedWhy::kSharedKey);
      return;
    }
    Once(products_, plan_.productKeys, Folded(e.path), e.path);
  }

  UninstallPlan& plan_;
  std::vector<std::string> programsOwn_;
  std::map<std::string, size_t> files_, shortcuts_, selfCopies_, folders_, values_, keys_, products_, runOnce_,
      installers_;
};

}  // namespace

RegistryRoot SplitRegistryKey(const std::string& fullKey, std::string* subkey) {
  const size_t slash = fullKey.find('\\');
  if (slash == std::string::npos || slash + 1 >= fullKey.size()) return RegistryRoot::kNone;
  for (const RootName& r : kRoots) {
    if (!SameNameIgnoringCase(fullKey.substr(0, slash), r.name)) continue;
    *subkey = fullKey.substr(slash + 1);
    return r.root;
  }
  return RegistryRoot::kNone;
}

size_t UninstallPlan::StepCount() const {
  return files.size() + shortcuts.size() + selfCopies.size() + values.size() + runOnce.size() + productKeys.size() +
         keys.size() + folders.size();
}

UninstallPlan MakeUninstallPlan(const std::vector<RecordEntry>& entries, const std::string& mainDir) {
  UninstallPlan plan;
  Planner planner(plan, mainDir);
  for (const RecordEntry& e : entries) planner.Add(e);
  planner.Finish();
  return plan;
}
