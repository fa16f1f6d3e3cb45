// The CD launcher's sounds: a rising chime when it starts, a falling swoosh
// when it is minimised and a short click for the buttons and for closing.
// The launcher plays them synchronously, so the click is kept very short.
#include <algorithm>
#include <cmath>

#include "core/media/wave_file.h"
#include "media_art.h"

namespace {

constexpr double kPi = 3.14159265358979323846;

// A repeatable noise in -1..1 (a linear congruential generator), so that
// every build writes the same files.
class Noise {
 public:
  double Next() {
    state_ = state_ * 1664525u + 1013904223u;
    return static_cast<double>(state_ >> 8) / (1u << 23) - 1.0;
  }

 private:
  uint32_t state_ = 0x2545F491u;
};

size_t SampleCount(double seconds, uint32_t rate) { return static_cast<size_t>(seconds * rate + 0.5); }

// Minimising: a tone sweeping down from 1600 Hz to 180 Hz under a breath of
// noise that darkens with it, swelling in and fading out.
std::vector<uint8_t> Swoosh() {
  constexpr uint32_t kRate = 44100;
  constexpr double kSeconds = 0.41;
  std::vector<int16_t> samples(SampleCount(kSeconds, kRate));
  Noise noise;
  double phase = 0, air = 0;
  for (size_t i = 0; i < samples.size(); ++i) {
    const double t = static_cast<double>(i) / samples.size();
    const double hz = 1600.0 * std::pow(180.0 / 1600.0, t);
    phase += 2 * kPi * hz / kRate;
    air += (1.0 - std::exp(-2 * kPi * 2.5 * hz / kRate)) * (noise.Next() - air);  // low-passed noise
    const double envelope = std::min(1.0, t / 0.08) * std::pow(1.0 - t, 1.5);
    samples[i] = static_cast<int16_t>(std::clamp(envelope * (0.55 * std::sin(phase) + 0.9 * air), -1.0, 1.0) * 16000);
  }
  return WaveEncodeMono16(samples, kRate);
}

// The click: a snap of noise and a high tick dying away within the 30 ms.
std::vector<uint8_t> Click() {
  constexpr uint32_t kRate = 22255;
  constexpr double kSeconds = 0.03;
  std::vector<uint8_t> samples(SampleCount(kSeconds, kRate));
  Noise noise;
  for (size_t i = 0; i < samples.size(); ++i) {
    const double time = static_cast<double>(i) / kRate;
    const double tick = std::exp(-time / 0.004) * std::sin(2 * kPi * 2400.0 * time);
    const double snap = std::exp(-time / 0.0008) * noise.Next();
    const double v = std::clamp(0.7 * tick + 0.5 * snap, -1.0, 1.0);
    samples[i] = static_cast<uint8_t>(128 + std::lround(v * 110));  // 8-bit samples: 128 is silence
  }
  return WaveEncodeMono8(samples, kRate);
}

}  // namespace

std::vector<NamedMedia> LauncherSounds() {
  // The start: three rising notes of a major chord, the last one ringing
  // until 0.97 s.
  const std::vector<Note> start = {{587.33, 0.0, 0.45}, {739.99, 0.14, 0.45}, {880.0, 0.28, 0.69}};
  return {
      {"cdmenu105.wav", MakeChime(start, 22050)},
      {"cdmenu106.wav", Swoosh()},
      {"cdmenu107.wav", Click()},
  };
}
