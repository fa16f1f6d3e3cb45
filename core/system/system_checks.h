// Decisions of the start-up checks, apart from asking the system.
#pragma once
#include <cstdint>
#include <string>

// Platform identifiers as the system reports them.
constexpr uint32_t kPlatformWin32s = 0;   // Windows 3.x with 32-bit extensions
constexpr uint32_t kPlatformWindows = 1;  // Windows 95
constexpr uint32_t kPlatformNT = 2;

// Empty when the platform may run the setup; otherwise the refusal text,
// "Cannot run on " and the platform's name, with no final full stop.
std::string OsRefusalText(uint32_t platformId);

// Bytes of physical memory the setup needs (a decimal figure, not 7 MiB).
constexpr uint64_t kRequiredPhysicalMemory = 7000000;
constexpr bool EnoughMemory(uint64_t totalPhysical) {
  return totalPhysical >= kRequiredPhysicalMemory;
}
