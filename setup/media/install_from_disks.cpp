// The disk-by-disk installation: the "Setup Disk%d" sections of setup.cfg,
// one after another, asking for each floppy in turn.
#include <windows.h>

#include <string>
#include <vector>

#include "core/config/instruction.h"
#include "core/log/log_sink.h"
#include "core/paths/path_ops.h"
#include "core/text/format.h"
#include "setup/app/setup_app.h"
#include "setup/config/cfg_reader.h"
#include "setup/log/setup_log.h"
#include "setup/media/source_media.h"
#include "setup/paths/file_copy.h"
#include "setup/paths/file_paths.h"
#include "setup/record/install_recorder.h"
#include "setup/record/uninstaller_entry.h"
#include "setup/status/status_store.h"

namespace {

std::string Numbered(const char* format, int n) {
  char text[64];
  FormatText(text, sizeof text, format, n);
  return text;
}

}  // namespace

int CopyFileTo(const std::string& name, const std::string& srcDir, const std::string& dstDir,
               bool ignoreSharing) {
  CSetupVTApp* app = VTApp();
  app->NotifyProgress(0, name.c_str());
  if (!CreatePath(dstDir)) {
    app->AppMessageBox(("Cannot create directory " + dstDir + ".").c_str(), MB_OK | MB_ICONSTOP);
    return 0;
  }
  std::string source = srcDir, dest = dstDir;
  AppendPath(source, name);
  AppendPath(dest, name);
  for (;;) {
    const DWORD error = CopyOverwriting(source, dest);
    if (error == ERROR_SUCCESS) {
      RecordSelfCopy(dest);
      return 1;
    }
    const std::string text = "Error copying file " + name + ":\n" + GetSystemErrorText(error);
    if (error == ERROR_SHARING_VIOLATION && ignoreSharing) {
      LogPrintf("%s - Ignored\n", text.c_str());
      return 1;
    }
    if (app->AppMessageBox(text.c_str(), MB_RETRYCANCEL | MB_ICONSTOP) != IDRETRY) return 0;
  }
}

int CSetupVTApp::InstallFromDisks() {
  const std::string access = GetAccessDir();
  const std::string mainDir = m_tokens.Get(tok::MAIN_DIR);
  StartRecording(mainDir);
  if (!CreatePath(mainDir) || !CreatePath(access)) return -1;
  WriteUninstaller(mainDir);
  // The installed copy can run later without the medium (after a restart).
  const std::string run = GetRunDir();
  if (lstrcmpiA(run.c_str(), access.c_str()) != 0) {
    if (!CopyFileTo("setup.cfg", run, access, true) || !CopyFileTo("setup.exe", run, access, true))
      return -1;
  }
  SetSetupCfg(access);
  SetSetupExe(access);
  const bool floppy = IsFloppySource(run);
  WORD done = 0;
  ReadMinorStatus(&done, nullptr);
  if (m_bAbort) return 0;
  do {
    const int disk = done + 1;
    // The section comes from the installed setup.cfg, so it is read before
    // the disk is asked for: after the last disk nobody is asked for one
    // that does not exist (and the installation does not fail on it).
    std::vector<std::string> lines;
    if (ReadCfgSection(Numbered("Setup Disk%d", disk).c_str(), lines, GetSetupCfg().c_str()) <= 0)
      break;
    if (floppy) {
      const std::string label = Numbered("qrm.d0%d", disk);
      while (!FileExistsIn(label, run)) {
        if (AppMessageBox(Numbered("Please insert setup disk # %d", disk).c_str(),
                          MB_OKCANCEL | MB_ICONEXCLAMATION) != IDOK)
          return -1;
      }
    }
    // A cancel during a section is a cancel (0), not a failure.
    if (RunCfgInstructions(lines) != VTCFG_DONE) return m_bAbort ? 0 : -1;
    WriteMinorProgress(done + 1, 0);
    ++done;
  } while (!m_bAbort);
  if (m_bAbort) return 0;
  CopySetupIniToRegistry();
  RegisterUninstaller(mainDir);
  return 1;
}
