#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>

#include "core/media/wave_file.h"
#include "tools/media/media_art.h"

namespace {

struct Expected {
  const char* file;
  uint16_t bits;
  uint32_t rate;
  double seconds;
};
constexpr Expected kSounds[] = {
    {"cdmenu105.wav", 16, 22050, 0.97},
    {"cdmenu106.wav", 16, 44100, 0.41},
    {"cdmenu107.wav", 8, 22255, 0.03},
};

// The samples of a mono file as -1..1 (8-bit samples are unsigned around 128).
std::vector<double> Samples(const std::vector<uint8_t>& file, const WaveFormat& f) {
  std::vector<double> out;
  const uint8_t* data = file.data() + 44;
  for (uint32_t i = 0; i < f.dataSize; i += f.bitsPerSample / 8)
    out.push_back(f.bitsPerSample == 8 ? (data[i] - 128) / 128.0
                                       : static_cast<int16_t>(data[i] | data[i + 1] << 8) / 32768.0);
  return out;
}

// Sign changes a second in [from, to) of the samples: the pitch, roughly.
double Crossings(const std::vector<double>& s, size_t from, size_t to, uint32_t rate) {
  int n = 0;
  for (size_t i = from + 1; i < to; ++i) n += (s[i - 1] < 0) != (s[i] < 0);
  return n * static_cast<double>(rate) / (to - from);
}

}  // namespace

TEST(LauncherSounds, EachIsAMonoPcmFileOfItsFormatAndLength) {
  const std::vector<NamedMedia> sounds = LauncherSounds();
  ASSERT_EQ(sounds.size(), 3u);
  for (size_t i = 0; i < 3; ++i) {
    const Expected& e = kSounds[i];
    SCOPED_TRACE(e.file);
    EXPECT_EQ(sounds[i].file, e.file);
    WaveFormat f;
    ASSERT_TRUE(WaveCheck(sounds[i].bytes.data(), sounds[i].bytes.size(), &f));
    EXPECT_EQ(f.channels, 1);
    EXPECT_EQ(f.bitsPerSample, e.bits);
    EXPECT_EQ(f.sampleRate, e.rate);
    const double seconds = f.dataSize / (e.bits / 8.0) / e.rate;
    EXPECT_NEAR(seconds, e.seconds, e.seconds * 0.05);

    const std::vector<double> s = Samples(sounds[i].bytes, f);
    double peak = 0, mean = 0;
    for (double v : s) {
      peak = std::max(peak, std::fabs(v));
      mean += v / s.size();
    }
    EXPECT_GT(peak, 0.2);              // heard,
    EXPECT_LT(peak, 0.999);            // not clipped,
    EXPECT_NEAR(mean, 0.0, 0.02);      // and centred on silence
    EXPECT_LT(std::fabs(s.back()), 0.05);  // it dies away rather than stopping with a bang
  }
}

TEST(LauncherSounds, TheMinimiseSwooshFalls) {
  const std::vector<uint8_t> file = LauncherSounds()[1].bytes;
  WaveFormat f;
  ASSERT_TRUE(WaveCheck(file.data(), file.size(), &f));
  const std::vector<double> s = Samples(file, f);
  const size_t q = s.size() / 4;
  EXPECT_GT(Crossings(s, 0, q, f.sampleRate), 2 * Crossings(s, 3 * q, s.size(), f.sampleRate));
}
