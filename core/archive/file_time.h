// Windows FILETIME (100-nanosecond steps since 1601-01-01 UTC) to and from
// Unix time, for the packer on hosts without the Windows API.
#pragma once
#include <cstdint>

constexpr uint64_t kFileTimeUnixEpoch = 116444736000000000ull;

inline uint64_t FileTimeFromUnix(int64_t seconds, uint32_t nanoseconds) {
  return uint64_t(int64_t(kFileTimeUnixEpoch) + seconds * 10000000 + nanoseconds / 100);
}
inline int64_t UnixSecondsFromFileTime(uint64_t ft) {
  int64_t d = int64_t(ft) - int64_t(kFileTimeUnixEpoch);
  return d / 10000000 - (d % 10000000 < 0 ? 1 : 0);
}
inline uint32_t UnixNanosFromFileTime(uint64_t ft) {
  int64_t rest = (int64_t(ft) - int64_t(kFileTimeUnixEpoch)) % 10000000;
  if (rest < 0) rest += 10000000;
  return uint32_t(rest * 100);
}
