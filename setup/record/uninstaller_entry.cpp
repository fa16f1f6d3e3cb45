#include "setup/record/uninstaller_entry.h"

#include <windows.h>

#include "core/log/log_sink.h"
#include "core/paths/path_ops.h"
#include "core/record/install_record.h"
#include "setup/paths/file_copy.h"
#include "setup/record/install_recorder.h"
#include "setup/record/record_registry.h"
#include "setup/res/resource.h"
#include "setup/status/registry.h"

namespace {

std::string UninstallerPath(const std::string& mainDir) {
  std::string path = mainDir;
  AppendPath(path, kUninstallerFileName);
  return path;
}

bool WriteWhole(const std::string& path, const void* data, DWORD size) {
  HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  DWORD written = 0;
  const BOOL ok = WriteFile(file, data, size, &written, nullptr) && written == size;
  CloseHandle(file);
  if (!ok) DeleteFileA(path.c_str());
  return ok;
}

}  // namespace

bool WriteUninstaller(const std::string& mainDir) {
  HMODULE module = GetModuleHandleA(nullptr);
  HRSRC found = FindResourceA(module, MAKEINTRESOURCEA(IDR_UNINSTALLER), MAKEINTRESOURCEA(10) /* RT_RCDATA */);
  HGLOBAL loaded = found ? LoadResource(module, found) : nullptr;
  const void* bytes = loaded ? LockResource(loaded) : nullptr;
  if (!bytes) {
    LogPrintf("The uninstaller is not in this setup program: none written\n");
    return false;
  }
  const std::string path = UninstallerPath(mainDir);
  // Written whole under a partial name, then put in place, as the files
  // of the installation are.
  std::string partial = PartialPath(path);
  if (partial.empty()) partial = path;
  if (ProbeOverwrite(path) != ERROR_SUCCESS) {
    LogPrintf("%s is in use: left as it is\n", path.c_str());
    return false;
  }
  if (!WriteWhole(partial, bytes, SizeofResource(module, found)) ||
      (partial != path && PutInPlace(partial, path) != ERROR_SUCCESS)) {
    LogPrintf("Cannot write the uninstaller %s\n", path.c_str());
    return false;
  }
  RecordSelfCopy(path);
  return true;
}

std::string UninstallCommand(const std::string& exePath) {
  return exePath.find(' ') == std::string::npos ? exePath : "\"" + exePath + "\"";
}

bool RegisterUninstaller(const std::string& mainDir) {
  const std::string command = UninstallCommand(UninstallerPath(mainDir));
  RecordRegValue(HKEY_LOCAL_MACHINE, kUninstallKey, "DisplayName");
  RecordRegValue(HKEY_LOCAL_MACHINE, kUninstallKey, "UninstallString");
  const bool ok = WriteRegString(HKEY_LOCAL_MACHINE, kUninstallKey, "DisplayName", kUninstallDisplayName) &&
                  WriteRegString(HKEY_LOCAL_MACHINE, kUninstallKey, "UninstallString", command.c_str());
  if (!ok) LogPrintf("Cannot register the uninstaller under HKEY_LOCAL_MACHINE\\%s\n", kUninstallKey);
  return ok;
}
