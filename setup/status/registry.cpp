#include "setup/status/registry.h"

#include "framework/app.h"

std::string LoadResString(UINT id) {
  char text[1024];
  const int n = LoadStringA(AfxGetResourceHandle(), id, text, sizeof text);
  return n > 0 ? std::string(text, static_cast<size_t>(n)) : std::string();
}

BOOL ReadRegString(HKEY root, const char* key, const char* value, std::string& out) {
  out.clear();
  HKEY h;
  if (RegOpenKeyExA(root, key, 0, KEY_ALL_ACCESS, &h) != ERROR_SUCCESS) return FALSE;
  char data[kRegStringMax + 1] = {};
  DWORD size = kRegStringMax;
  DWORD type = 0;
  const LONG rc = RegQueryValueExA(h, value, nullptr, &type, reinterpret_cast<BYTE*>(data), &size);
  RegCloseKey(h);
  if (rc != ERROR_SUCCESS) return FALSE;
  // The stored text may lack its terminating zero; never read past `size`.
  size_t n = 0;
  while (n < size && data[n] != '\0') ++n;
  out.assign(data, n);
  return TRUE;
}

BOOL ReadProductString(HKEY root, UINT resourceId, const char* value, std::string& out) {
  out.clear();
  const std::string key = LoadResString(resourceId);
  if (key.empty()) return FALSE;
  return ReadRegString(root, key.c_str(), value, out);
}

BOOL WriteRegString(HKEY root, const char* key, const char* value, const char* text) {
  HKEY h;
  DWORD disposition;
  if (RegCreateKeyExA(root, key, 0, nullptr, REG_OPTION_NON_VOLATILE, KEY_ALL_ACCESS, nullptr, &h,
                      &disposition) != ERROR_SUCCESS)
    return FALSE;
  const LONG rc = RegSetValueExA(h, value, 0, REG_SZ, reinterpret_cast<const BYTE*>(text),
                                 static_cast<DWORD>(lstrlenA(text) + 1));
  RegCloseKey(h);
  return rc == ERROR_SUCCESS;
}

BOOL WriteProductString(HKEY root, UINT resourceId, const char* value, const char* text) {
  const std::string key = LoadResString(resourceId);
  if (key.empty()) return FALSE;
  return WriteRegString(root, key.c_str(), value, text);
}

DWORD ReadRegDword(HKEY root, const char* key, const char* value) {
  HKEY h;
  if (RegOpenKeyExA(root, key, 0, KEY_ALL_ACCESS, &h) != ERROR_SUCCESS) return kRegDwordMissing;
  DWORD data = 0;
  DWORD size = sizeof data;
  DWORD type = 0;
  const LONG rc = RegQueryValueExA(h, value, nullptr, &type, reinterpret_cast<BYTE*>(&data), &size);
  RegCloseKey(h);
  return rc == ERROR_SUCCESS && size == sizeof data ? data : kRegDwordMissing;
}

DWORD ReadProductDword(HKEY root, UINT resourceId, const char* value) {
  const std::string key = LoadResString(resourceId);
  if (key.empty()) return kRegDwordMissing;
  return ReadRegDword(root, key.c_str(), value);
}

LONG WriteProductDword(HKEY root, UINT resourceId, const char* value, DWORD number) {
  if (number == kRegDwordMissing) return kWriteDwordSkipped;
  const std::string key = LoadResString(resourceId);
  if (key.empty()) return kWriteDwordNoKeyText;
  HKEY h;
  DWORD disposition;
  if (RegCreateKeyExA(root, key.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE, KEY_ALL_ACCESS,
                      nullptr, &h, &disposition) != ERROR_SUCCESS)
    return 0;
  const LONG rc =
      RegSetValueExA(h, value, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&number), sizeof number);
  RegCloseKey(h);
  return rc;
}

bool DeveloperSwitch(const char* name) {
  return ReadRegDword(HKEY_CURRENT_USER, kDeveloperKey, name) == 1;
}
