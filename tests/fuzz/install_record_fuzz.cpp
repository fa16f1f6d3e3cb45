// Installation records as the uninstaller finds them on a disk: any bytes
// (a damaged file, another program's, a record cut off anywhere). What the
// reader keeps formats back to the same lines, and the plan made from it
// names nothing outside what the entries hold.
#include <cstddef>
#include <cstdint>
#include <string>

#include "core/record/install_record.h"
#include "core/record/uninstall_plan.h"

namespace {
void Check(bool ok) {
  if (!ok) __builtin_trap();
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string text(reinterpret_cast<const char*>(data), size);
  const RecordRead read = ReadRecord(text);
  Check(read.state != RecordState::kNoRecord || read.entries.empty());

  // Every entry kept is one whole line of the input, byte for byte.
  std::string again = std::string(kRecordHeader) + "\r\n";
  for (const RecordEntry& e : read.entries) {
    const std::string line = FormatRecordLine(e);
    Check(!line.empty());
    Check(text.find(line) != std::string::npos);
    again += line;
  }
  const RecordRead reread = ReadRecord(again);
  Check(reread.state == RecordState::kWhole || read.entries.empty());
  Check(reread.entries.size() == read.entries.size());

  const UninstallPlan plan = MakeUninstallPlan(read.entries, "c:\\Corvane");
  Check(plan.files.size() + plan.folders.size() + plan.values.size() <= read.entries.size());
  Check(plan.StepCount() <= 2 * read.entries.size() + 8);
  return 0;
}
