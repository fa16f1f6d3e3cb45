#include "core/launcher/launch_menu.h"

const LaunchButtonRow kLaunchButtonTable[kLaunchButtons] = {
    {0, 32, 323, 90, 0, 0, 116, 110, 113},   // the provider's setup
    {353, 0, 246, 78, 0, 1, 117, 111, 114},  // to page 2
    {221, 32, 158, 66, 0, 2, 124, 122, 123}, // Pw
    {4, 121, 189, 57, 0, 3, 130, 128, 129},  // ie
    {417, 115, 174, 72, 0, 4, 133, 132, 131},// Corvane
    {6, 379, 60, 40, 0, 5, 139, 137, 138},   // back to page 1
    {529, 379, 60, 40, 0, 6, 115, 109, 112}, // exit
};

LaunchCommand CommandOf(int id) {
  switch (id) {
    case 1: return LaunchCommand::kPage2;
    case 5: return LaunchCommand::kPage1;
    case 6: return LaunchCommand::kExit;
    default: return LaunchCommand::kStart;
  }
}

const char* TargetOf(int id) {
  switch (id) {
    case 0: return "Brightwall\\Setup.exe";
    case 2: return "Pw\\Setup.exe";
    case 3: return "ie\\Msie.exe";
    case 4: return "Corvane\\Setup.exe";
    default: return nullptr;
  }
}

bool ShownOnPage(int id, int page) {
  if (id == 6) return true;
  return page == 1 ? (id == 0 || id == 1) : (id >= 2 && id <= 5);
}

bool PtInEllipse(int left, int top, int right, int bottom, int x, int y) {
  const double rx = (right - left) / 2.0, ry = (bottom - top) / 2.0;
  if (rx == 0 || ry == 0) return false;
  const double dx = x - (left + right) / 2.0, dy = y - (top + bottom) / 2.0;
  return dy * dy / (ry * ry) + dx * dx / (rx * rx) <= 1.0;
}

bool LaunchPaths(const std::string& moduleDir, const std::string& target, std::string* currentDir,
                 std::string* commandLine) {
  currentDir->clear();
  const size_t slash = target.rfind('\\');
  std::string dir;
  if (slash != std::string::npos) dir = moduleDir + "\\" + target.substr(0, slash);
  std::string line = moduleDir + "\\" + target;
  if (dir.size() >= kLaunchPathMax || line.size() >= kLaunchPathMax) return false;
  *currentDir = dir;
  *commandLine = line;
  return true;
}
