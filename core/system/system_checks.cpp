#include "core/system/system_checks.h"

std::string OsRefusalText(uint32_t platformId) {
  switch (platformId) {
    case kPlatformWindows: return std::string();
    case kPlatformWin32s: return "Cannot run on Windows 3.x";
    case kPlatformNT: return "Cannot run on Windows NT";
    default: return "Cannot run on this Operating System";
  }
}
