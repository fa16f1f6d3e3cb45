// The launcher's menu as pure data and arithmetic: the button table, which
// buttons each page shows, the ellipse a button answers the mouse in, and
// the folder and command line a start uses.
#pragma once
#include <cstddef>
#include <string>

// One row of the button table: position and size in client pixels, a
// reserved value, the control id (its row number) and the bitmap ids of the
// normal, pressed and focused pictures.
struct LaunchButtonRow {
  int x, y, width, height, reserved, id, normal, pressed, focused;
};
constexpr int kLaunchButtons = 7;
extern const LaunchButtonRow kLaunchButtonTable[kLaunchButtons];

// What a button's command does.
enum class LaunchCommand { kStart, kPage2, kPage1, kExit };
LaunchCommand CommandOf(int id);
// The target a start button runs, relative to the launcher's folder; NULL
// for the other buttons.
const char* TargetOf(int id);
// Whether button `id` is visible on page 1 or 2 (button 6 is on both).
bool ShownOnPage(int id, int page);

// Inside the ellipse inscribed in (left, top, right, bottom); a rectangle
// without width or height has no inside.
bool PtInEllipse(int left, int top, int right, int bottom, int x, int y);

// The launcher formats its command lines into 260-character buffers. The
// current folder for the target (the module folder joined with the
// target's folder part, or empty when the target has none) and the command
// line (module folder joined with the whole target); false when either
// would not fit in 259 characters, and then nothing is started.
constexpr size_t kLaunchPathMax = 260;
bool LaunchPaths(const std::string& moduleDir, const std::string& target, std::string* currentDir,
                 std::string* commandLine);
