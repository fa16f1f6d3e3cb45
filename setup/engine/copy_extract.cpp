// The copy and extract instructions: files from the media to the computer.
#include <string>

#include "core/config/instruction.h"
#include "core/config/instruction_args.h"
#include "core/log/log_sink.h"
#include "core/paths/path_ops.h"
#include "setup/app/setup_app.h"
#include "setup/archive/extract_archive.h"
#include "setup/engine/executors.h"
#include "setup/log/setup_log.h"
#include "setup/media/file_prompt.h"
#include "setup/paths/file_copy.h"
#include "setup/paths/file_paths.h"
#include "setup/record/install_recorder.h"

namespace {

// A copy that keeps failing with access denied on a destination that is not
// there (it vanished, or the system will not say why) is retried this often
// before the user is asked, as for any other error.
constexpr int kMaxVanishedRetries = 3;

// `dir`, or the token's value when `dir` is empty; false when both are.
bool DirOrToken(const std::string& dir, const char* token, std::string& out) {
  if (!dir.empty()) {
    out = dir;
    return true;
  }
  return VTApp()->m_tokens.Lookup(token, out);
}

// The steps both instructions share: the source directory (with its
// fallback), the file prompt, and the destination directory (with its).
// VTCFG_DONE with `source` (the file on the media) and `destDir` set.
int Locate(const std::string& key, const std::string& arguments, bool hasComma,
           const std::string& sourceField, const std::string& destField, std::string& source,
           std::string& destDir) {
  if (!hasComma) {
    LogPrintf("VTCfgCopy(): No source directory in instruct %s=%s", key.c_str(), arguments.c_str());
    return VTCFG_ERROR;
  }
  std::string sourceDir;
  if (!DirOrToken(sourceField, tok::SRC_DIR, sourceDir)) {
    LogPrintf("VTCfgCopy(): No default for src directory in mapinstruct %s=%s", key.c_str(),
              arguments.c_str());
    return VTCFG_ERROR;
  }
  if (!PromptForFile(key, sourceDir)) return VTCFG_STOP;
  source = sourceDir;
  AppendPath(source, key);
  if (!DirOrToken(destField, tok::MAIN_DIR, destDir)) {
    LogPrintf("VTCfgCopy(): No default for dst directory in mapinstruct %s=%s", key.c_str(),
              arguments.c_str());
    return VTCFG_ERROR;
  }
  return VTCFG_DONE;
}

}  // namespace

int VTCfgCopy(const std::string& key, const std::string& arguments) {
  CSetupVTApp* app = VTApp();
  app->NotifyProgress(0, key.c_str());
  const CopyArgs a = SplitCopyArgs(key, arguments);
  std::string source, destDir;
  if (int located = Locate(key, arguments, a.hasComma, a.sourceDir, a.destDir, source, destDir);
      located != VTCFG_DONE)
    return located;
  if (!CreatePath(destDir)) {
    app->AppMessageBox("Error creating destination directory", MB_OK | MB_ICONSTOP);
    return VTCFG_ERROR;
  }
  std::string dest = destDir;
  AppendPath(dest, a.destName);

  for (int vanished = 0;;) {
    const DWORD error = CopyOverwriting(source, dest);
    if (error == ERROR_SUCCESS) {
      RecordFile(dest);
      return VTCFG_DONE;
    }
    if (error == ERROR_ACCESS_DENIED || error == ERROR_SHARING_VIOLATION) {
      // A read-only file, or one a running program holds open: it stays.
      if (FileExistsIn(dest, "")) {
        LogPrintf("Destination file %s exists and cannot be overwritten. Ignore...\n", dest.c_str());
        return VTCFG_DONE;
      }
      LogPrintf("We shouldn't come here ever.\n");
      if (++vanished < kMaxVanishedRetries) continue;
    }
    const std::string text = "Error copying file " + key + ":\n" + GetSystemErrorText(error);
    if (app->AppMessageBox(text.c_str(), MB_RETRYCANCEL | MB_ICONSTOP) != IDRETRY) return VTCFG_ERROR;
    vanished = 0;
  }
}

int VTCfgExtract(const std::string& key, const std::string& arguments) {
  VTApp()->NotifyProgress(1, key.c_str());
  const ExtractArgs a = SplitExtractArgs(arguments);
  std::string archive, destDir;
  if (int located = Locate(key, arguments, a.hasComma, a.sourceDir, a.destDir, archive, destDir);
      located != VTCFG_DONE)
    return located;
  return ExtractArchive(archive, destDir);
}
