#include "verify.h"

#include <cerrno>
#include <cinttypes>
#include <cstdio>
#include <cstring>
#include <memory>

#include "core/archive/entry_decode.h"
#include "opened_archive.h"

namespace {

// Compares what the decoder writes with the file it came from, as it
// comes: nothing of either is held whole.
class ComparingSink : public ByteSink {
 public:
  explicit ComparingSink(std::FILE* original) : original_(original) {}
  bool Write(const void* data, size_t count) override {
    const uint8_t* bytes = static_cast<const uint8_t*>(data);
    uint8_t piece[4096];
    while (count > 0 && !differs_) {
      const size_t n = std::fread(piece, 1, count < sizeof piece ? count : sizeof piece, original_);
      for (size_t i = 0; i < n && !differs_; ++i)
        if (piece[i] != bytes[i]) differs_ = true, at_ += i;
      if (differs_) break;
      at_ += n;
      if (n == 0) return differs_ = true;  // the decoded entry is longer
      bytes += n;
      count -= n;
    }
    return true;
  }
  // True when the entry and the file are the same bytes (call after the
  // decoder finished).
  bool Same() {
    if (differs_) return false;
    if (std::fgetc(original_) != EOF) return differs_ = true, false;  // the file is longer
    return true;
  }
  uint64_t at() const { return at_; }

 private:
  std::FILE* original_;
  bool differs_ = false;
  uint64_t at_ = 0;
};

}  // namespace

namespace {

// Why the archive does not give back its files; empty when it does. The
// archive is closed again when this returns, so that it can be removed.
std::string Difference(const std::string& archive, const std::vector<PackInput>& inputs) {
  OpenedArchive a(archive);
  if (!a.ok() || !a.ReadTable()) return "it cannot be read back";
  if (a.entries.size() != inputs.size()) return "it holds another number of entries";
  std::unique_ptr<DclWorkArea> work(new DclWorkArea());
  for (size_t i = 0; i < inputs.size(); ++i) {
    const ArchiveEntry& e = a.entries[i];
    OpenFile original(inputs[i].path, "rb");
    if (!original) return "cannot read " + inputs[i].path + " again: " + std::strerror(errno);
    ComparingSink compare(original.get());
    const unsigned r = DecodeEntry(*a.source, e.data_start, e.data_end, compare, work.get());
    if (r != DCL_OK) return "entry " + e.name + " does not decode (" + ResultText(r) + ")";
    if (!compare.Same())
      return "entry " + e.name + " differs from " + inputs[i].path + " at byte " + std::to_string(compare.at());
  }
  return std::string();
}

}  // namespace

int VerifyArchive(const std::string& archive, const std::vector<PackInput>& inputs) {
  const std::string why = Difference(archive, inputs);
  if (why.empty()) return kExitOk;
  std::fprintf(stderr, "vtpack: %s does not give back its files: %s; it was removed\n", archive.c_str(), why.c_str());
  std::remove(archive.c_str());
  return kExitFailed;
}
