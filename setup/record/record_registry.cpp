#include "setup/record/record_registry.h"

#include <vector>

#include "core/config/reg_values.h"
#include "setup/record/install_recorder.h"
#include "setup/res/resource.h"
#include "setup/status/registry.h"
#include "setup/status/run_once.h"

namespace {

struct RootName {
  const char* name;
  HKEY key;
};

// The full names registry files use, and their short forms.
const RootName kRoots[] = {
    {"HKEY_CURRENT_USER", HKEY_CURRENT_USER},   {"HKCU", HKEY_CURRENT_USER},
    {"HKEY_LOCAL_MACHINE", HKEY_LOCAL_MACHINE}, {"HKLM", HKEY_LOCAL_MACHINE},
    {"HKEY_CLASSES_ROOT", HKEY_CLASSES_ROOT},   {"HKCR", HKEY_CLASSES_ROOT},
    {"HKEY_USERS", HKEY_USERS},                 {"HKEY_CURRENT_CONFIG", HKEY_CURRENT_CONFIG},
};

std::string FullName(HKEY root, const std::string& subkey) {
  for (const RootName& r : kRoots)
    if (r.key == root) return std::string(r.name) + "\\" + subkey;
  return subkey;
}

bool KeyExists(HKEY root, const std::string& subkey) {
  HKEY h;
  if (RegOpenKeyExA(root, subkey.c_str(), 0, KEY_READ, &h) != ERROR_SUCCESS) return false;
  RegCloseKey(h);
  return true;
}

bool ValueExists(HKEY root, const std::string& subkey, const char* name) {
  HKEY h;
  if (RegOpenKeyExA(root, subkey.c_str(), 0, KEY_READ, &h) != ERROR_SUCCESS) return false;
  const bool there = RegQueryValueExA(h, name, nullptr, nullptr, nullptr, nullptr) == ERROR_SUCCESS;
  RegCloseKey(h);
  return there;
}

void RecordKey(HKEY root, const std::string& subkey, bool existed) {
  RecordEntry entry;
  entry.kind = RecordKind::kRegKey;
  entry.existed = existed;
  entry.path = FullName(root, subkey);
  AppendRecordEntry(entry);
}

// The value alone: its key's path is recorded by the caller.
void RecordValue(HKEY root, const std::string& subkey, const char* name) {
  RecordEntry entry;
  entry.kind = RecordKind::kRegValue;
  entry.existed = ValueExists(root, subkey, name);
  entry.path = FullName(root, subkey);
  entry.name = name && *name ? name : "@";
  AppendRecordEntry(entry);
}

}  // namespace

HKEY SplitRootKey(const std::string& fullName, std::string* subkey) {
  const size_t slash = fullName.find('\\');
  const std::string root = fullName.substr(0, slash);
  for (const RootName& r : kRoots) {
    if (lstrcmpiA(r.name, root.c_str()) != 0) continue;
    *subkey = slash == std::string::npos ? std::string() : fullName.substr(slash + 1);
    return r.key;
  }
  return nullptr;
}

bool RecordKeyPath(HKEY root, const std::string& subkey) {
  if (KeyExists(root, subkey)) return true;
  // The first missing key along the path, and every one below it.
  for (size_t at = 0;;) {
    const size_t slash = subkey.find('\\', at);
    const std::string prefix = subkey.substr(0, slash);
    if (!prefix.empty() && !KeyExists(root, prefix)) RecordKey(root, prefix, false);
    if (slash == std::string::npos) return false;
    at = slash + 1;
  }
}

void RecordRegValue(HKEY root, const std::string& subkey, const char* name) {
  RecordKeyPath(root, subkey);
  RecordValue(root, subkey, name);
}

void NoteRegistryBeforeRun() {
  const std::string product = LoadResString(IDS_PRODUCT_KEY);
  if (product.empty()) return;
  for (HKEY root : {HKEY_CURRENT_USER, HKEY_LOCAL_MACHINE}) {
    RecordKeyPath(root, product);
    RecordEntry entry;
    entry.kind = RecordKind::kProduct;
    entry.path = FullName(root, product);
    AppendRecordEntry(entry);
  }
}

void RecordRegFile(const std::string& regFile) {
  HANDLE file = CreateFileA(regFile.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return;
  std::string text;
  char buffer[4096];
  DWORD got = 0;
  while (ReadFile(file, buffer, sizeof buffer, &got, nullptr) && got > 0) text.append(buffer, got);
  CloseHandle(file);

  const RegFileContents contents = ReadRegFileValues(text);
  std::string subkey;
  for (const std::string& key : contents.keys) {
    HKEY root = SplitRootKey(key, &subkey);
    if (root && RecordKeyPath(root, subkey)) RecordKey(root, subkey, true);
  }
  for (const RegFileValue& v : contents.values) {
    HKEY root = SplitRootKey(v.key, &subkey);
    // The editor makes the key before its values: it is recorded above.
    if (root) RecordValue(root, subkey, v.name == "@" ? "" : v.name.c_str());
  }
}

void RecordRunOnce() {
  RecordKeyPath(HKEY_CURRENT_USER, kRunOnceKey);
  RecordEntry entry;
  entry.kind = RecordKind::kRunOnce;
  entry.path = kRunOnceValue;
  AppendRecordEntry(entry);
}
