// robot_target: the practice program of the robot's own end-to-end tests.
// A dialog asks for a name (an empty one is refused with a message box),
// then a Yes/No box greets it. Exit code: the box's answer (6 Yes, 7 No),
// or 2 when the dialog is cancelled.
#include <windows.h>

#include <string>

#include "robot_target_res.h"

namespace {

const char kCaption[] = "Robot target";

std::string g_name;

INT_PTR CALLBACK TargetDialog(HWND dialog, UINT message, WPARAM wparam, LPARAM) {
  if (message == WM_INITDIALOG) return TRUE;
  if (message != WM_COMMAND) return FALSE;
  switch (LOWORD(wparam)) {
    case IDOK: {
      char name[128] = "";
      GetDlgItemTextA(dialog, IDC_TARGET_NAME, name, sizeof name);
      if (!name[0]) {
        MessageBoxA(dialog, "Please type a name.", kCaption, MB_OK | MB_ICONEXCLAMATION);
        return TRUE;
      }
      g_name = name;
      EndDialog(dialog, IDOK);
      return TRUE;
    }
    case IDCANCEL:
      EndDialog(dialog, IDCANCEL);
      return TRUE;
  }
  return FALSE;
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
  if (DialogBoxParamA(instance, MAKEINTRESOURCEA(IDD_TARGET), nullptr, TargetDialog, 0) != IDOK)
    return IDCANCEL;
  const std::string greeting = "Hello, " + g_name + "!\nGo on?";
  return MessageBoxA(nullptr, greeting.c_str(), kCaption, MB_YESNO | MB_ICONQUESTION);
}
