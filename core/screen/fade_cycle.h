// The background's fade-in from black on a palette display: the window's
// palette starts with every background entry black and reserved; each cycle
// moves the red, green and blue of every reserved entry one step up towards
// the picture's own colour, until a cycle moves nothing. Entries that are
// not reserved (the logo's, appended after the background's) stay as they
// are. From black a fade takes at most 255 moving cycles.
#pragma once
#include <cstdint>
#include <vector>

struct FadeEntry {
  uint8_t red = 0, green = 0, blue = 0, flags = 0;
};
struct FadeColor {
  uint8_t red = 0, green = 0, blue = 0;
};

// The palette entry flag of an entry that takes part (reserved for
// animation).
constexpr uint8_t kFadeReserved = 1;

// One cycle over the entries that have a reference colour; true when any
// channel moved. A channel above its reference is left alone.
bool FadeCycle(std::vector<FadeEntry>& entries, const std::vector<FadeColor>& reference);

// Runs cycles until one moves nothing, calling `after` (if given) with the
// entries after every moving cycle (the screen window shows each step
// there); returns the number of moving cycles.
// Bounded by 256 cycles whatever the input.
template <typename After>
int RunFade(std::vector<FadeEntry>& entries, const std::vector<FadeColor>& reference, After after) {
  int cycles = 0;
  while (cycles < 256 && FadeCycle(entries, reference)) {
    ++cycles;
    after(entries);
  }
  return cycles;
}
