#include "core/screen/fade_cycle.h"

#include <algorithm>

namespace {
bool StepUp(uint8_t& channel, uint8_t target) {
  if (channel >= target) return false;
  ++channel;
  return true;
}
}  // namespace

bool FadeCycle(std::vector<FadeEntry>& entries, const std::vector<FadeColor>& reference) {
  bool moved = false;
  const size_t n = std::min(entries.size(), reference.size());
  for (size_t i = 0; i < n; ++i) {
    FadeEntry& e = entries[i];
    if (e.flags != kFadeReserved) continue;
    const FadeColor& c = reference[i];
    // Every channel steps, not only the first that can.
    moved |= StepUp(e.red, c.red);
    moved |= StepUp(e.green, c.green);
    moved |= StepUp(e.blue, c.blue);
  }
  return moved;
}
