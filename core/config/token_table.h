// The directory and user tokens of setup.cfg ("{MAIN_DIR}" and friends).
// Keys are token names with braces, upper case. Both the main thread and the
// installation worker read it and the worker may set tokens, so every access
// takes the table's own lock.
#pragma once
#include <map>
#include <mutex>
#include <string>

#include "core/sync/lock.h"

class TokenTable {
 public:
  TokenTable() = default;
  TokenTable(const TokenTable& other);
  TokenTable& operator=(const TokenTable& other);

  void Set(const std::string& name, const std::string& value);
  void Remove(const std::string& name);
  bool Lookup(const std::string& name, std::string& value) const;
  bool Has(const std::string& name) const;
  // The value, or an empty text when the token has none.
  std::string Get(const std::string& name) const;
  void Clear();
  std::map<std::string, std::string> Snapshot() const;

 private:
  mutable Lock m_lock;
  std::map<std::string, std::string> m_values;
};

// Token names, as setup.cfg writes them.
namespace tok {
constexpr const char* MAIN_DIR = "{MAIN_DIR}";
constexpr const char* SRC_DIR = "{SRC_DIR}";
constexpr const char* SETUP_CFG = "{SETUP_CFG}";
constexpr const char* SETUP_EXE = "{SETUP_EXE}";
constexpr const char* RUN_DIR = "{RUN_DIR}";
constexpr const char* ACCESS_DIR = "{ACCESS_DIR}";
constexpr const char* USER_DIR = "{USER_DIR}";
constexpr const char* WINDOWS = "{WINDOWS}";
constexpr const char* SYSTEM = "{SYSTEM}";
constexpr const char* TEMP = "{TEMP}";
constexpr const char* HOMEPAGE = "{HOMEPAGE}";
constexpr const char* SCREEN_USER_NAME = "{SCREEN_USER_NAME}";
constexpr const char* TRUE_USER_NAME = "{TRUE_USER_NAME}";
constexpr const char* STARTUP = "{STARTUP}";
constexpr const char* DESKTOP = "{DESKTOP}";
constexpr const char* PROGRAMS = "{PROGRAMS}";
constexpr const char* START_MENU = "{START_MENU}";
constexpr const char* FAVORITES = "{FAVORITES}";
}  // namespace tok
