// The provider's settings for the client, copied from setup.ini on the
// media into the product key once the disk sections have run.
#include <windows.h>

#include <string>

#include "core/config/setup_ini_keys.h"
#include "core/config/token_table.h"
#include "core/log/log_sink.h"
#include "core/paths/path_ops.h"
#include "setup/app/setup_app.h"
#include "setup/config/cfg_reader.h"

namespace {

constexpr const char* kSection = "Vantora";
constexpr int kValueMax = 255;

// Stored without the terminating NUL in the length, as the client reads them.
void WriteText(HKEY key, const char* name, const std::string& text) {
  RegSetValueExA(key, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(text.c_str()),
                 static_cast<DWORD>(text.size()));
}

// The folder above {SRC_DIR}, with its backslash: "E:\\setup\\disk1" gives
// "E:\\setup\\"; a drive ("E:" or "E:\\") is its own parent.
std::string ParentOf(const std::string& src) {
  std::string cut = src;
  if (!cut.empty()) cut.pop_back();
  const size_t slash = cut.rfind('\\');
  if (slash != std::string::npos) return cut.substr(0, slash + 1);
  return src.size() >= 2 && src[1] == ':' ? src.substr(0, 2) + "\\" : std::string();
}

}  // namespace

void CSetupVTApp::CopySetupIniToRegistry() {
  HKEY key;
  if (RegCreateKeyExA(HKEY_CURRENT_USER, m_pszProductKey, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key,
                      nullptr) != ERROR_SUCCESS) {
    AppMessageBox("Cannot write registry", MB_OK);
    m_bAbort = true;
    return;
  }
  std::string ini = GetSrcDir();
  AppendPath(ini, "setup.ini");
  auto read = [&](const char* name, std::string& value) {
    return ReadCfgString(kSection, name, value, "", ini.c_str(), kValueMax + 1) == 1;
  };
  std::string value, prefix, homePage, local;
  WriteText(key, "ProgramArgs", "none");
  read("IsRegNoAPrefix", prefix);
  if (read("RegNo", value)) WriteText(key, lstrcmpiA(prefix.c_str(), "yes") == 0 ? "RegNoPrefix" : "RegNo", value);
  if (read("HomePage", homePage)) {
    WriteText(key, "HomePage", homePage);
    if (read("HDHomePage", local)) {
      std::string path = m_tokens.Get(tok::MAIN_DIR);
      WriteText(key, "LocalURLPath", path + "\\www\\" + homePage);
    }
  }
  for (const char* name : kSetupIniCopiedKeys)
    if (read(name, value)) WriteText(key, name, value);
  if (read("IESetupDir", value)) WriteText(key, "IESetupDir", ParentOf(GetSrcDir()) + value);
  const DWORD flags = 16;
  RegSetValueExA(key, "Flags", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&flags), sizeof flags);
  RegCloseKey(key);
}
