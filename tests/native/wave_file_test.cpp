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

// The check accepts the file and reads back a mono format of these values.
void ExpectMono(const std::vector<uint8_t>& file, uint16_t bits, uint32_t rate, uint32_t dataSize) {
  WaveFormat f;
  ASSERT_TRUE(WaveCheck(file.data(), file.size(), &f));
  EXPECT_EQ(f.channels, 1);
  EXPECT_EQ(f.sampleRate, rate);
  EXPECT_EQ(f.bitsPerSample, bits);
  EXPECT_EQ(f.dataSize, dataSize);
}

TEST(WaveFile, TheWriterMakesFilesTheCheckAccepts) {
  const std::vector<uint8_t> file = Sample();
  ASSERT_EQ(file.size(), 44u + 10u);
  EXPECT_EQ(std::memcmp(file.data(), "RIFF", 4), 0);
  ExpectMono(file, 16, 11025, 10);
  EXPECT_EQ(file[44 + 6], 0xFF);  // 32767, little-endian
  EXPECT_EQ(file[44 + 7], 0x7F);
}

TEST(WaveFile, EightBitFilesKeepTheirUnsignedSamplesAndAnEvenChunk) {
  // Three samples: an odd count, so the data chunk gets its pad byte, which
  // the RIFF size counts and the data size does not.
  const std::vector<uint8_t> file = WaveEncodeMono8({128, 255, 0}, 22255);
  ASSERT_EQ(file.size(), 44u + 3u + 1u);
  EXPECT_EQ(file[4] | file[5] << 8, static_cast<int>(file.size()) - 8);
  ExpectMono(file, 8, 22255, 3);
  EXPECT_EQ(file[28] | file[29] << 8 | file[30] << 16, 22255);  // bytes a second: one a sample
  EXPECT_EQ(file[32], 1);                                      // block size
  EXPECT_EQ(std::vector<uint8_t>(file.begin() + 44, file.begin() + 47), (std::vector<uint8_t>{128, 255, 0}));

  const std::vector<uint8_t> even = WaveEncodeMono8({128, 128}, 8000);
  EXPECT_EQ(even.size(), 46u);
  EXPECT_TRUE(WaveCheck(even.data(), even.size()));
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
