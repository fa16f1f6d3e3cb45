// The "Major" and "Minor" status words: a step (or disk) number in the high
// 16 bits and flags in the low 16 bits.
#pragma once
#include <cstdint>

namespace status {

constexpr uint16_t kAccountDone = 0x0001;
constexpr uint16_t kInstalled = 0x0002;
constexpr uint16_t kFreshStart = 0x2000;   // no status record at the run's start
constexpr uint16_t kResumedStart = 0x4000; // a status record existed
constexpr uint16_t kKeepHalf = 0xFFFF;     // WriteStatusValue: keep this half

constexpr uint16_t High(uint32_t word) { return static_cast<uint16_t>(word >> 16); }
constexpr uint16_t Low(uint32_t word) { return static_cast<uint16_t>(word & 0xFFFF); }
constexpr uint32_t Make(uint16_t high, uint16_t low) {
  return static_cast<uint32_t>(high) << 16 | low;
}

// The flags a run writes with every step.
constexpr uint16_t MajorFlags(bool accountDone, bool installed, bool freshStatus) {
  return static_cast<uint16_t>((accountDone ? kAccountDone : 0) | (installed ? kInstalled : 0) |
                               (freshStatus ? kFreshStart : kResumedStart));
}

// The new word for a write of (high, low), where either half may be
// kKeepHalf to keep that half of `current`.
constexpr uint32_t Merge(uint32_t current, uint16_t high, uint16_t low) {
  return Make(high == kKeepHalf ? High(current) : high, low == kKeepHalf ? Low(current) : low);
}

// What a run learns from the "Major" value found at its start.
struct Loaded {
  uint16_t storedStep = 1;
  bool accountDone = false;
  bool installed = false;
  bool freshStatus = true;
};

// A missing value, an unreadable one and 0 all mean: no status record.
constexpr Loaded Decode(bool present, uint32_t major) {
  Loaded s;
  if (present && major != 0) {
    s.storedStep = High(major);
    s.accountDone = (major & kAccountDone) != 0;
    s.installed = (major & kInstalled) != 0;
    s.freshStatus = false;
  }
  return s;
}

}  // namespace status
