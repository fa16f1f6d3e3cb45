// Registry value helpers. Reads that fail give their default silently;
// writes are not checked by the callers. The product forms take a string
// table number whose text is the key path.
#pragma once
#include <windows.h>

#include <string>

constexpr size_t kRegStringMax = 256;  // bytes read of a string value at most
constexpr DWORD kRegDwordMissing = 0xFFFFFFFF;
constexpr LONG kWriteDwordSkipped = 1013;   // the number was -1: nothing written
constexpr LONG kWriteDwordNoKeyText = 1812; // the key's string resource is missing

// The text of a string resource of the setup program (empty when missing).
std::string LoadResString(UINT id);

BOOL ReadRegString(HKEY root, const char* key, const char* value, std::string& out);
BOOL ReadProductString(HKEY root, UINT resourceId, const char* value, std::string& out);
BOOL WriteRegString(HKEY root, const char* key, const char* value, const char* text);
BOOL WriteProductString(HKEY root, UINT resourceId, const char* value, const char* text);
DWORD ReadRegDword(HKEY root, const char* key, const char* value);
DWORD ReadProductDword(HKEY root, UINT resourceId, const char* value);
LONG WriteProductDword(HKEY root, UINT resourceId, const char* value, DWORD number);

// The developer switches under HKEY_CURRENT_USER\Software\QRM_internal.
constexpr const char* kDeveloperKey = "Software\\QRM_internal";
// True when the DWORD switch is exactly 1.
bool DeveloperSwitch(const char* name);
