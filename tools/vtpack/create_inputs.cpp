#include "create_inputs.h"

#include <cerrno>
#include <cstdio>
#include <cstring>

#include "core/archive/entry_name.h"
#include "duplicates.h"
#include "host_files.h"

namespace {

// Deeper than any media tree; a folder loop (a link to a parent) ends here.
constexpr int kMaxDepth = 32;

// The name a file gets in the archive.
bool EntryNameFor(const std::string& file, bool paths, std::string& name) {
  name = paths ? file : BaseName(file);
  for (char& c : name)
    if (c == '/') c = '\\';
  while (paths && name.compare(0, 2, ".\\") == 0) name.erase(0, 2);
  EntryPath where;
  std::string why;
  if (!SplitEntryName(name, paths, where, &why)) {
    std::fprintf(stderr, "vtpack: %s cannot be packed under that name: %s\n", file.c_str(), why.c_str());
    return false;
  }
  return true;
}

class Gatherer {
 public:
  Gatherer(bool paths, std::vector<PackInput>& inputs) : paths_(paths), inputs_(inputs) {}

  int Add(const std::string& path, int depth) {
    if (IsDirectory(path)) return AddFolder(path, depth);
    PackInput in;
    in.path = path;
    if (!EntryNameFor(path, paths_, in.name)) return kExitUsage;
    if (!GetFileSize(path, &in.size)) {
      std::fprintf(stderr, "vtpack: cannot read %s: %s\n", path.c_str(), std::strerror(errno));
      return kExitFailed;
    }
    std::string earlier;
    if (!names_.Add(in.name, earlier)) {
      std::fprintf(stderr, "vtpack: %s and %s would both be stored as %s (names are compared without case)\n",
                   Earlier(earlier).c_str(), path.c_str(), in.name.c_str());
      return kExitUsage;
    }
    inputs_.push_back(in);
    return kExitOk;
  }

 private:
  int AddFolder(const std::string& path, int depth) {
    if (!paths_) {
      std::fprintf(stderr, "vtpack: %s is a folder; --paths packs folders with their files\n", path.c_str());
      return kExitUsage;
    }
    if (depth >= kMaxDepth) {
      std::fprintf(stderr, "vtpack: %s: folders nested deeper than %d\n", path.c_str(), kMaxDepth);
      return kExitUsage;
    }
    std::vector<std::string> names;
    if (!ListFolder(path, names)) {
      std::fprintf(stderr, "vtpack: cannot read the folder %s: %s\n", path.c_str(), std::strerror(errno));
      return kExitFailed;
    }
    for (const std::string& name : names)
      if (int r = Add(HostJoin(path, name), depth + 1)) return r;
    return kExitOk;
  }

  // The file an earlier entry name came from.
  std::string Earlier(const std::string& name) const {
    for (const PackInput& in : inputs_)
      if (in.name == name) return in.path;
    return name;
  }

  bool paths_;
  std::vector<PackInput>& inputs_;
  DuplicateNames names_;
};

}  // namespace

int GatherInputs(const CreateOptions& options, const std::vector<std::string>& operands,
                 std::vector<PackInput>& inputs) {
  Gatherer g(options.paths, inputs);
  for (std::string operand : operands) {
    // "src/" names the folder "src": its files are stored as src\...
    while (operand.size() > 1 && (operand.back() == '/' || operand.back() == '\\')) operand.pop_back();
    if (int r = g.Add(operand, 0)) return r;
  }
  return kExitOk;
}
