// A sample of the provider's registration module (access.dll): the setup
// program loads it in its registration step and calls InitRunMain with the
// window that owns the module's user interface. It asks for a name and
// whether to register now, and leaves its outcome in the product key:
// "AccessDllStatus" (1 registered, 0 not), and on success "UserName",
// "TrueUserName" and "HomePage".
//
// Built three ways: the demo's module (this dialog), and for the tests a
// quiet one (ACCESS_QUIET: registers "Test User" without asking, and notes
// what it was handed: "SeenOwner", the window, and "SeenRunOnce", the
// setup's run-once command at the time) and one that writes no status at
// all (ACCESS_NO_STATUS).
#include <windows.h>

#include <string>

#include "access_module.h"

namespace {

const char kProductKey[] = "Software\\CorvaneNetwork\\Vantora";
HINSTANCE g_module = nullptr;

void WriteString(HKEY key, const char* name, const std::string& value) {
  RegSetValueExA(key, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                 static_cast<DWORD>(value.size() + 1));
}

// The outcome in the product key.
void Record(bool registered, const std::string& name) {
  HKEY key;
  if (RegCreateKeyExA(HKEY_CURRENT_USER, kProductKey, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key,
                      nullptr) != ERROR_SUCCESS)
    return;
#ifndef ACCESS_NO_STATUS
  const DWORD status = registered ? 1 : 0;
  RegSetValueExA(key, "AccessDllStatus", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&status), sizeof status);
#endif
  if (registered) {
    std::string user;
    for (char c : name)
      if (c != ' ') user += static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
    WriteString(key, "TrueUserName", name);
    WriteString(key, "UserName", user);
    WriteString(key, "HomePage", "http://www.corvane.example/welcome/" + user);
  }
  RegCloseKey(key);
}

#if !defined(ACCESS_QUIET) && !defined(ACCESS_NO_STATUS)
INT_PTR CALLBACK RegisterProc(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
  switch (message) {
    case WM_INITDIALOG:
      SetDlgItemTextA(dialog, IDC_REG_NAME, "Vantora User");
      CheckRadioButton(dialog, IDC_REG_NOW, IDC_REG_LATER, IDC_REG_NOW);
      return TRUE;
    case WM_COMMAND:
      if (LOWORD(wParam) == IDOK) {
        char name[128] = "";
        GetDlgItemTextA(dialog, IDC_REG_NAME, name, sizeof name);
        Record(IsDlgButtonChecked(dialog, IDC_REG_NOW) == BST_CHECKED && name[0], name);
        EndDialog(dialog, IDOK);
        return TRUE;
      }
      if (LOWORD(wParam) == IDCANCEL) {
        Record(false, "");
        EndDialog(dialog, IDCANCEL);
        return TRUE;
      }
      return FALSE;
    default:
      return FALSE;
  }
}
#endif

}  // namespace

BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID) {
  if (reason == DLL_PROCESS_ATTACH) g_module = instance;
  return TRUE;
}

extern "C" __declspec(dllexport) void __cdecl InitRunMain(HWND owner) {
#if defined(ACCESS_QUIET)
  HKEY key;
  if (RegCreateKeyExA(HKEY_CURRENT_USER, kProductKey, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key,
                      nullptr) == ERROR_SUCCESS) {
    const DWORD seenOwner = static_cast<DWORD>(reinterpret_cast<UINT_PTR>(owner));
    RegSetValueExA(key, "SeenOwner", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&seenOwner), sizeof seenOwner);
    char command[MAX_PATH + 16] = "";
    DWORD size = sizeof command;
    HKEY runOnce;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, "Software\\Microsoft\\Windows\\CurrentVersion\\RunOnce", 0,
                      KEY_QUERY_VALUE, &runOnce) == ERROR_SUCCESS) {
      if (RegQueryValueExA(runOnce, "VTSetup", nullptr, nullptr, reinterpret_cast<BYTE*>(command), &size) !=
          ERROR_SUCCESS)
        command[0] = '\0';
      RegCloseKey(runOnce);
    }
    WriteString(key, "SeenRunOnce", command);
    RegCloseKey(key);
  }
  Record(true, "Test User");
#elif defined(ACCESS_NO_STATUS)
  (void)owner;
  Record(true, "Test User");
#else
  DialogBoxParamA(g_module, MAKEINTRESOURCEA(IDD_REGISTER), owner, RegisterProc, 0);
#endif
}
