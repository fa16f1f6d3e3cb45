#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <vector>

#include "core/media/wave_file.h"

namespace {

void Put32(std::vector<uint8_t>& file, size_t at, uint32_t v) {
  for (int i = 0; i < 4; ++i) file[at + i] = static_cast<uint8_t>(v >> (8 * i));
}
void Put16(std::vector<uint8_t>& file, size_t at, uint16_t v) {
  file[at] = static_cast<uint8_t>(v);
  file[at + 1] = static_cast<uint8_t>(v >> 8);
}

std::vector<uint8_t> Sample() { return WaveEncodeMono16({0, 1000, -1000, 32767, -32768}, 11025); }

TEST(WaveFile, TheWriterMakesFilesTheCheckAccepts) {
  const std::vector<uint8_t> file = Sample();
  ASSERT_EQ(file.size(), 44u + 10u);
  EXPECT_EQ(std::memcmp(file.data(), "RIFF", 4), 0);
  WaveFormat f;
  ASSERT_TRUE(WaveCheck(file.data(), file.size(), &f));
  EXPECT_EQ(f.channels, 1);
  EXPECT_EQ(f.sampleRate, 11025u);
  EXPECT_EQ(f.bitsPerSample, 16);
  EXPECT_EQ(f.dataSize, 10u);
  EXPECT_EQ(file[44 + 6], 0xFF);  // 32767, little-endian
  EXPECT_EQ(file[44 + 7], 0x7F);
}

TEST(WaveFile, FormatsThePlayerCannotHandOnAreRefused) {
  struct Edit {
    size_t at;
    int width;
    uint32_t value;
  } edits[] = {
      {20, 2, 3},        // not PCM
      {22, 2, 0},        // no channels
      {22, 2, 3},        // three channels
      {24, 4, 7999},     // rate below 8 kHz
      {24, 4, 48001},    // above 48 kHz
      {28, 4, 22051},    // byte rate that does not follow
      {32, 2, 4},        // block size that does not follow
      {34, 2, 12},       // 12-bit samples
      {16, 4, 14},       // a "fmt " chunk too short
      {40, 4, 0},        // no samples
      {40, 4, 12},       // samples past the end
      {4, 4, 47},        // RIFF size past the end
      {4, 4, 0xFFFFFFF0u},
  };
  for (const Edit& e : edits) {
    std::vector<uint8_t> file = Sample();
    if (e.width == 2)
      Put16(file, e.at, static_cast<uint16_t>(e.value));
    else
      Put32(file, e.at, e.value);
    EXPECT_FALSE(WaveCheck(file.data(), file.size())) << e.at << "=" << e.value;
  }
  std::vector<uint8_t> file = Sample();
  std::memcpy(file.data() + 8, "AVI ", 4);
  EXPECT_FALSE(WaveCheck(file.data(), file.size()));
  EXPECT_FALSE(WaveCheck(nullptr, 100));
  for (size_t size = 0; size < Sample().size(); ++size)
    EXPECT_FALSE(WaveCheck(Sample().data(), size)) << size;
}

TEST(WaveFile, OtherChunksAreSkippedWithTheirPadding) {
  const std::vector<uint8_t> plain = Sample();
  // A "LIST" chunk of odd length (3 bytes and a pad byte) between the format
  // and the samples.
  std::vector<uint8_t> file(plain.begin(), plain.begin() + 36);
  const uint8_t list[] = {'L', 'I', 'S', 'T', 3, 0, 0, 0, 'a', 'b', 'c', 0};
  file.insert(file.end(), list, list + sizeof list);
  file.insert(file.end(), plain.begin() + 36, plain.end());
  Put32(file, 4, static_cast<uint32_t>(file.size() - 8));
  WaveFormat f;
  ASSERT_TRUE(WaveCheck(file.data(), file.size(), &f));
  EXPECT_EQ(f.dataSize, 10u);

  // Samples before the format say nothing the player could use.
  std::vector<uint8_t> early(plain.begin(), plain.begin() + 12);
  early.insert(early.end(), plain.begin() + 36, plain.end());
  early.insert(early.end(), plain.begin() + 12, plain.begin() + 36);
  EXPECT_FALSE(WaveCheck(early.data(), early.size()));
}

}  // namespace
