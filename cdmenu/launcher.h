// The launcher's global state and the pieces of its one window: the main
// window procedure (main.cpp), the picture buttons (buttons.cpp), starting
// a target (launch.cpp) and the sounds (sounds.cpp).
#pragma once
#include <windows.h>

#include "core/launcher/launch_menu.h"
#include "picture.h"

// A picture button: its window, the table's reserved value and its three
// pictures (a picture whose id is 0 is absent).
struct LaunchButton {
  HWND window;
  int reserved;
  Picture* normal;
  Picture* pressed;
  Picture* focused;
};

extern HINSTANCE g_instance;
extern HWND g_mainWindow;
extern BOOL g_active;                     // the launcher is the active application
extern Picture* g_background;             // the page's picture
extern LaunchButton* g_buttons[kLaunchButtons];
extern HWND g_focusedButton;              // the button that last got the focus
extern HCURSOR g_handCursor;              // cursor 103, loaded with the first button
extern char g_moduleDir[kLaunchPathMax];  // the program's folder, no trailing backslash
extern int g_exitCode;                    // what the launcher ends with

// Resource ids of the program.
enum : int {
  kHandCursor = 103,
  kStartSound = 105,
  kMinimiseSound = 106,
  kClickSound = 107,
  kPage1Picture = 108,
  kProgramIcon = 109,
  kPage2Picture = 118,
};

// buttons.cpp: the seven buttons in table order, hidden; false when one
// cannot be made (its pictures included).
bool CreateLaunchButtons(HWND parent);
void DestroyLaunchButtons();
void ShowPage(int page);
// WM_DRAWITEM of an owner-drawn button.
void DrawLaunchButton(const DRAWITEMSTRUCT& item);

// launch.cpp
void ReadModuleDir();
// Starts `target` (relative to the module folder) from its own folder and
// closes the launcher, whether or not the start worked.
void LaunchTarget(HWND window, const char* target);

// sounds.cpp: plays a WAVE resource of the program; returns when the
// sound has finished.
void PlayLaunchSound(int id);
