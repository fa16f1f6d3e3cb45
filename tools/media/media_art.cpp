#include "media_art.h"

#include <algorithm>
#include <cmath>

#include "core/media/movie_file.h"
#include "core/media/wave_file.h"
#include "tools/pictures/pictures.h"

namespace {

constexpr double kPi = 3.14159265358979323846;

// Palette of both movies: 0-31 the night-blue sky by height, 32-47 the
// orange ring by light, 48-63 the wordmark fading from sky to white.
enum : int { kSky = 0, kSkySteps = 32, kRing = 32, kRingSteps = 16, kInk = 48, kInkSteps = 16 };

int Lerp(int a, int b, int i, int n) { return a + (b - a) * i / (n - 1); }
uint32_t Rgb(int r, int g, int b) {
  return static_cast<uint32_t>(r) << 16 | static_cast<uint32_t>(g) << 8 | static_cast<uint32_t>(b);
}

std::vector<uint32_t> MoviePalette() {
  std::vector<uint32_t> colors;
  for (int i = 0; i < kSkySteps; ++i)
    colors.push_back(Rgb(Lerp(6, 40, i, kSkySteps), Lerp(10, 70, i, kSkySteps), Lerp(48, 150, i, kSkySteps)));
  for (int i = 0; i < kRingSteps; ++i)
    colors.push_back(Rgb(Lerp(150, 255, i, kRingSteps), Lerp(60, 210, i, kRingSteps), 20));
  for (int i = 0; i < kInkSteps; ++i)
    colors.push_back(Rgb(Lerp(40, 255, i, kInkSteps), Lerp(70, 255, i, kInkSteps), Lerp(150, 255, i, kInkSteps)));
  return colors;
}

// One movie: a ring that grows around a centre while a bright satellite
// circles it, then the text fades in below (and, when `slide`, glides in
// from the right); the last frame holds the finished picture.
struct Scene {
  uint16_t width, height, frames, frameMs;
  int ringX, ringY, ringRadius;
  const char* text;
  int scale, textY;
  bool slide;
};

std::vector<uint8_t> Frame(const Scene& s, int f) {
  const double t = s.frames > 1 ? static_cast<double>(f) / (s.frames - 1) : 1.0;
  const double grow = std::min(1.0, t / 0.4);
  const double radius = 6 + (s.ringRadius - 6) * grow;
  const double angle = 2 * kPi * 1.25 * t - kPi / 2;
  const double satX = s.ringX + radius * std::cos(angle), satY = s.ringY + radius * std::sin(angle);
  const double fade = std::clamp((t - 0.45) / 0.35, 0.0, 1.0);
  const int textWidth = static_cast<int>(std::char_traits<char>::length(s.text)) * 6 * s.scale - s.scale;
  int textX = (s.width - textWidth) / 2;
  if (s.slide) textX += static_cast<int>((1.0 - fade) * (s.width - textX));
  const int ink = kInk + static_cast<int>(fade * (kInkSteps - 1));

  std::vector<uint8_t> pixels(static_cast<size_t>(s.width) * s.height);
  for (int y = 0; y < s.height; ++y) {
    for (int x = 0; x < s.width; ++x) {
      int v = kSky + y * (kSkySteps - 1) / (s.height - 1);
      const double dx = x - s.ringX, dy = y - s.ringY, d = std::sqrt(dx * dx + dy * dy);
      const double sx = x - satX, sy = y - satY;
      if (sx * sx + sy * sy <= 25.0) {
        v = kInk + kInkSteps - 1;
      } else if (std::fabs(d - radius) <= 3.5) {
        // Lit from the upper left, brighter as it grows.
        const double light = 0.5 + 0.5 * (-(dx + dy) / (d + 1e-9)) * 0.7071;
        v = kRing + static_cast<int>(std::clamp(light * grow, 0.0, 1.0) * (kRingSteps - 1));
      } else if (fade > 0 && InWordmark(x - textX, y - s.textY, s.text, s.scale)) {
        v = ink;
      }
      pixels[static_cast<size_t>(y) * s.width + x] = static_cast<uint8_t>(v);
    }
  }
  return pixels;
}

std::vector<uint8_t> MakeMovie(const Scene& s) {
  MovieHeader h;
  h.width = s.width;
  h.height = s.height;
  h.frames = s.frames;
  h.frameMs = s.frameMs;
  const std::vector<uint32_t> colors = MoviePalette();
  h.colors = static_cast<uint16_t>(colors.size());
  std::vector<std::vector<uint8_t>> frames;
  for (int f = 0; f < s.frames; ++f) frames.push_back(Frame(s, f));
  return MovieEncode(h, colors, frames);
}

}  // namespace

std::vector<uint8_t> MakeChime(const std::vector<Note>& notes, uint32_t sampleRate) {
  double end = 0;
  for (const Note& n : notes) end = std::max(end, n.start + n.length);
  std::vector<int16_t> samples(static_cast<size_t>(end * sampleRate) + 1);
  for (size_t i = 0; i < samples.size(); ++i) {
    const double time = static_cast<double>(i) / sampleRate;
    double sum = 0;
    for (const Note& n : notes) {
      const double local = time - n.start;
      if (local < 0 || local > n.length) continue;
      const double attack = std::min(1.0, local / 0.01);
      const double envelope = attack * std::exp(-4.0 * local / n.length) * (1.0 - local / n.length);
      sum += envelope * (std::sin(2 * kPi * n.hz * local) + 0.3 * std::sin(4 * kPi * n.hz * local));
    }
    samples[i] = static_cast<int16_t>(std::clamp(sum * 9000.0, -32767.0, 32767.0));
  }
  return WaveEncodeMono16(samples, sampleRate);
}

std::vector<NamedMedia> GeneratedMedia() {
  const Scene logo = {157, 144, 36, 80, 78, 58, 40, "VANTORA", 3, 112, false};
  const Scene intro = {146, 130, 30, 80, 73, 46, 32, "SETUP", 4, 94, true};
  return {
      {"logo.vtm", MakeMovie(logo)},
      {"intro.vtm", MakeMovie(intro)},
      {"intro.wav", MakeChime({{523.25, 0.0, 0.9}, {659.25, 0.25, 0.9}, {783.99, 0.5, 0.9}}, 11025)},
      {"dir.wav", MakeChime({{783.99, 0.0, 0.8}, {587.33, 0.2, 0.9}}, 11025)},
  };
}
