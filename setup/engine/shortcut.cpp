// The shortcut instruction: a shell link to an installed program, through
// the shell's link object.
#include <windows.h>
#include <objbase.h>
#include <shlobj.h>

#include <string>

#include "core/config/instruction.h"
#include "core/config/instruction_args.h"
#include "core/log/log_sink.h"
#include "core/paths/path_ops.h"
#include "setup/app/setup_app.h"
#include "setup/engine/executors.h"
#include "setup/log/setup_log.h"
#include "setup/paths/file_paths.h"
#include "setup/record/install_recorder.h"

namespace {

// Holds COM for this thread while the link is made.
class ComScope {
 public:
  ComScope() : m_ok(SUCCEEDED(CoInitialize(nullptr))) {}
  ~ComScope() {
    if (m_ok) CoUninitialize();
  }

 private:
  bool m_ok;
};

// Sets the link's fields and saves it; FALSE when the save failed.
bool SaveLink(IShellLinkA* link, const ShortcutArgs& a, const std::string& target,
              const std::string& programDir, const std::string& file) {
  link->SetPath(target.c_str());
  link->SetDescription(a.name.c_str());
  link->SetIconLocation(a.iconFile.c_str(), a.iconIndex);
  link->SetWorkingDirectory(programDir.c_str());
  if (!a.linkArgs.empty()) link->SetArguments(a.linkArgs.c_str());
  IPersistFile* persist = nullptr;
  if (FAILED(link->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&persist))))
    return false;
  wchar_t wide[MAX_PATH] = {};
  const bool converted = MultiByteToWideChar(CP_ACP, 0, file.c_str(), -1, wide, MAX_PATH) > 0;
  const bool saved = converted && SUCCEEDED(persist->Save(wide, TRUE));
  if (!saved) ShowNumberedError(3, TRUE);
  persist->Release();
  return saved;
}

int BadEntry(const std::string& key, const std::string& arguments) {
  LogPrintf("VTCfgShortcut(): Invalid entry %s=%s.\n", key.c_str(), arguments.c_str());
  return VTCFG_ERROR;
}

}  // namespace

int VTCfgShortcut(const std::string& key, const std::string& arguments) {
  if (arguments.find(',') == std::string::npos) return BadEntry(key, arguments);
  ShortcutArgs a = SplitShortcutArgs(key, arguments);
  VTApp()->NotifyProgress(0, a.name.c_str());
  if (!a.valid) return BadEntry(key, arguments);

  std::string programDir = a.programDir.empty() ? VTApp()->m_tokens.Get(tok::MAIN_DIR) : a.programDir;
  std::string target = programDir;
  AppendPath(target, a.program);
  if (!a.hasIconFile) a.iconFile = target;
  if (!FileExistsIn(target, "")) return VTCFG_ERROR;
  if (!CreatePath(a.folder)) return VTCFG_ERROR;
  std::string file = a.folder;
  AppendPath(file, a.name + ".lnk");

  ComScope com;
  IShellLinkA* link = nullptr;
  if (FAILED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA,
                              reinterpret_cast<void**>(&link)))) {
    ShowNumberedError(2, TRUE);
    return VTCFG_ERROR;
  }
  const bool saved = SaveLink(link, a, target, programDir, file);
  link->Release();
  if (saved) RecordShortcut(file);
  return saved ? VTCFG_DONE : VTCFG_ERROR;
}
