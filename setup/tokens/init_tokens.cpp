// Default values of the directory and user tokens.
#include <string>

#include "setup/paths/file_paths.h"
#include "setup/res/resource.h"
#include "setup/app/setup_app.h"
#include "setup/status/registry.h"

namespace {

constexpr const char* kShellFolders =
    "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders";
constexpr const char* kWinIniSection = "Corvane Network Vantora";

std::string SystemDir(UINT (*WINAPI get)(LPSTR, UINT)) {
  char dir[MAX_PATH + 1] = {};
  const UINT n = get(dir, MAX_PATH);
  return n > 0 && n < MAX_PATH ? std::string(dir, n) : std::string();
}

}  // namespace

std::string CSetupVTApp::ModuleFileName() const {
  char path[257] = {};
  const DWORD n = GetModuleFileNameA(nullptr, path, 256);
  return std::string(path, n < 256 ? n : 256);
}

int CSetupVTApp::InitTokens() {
  TokenTable& t = m_tokens;
  std::string value;

  // 1-2: where Vantora lives.
  if (!ReadProductString(HKEY_CURRENT_USER, IDS_PRODUCT_KEY, "MainDir", value)) {
    char dir[256] = {};
    GetProfileStringA(kWinIniSection, "Main", "c:\\Corvane", dir, sizeof dir);
    value = dir;
  }
  t.Set(tok::MAIN_DIR, value);
  std::string access = value;
  t.Set(tok::ACCESS_DIR, AppendPath(access, "access"));

  // 3-5: the running program and its folder.
  std::string exe = ModuleFileName();
  t.Set(tok::SETUP_EXE, exe);
  std::string runDir = exe;
  t.Set(tok::RUN_DIR, StripFileName(runDir));
  if (!t.Has(tok::SETUP_CFG)) {
    std::string cfg = runDir;
    t.Set(tok::SETUP_CFG, AppendPath(cfg, "setup.cfg"));
  }

  // 6: the source media. A run from the installed copy must not make the
  // installed folder the source of later installations.
  if (ReadProductString(HKEY_CURRENT_USER, IDS_PRODUCT_KEY, "SrcDir", value)) {
    t.Set(tok::SRC_DIR, value);
  } else {
    t.Set(tok::SRC_DIR, runDir);
    if (runDir != access)
      WriteProductString(HKEY_CURRENT_USER, IDS_PRODUCT_KEY, "SrcDir", runDir.c_str());
  }

  // 7-10: system folders.
  const std::string windows = SystemDir(GetWindowsDirectoryA);
  t.Set(tok::WINDOWS, windows);
  if (!ReadRegString(HKEY_CURRENT_USER, kShellFolders, "Favorites", value)) {
    value = windows;
    AppendPath(value, "Favorites");
  }
  t.Set(tok::FAVORITES, value);
  t.Set(tok::SYSTEM, SystemDir(GetSystemDirectoryA));
  const std::pair<const char*, const char*> shellFolders[] = {{"Start Menu", tok::START_MENU},
                                                              {"Programs", tok::PROGRAMS},
                                                              {"Desktop", tok::DESKTOP},
                                                              {"Startup", tok::STARTUP}};
  for (const auto& [name, token] : shellFolders)
    if (ReadRegString(HKEY_CURRENT_USER, kShellFolders, name, value)) t.Set(token, value);

  // 11: a temporary folder that is not the current directory.
  char temp[257] = {};
  char current[MAX_PATH + 1] = {};
  const DWORD tn = GetTempPathA(256, temp);
  GetCurrentDirectoryA(MAX_PATH, current);
  if (tn > 0 && tn <= 256 && std::string(temp) != current) {
    t.Set(tok::TEMP, temp);
  } else {
    std::string fallback = windows;
    AppendPath(fallback, "temp");
    t.Set(tok::TEMP, CreatePath(fallback) ? fallback : std::string());
  }

  // 12: the user, as the registration module left it.
  const std::pair<const char*, const char*> userValues[] = {
      {"TrueUserName", tok::TRUE_USER_NAME},
      {"UserName", tok::SCREEN_USER_NAME},
      {"HomePage", tok::HOMEPAGE}};
  for (const auto& [name, token] : userValues)
    if (ReadProductString(HKEY_CURRENT_USER, IDS_PRODUCT_KEY, name, value)) t.Set(token, value);
  return 1;
}

std::string CSetupVTApp::GetRunDir() const { return m_tokens.Get(tok::RUN_DIR); }
std::string CSetupVTApp::GetAccessDir() const { return m_tokens.Get(tok::ACCESS_DIR); }
std::string CSetupVTApp::GetSetupCfg() const { return m_tokens.Get(tok::SETUP_CFG); }
std::string CSetupVTApp::GetSrcDir() const { return m_tokens.Get(tok::SRC_DIR); }

void CSetupVTApp::SetSetupCfg(const std::string& dir) {
  std::string path = dir;
  m_tokens.Set(tok::SETUP_CFG, AppendPath(path, "setup.cfg"));
}

void CSetupVTApp::SetSetupExe(const std::string& dir) {
  std::string path = dir;
  m_tokens.Set(tok::SETUP_EXE, AppendPath(path, "setup.exe"));
}

void CSetupVTApp::SetSrcDir(const std::string& dir) {
  m_tokens.Set(tok::SRC_DIR, dir);
  WriteProductString(HKEY_CURRENT_USER, IDS_PRODUCT_KEY, "SrcDir", dir.c_str());
}
