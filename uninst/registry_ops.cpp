#include "uninst/registry_ops.h"

#include "core/record/uninstall_plan.h"

namespace {

// Deeper than any tree a setup writes: a loop in a damaged registry ends.
constexpr int kMaxTreeDepth = 64;

HKEY RootHandle(RegistryRoot root) {
  switch (root) {
    case RegistryRoot::kClassesRoot: return HKEY_CLASSES_ROOT;
    case RegistryRoot::kCurrentUser: return HKEY_CURRENT_USER;
    case RegistryRoot::kLocalMachine: return HKEY_LOCAL_MACHINE;
    case RegistryRoot::kUsers: return HKEY_USERS;
    case RegistryRoot::kNone: break;
  }
  return nullptr;
}

RemovalOutcome Outcome(LONG status, Removal onSuccess = Removal::kRemoved) {
  if (status == ERROR_SUCCESS) return {onSuccess, 0};
  if (status == ERROR_FILE_NOT_FOUND || status == ERROR_PATH_NOT_FOUND) return {Removal::kMissing, 0};
  return {Removal::kFailed, static_cast<DWORD>(status)};
}

// The subkey NAME of PARENT and everything below it. Always the first
// subkey of each: the one before it is gone by then.
LONG DeleteTreeBelow(HKEY parent, const std::string& name, int depth) {
  if (depth > kMaxTreeDepth) return ERROR_CANTWRITE;
  HKEY key = nullptr;
  LONG status = RegOpenKeyExA(parent, name.c_str(), 0, KEY_READ | KEY_WRITE, &key);
  if (status != ERROR_SUCCESS) return status;
  for (;;) {
    char child[MAX_PATH + 1];
    DWORD size = sizeof child;
    FILETIME written;
    status = RegEnumKeyExA(key, 0, child, &size, nullptr, nullptr, nullptr, &written);
    if (status != ERROR_SUCCESS) break;
    status = DeleteTreeBelow(key, child, depth + 1);
    if (status != ERROR_SUCCESS) break;
  }
  RegCloseKey(key);
  if (status != ERROR_NO_MORE_ITEMS) return status;
  return RegDeleteKeyA(parent, name.c_str());
}

// The parent's handle and the last part of KEY's name.
bool SplitParent(const std::string& key, HKEY* parent, std::string* last) {
  std::string subkey;
  const HKEY root = RootOf(key, &subkey);
  if (!root) return false;
  const size_t slash = subkey.rfind('\\');
  *last = subkey.substr(slash == std::string::npos ? 0 : slash + 1);
  if (slash == std::string::npos) {
    *parent = root;
    return true;
  }
  return RegOpenKeyExA(root, subkey.substr(0, slash).c_str(), 0, KEY_READ | KEY_WRITE, parent) == ERROR_SUCCESS;
}

void CloseParent(HKEY parent, const std::string& key) {
  std::string subkey;
  if (parent != RootOf(key, &subkey)) RegCloseKey(parent);
}

}  // namespace

HKEY RootOf(const std::string& fullKey, std::string* subkey) {
  return RootHandle(SplitRegistryKey(fullKey, subkey));
}

RemovalOutcome DeleteRegValue(const std::string& key, const std::string& name) {
  std::string subkey;
  const HKEY root = RootOf(key, &subkey);
  if (!root) return {Removal::kFailed, ERROR_INVALID_PARAMETER};
  HKEY handle = nullptr;
  const LONG opened = RegOpenKeyExA(root, subkey.c_str(), 0, KEY_SET_VALUE, &handle);
  if (opened != ERROR_SUCCESS) return Outcome(opened);
  const LONG status = RegDeleteValueA(handle, name == "@" ? "" : name.c_str());
  RegCloseKey(handle);
  return Outcome(status);
}

RemovalOutcome DeleteRegTree(const std::string& key) {
  HKEY parent = nullptr;
  std::string last;
  if (!SplitParent(key, &parent, &last)) return {Removal::kMissing, 0};
  const LONG status = DeleteTreeBelow(parent, last, 0);
  CloseParent(parent, key);
  return Outcome(status);
}

RemovalOutcome DeleteRegKeyIfEmpty(const std::string& key) {
  std::string subkey;
  const HKEY root = RootOf(key, &subkey);
  if (!root) return {Removal::kFailed, ERROR_INVALID_PARAMETER};
  HKEY handle = nullptr;
  const LONG opened = RegOpenKeyExA(root, subkey.c_str(), 0, KEY_READ, &handle);
  if (opened != ERROR_SUCCESS) return Outcome(opened);
  char name[MAX_PATH + 1];
  DWORD size = sizeof name;
  FILETIME written;
  const bool hasKeys = RegEnumKeyExA(handle, 0, name, &size, nullptr, nullptr, nullptr, &written) != ERROR_NO_MORE_ITEMS;
  size = sizeof name;
  const bool hasValues = RegEnumValueA(handle, 0, name, &size, nullptr, nullptr, nullptr, nullptr) != ERROR_NO_MORE_ITEMS;
  RegCloseKey(handle);
  if (hasKeys || hasValues) return {Removal::kKept, 0};
  HKEY parent = nullptr;
  std::string last;
  if (!SplitParent(key, &parent, &last)) return {Removal::kMissing, 0};
  const LONG status = RegDeleteKeyA(parent, last.c_str());
  CloseParent(parent, key);
  return Outcome(status);
}
