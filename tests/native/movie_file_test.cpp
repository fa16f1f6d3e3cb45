#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "core/media/movie_file.h"

namespace {

MovieHeader Header(uint16_t width, uint16_t height, uint16_t frames, uint16_t frameMs, uint16_t colors) {
  MovieHeader h;
  h.width = width;
  h.height = height;
  h.frames = frames;
  h.frameMs = frameMs;
  h.colors = colors;
  return h;
}

// A 300 x 2 movie of three frames: runs longer than one count byte, and
// frames that differ.
struct Sample {
  MovieHeader header = Header(300, 2, 3, 40, 3);
  std::vector<uint32_t> colors = {0x102030, 0xFF8000, 0xFFFFFF};
  std::vector<std::vector<uint8_t>> frames;
  std::vector<uint8_t> file;
  Sample() {
    for (int f = 0; f < 3; ++f) {
      std::vector<uint8_t> pixels(600);
      for (size_t i = 0; i < pixels.size(); ++i) pixels[i] = static_cast<uint8_t>((i / 7 + f) % 3);
      if (f == 0) std::fill(pixels.begin(), pixels.end(), 1);  // one colour: three runs
      frames.push_back(pixels);
    }
    file = MovieEncode(header, colors, frames);
  }
};

void Put16(std::vector<uint8_t>& file, size_t at, uint16_t v) {
  file[at] = static_cast<uint8_t>(v);
  file[at + 1] = static_cast<uint8_t>(v >> 8);
}

TEST(MovieFile, EncodedMoviesDecodeFrameByFrame) {
  Sample s;
  ASSERT_FALSE(s.file.empty());
  MovieFile movie;
  ASSERT_EQ(movie.Parse(s.file.data(), s.file.size()), MovieError::None);
  EXPECT_EQ(movie.header().width, 300);
  EXPECT_EQ(movie.header().frames, 3);
  EXPECT_EQ(movie.pixelCount(), 600u);
  // Blue, green, red, 0 in the file's table.
  const uint8_t* table = movie.colorTable();
  EXPECT_EQ(std::vector<uint8_t>(table + 4, table + 8), (std::vector<uint8_t>{0x00, 0x80, 0xFF, 0}));
  std::vector<uint8_t> out(600, 9);
  for (size_t f = 0; f < 3; ++f) {
    ASSERT_TRUE(movie.DecodeFrame(f, out.data()));
    EXPECT_EQ(out, s.frames[f]) << "frame " << f;
  }
  EXPECT_FALSE(movie.DecodeFrame(3, out.data()));
  EXPECT_FALSE(MovieFile().DecodeFrame(0, out.data()));
}

TEST(MovieFile, EncoderRefusesFramesThatDoNotMatchTheHeader) {
  Sample s;
  EXPECT_TRUE(MovieEncode(s.header, {1, 2}, s.frames).empty());  // colour count
  auto frames = s.frames;
  frames.pop_back();
  EXPECT_TRUE(MovieEncode(s.header, s.colors, frames).empty());  // frame count
  frames = s.frames;
  frames[1].pop_back();
  EXPECT_TRUE(MovieEncode(s.header, s.colors, frames).empty());  // frame size
  frames = s.frames;
  frames[2][5] = 3;
  EXPECT_TRUE(MovieEncode(s.header, s.colors, frames).empty());  // unknown colour
  EXPECT_TRUE(MovieEncode(Header(300, 2, 3, 9, 3), s.colors, s.frames).empty());
}

TEST(MovieFile, HeaderRangesAreCheckedAtTheirLimits) {
  Sample s;
  struct Case {
    size_t at;
    uint16_t value;
    MovieError expected;
  } cases[] = {
      {4, 2, MovieError::BadVersion},      {6, 0, MovieError::BadSize},
      {6, 641, MovieError::BadSize},       {8, 481, MovieError::BadSize},
      {10, 0, MovieError::BadFrameCount},  {10, 1001, MovieError::BadFrameCount},
      {10, 65535, MovieError::BadFrameCount}, {12, 9, MovieError::BadTiming},
      {12, 5001, MovieError::BadTiming},   {14, 0, MovieError::BadColors},
      {14, 257, MovieError::BadColors},
  };
  for (const Case& c : cases) {
    std::vector<uint8_t> file = s.file;
    Put16(file, c.at, c.value);
    EXPECT_EQ(MovieReadHeader(file.data(), file.size(), nullptr), c.expected) << c.at << "=" << c.value;
    EXPECT_EQ(MovieFile().Parse(file.data(), file.size()), c.expected);
  }
  std::vector<uint8_t> file = s.file;
  file[0] = 'R';
  EXPECT_EQ(MovieReadHeader(file.data(), file.size(), nullptr), MovieError::BadMagic);
  EXPECT_EQ(MovieReadHeader(file.data(), 15, nullptr), MovieError::Truncated);
  EXPECT_EQ(MovieReadHeader(nullptr, 100, nullptr), MovieError::Truncated);

  // The limits themselves are allowed.
  MovieHeader h;
  Put16(file = s.file, 12, 10);
  EXPECT_EQ(MovieReadHeader(file.data(), file.size(), &h), MovieError::None);
  EXPECT_EQ(h.frameMs, 10);
  Put16(file, 12, 5000);
  EXPECT_EQ(MovieReadHeader(file.data(), file.size(), &h), MovieError::None);
  EXPECT_EQ(MovieFile().Parse(file.data(), file.size()), MovieError::None);
}

TEST(MovieFile, EveryCutOfAFileIsRefused) {
  Sample s;
  for (size_t size = 0; size < s.file.size(); ++size) {
    MovieFile movie;
    EXPECT_NE(movie.Parse(s.file.data(), size), MovieError::None) << size;
    std::vector<uint8_t> out(600);
    EXPECT_FALSE(movie.DecodeFrame(0, out.data()));
  }
  std::vector<uint8_t> longer = s.file;
  longer.push_back(0);
  EXPECT_EQ(MovieFile().Parse(longer.data(), longer.size()), MovieError::BadFrameTable);
}

TEST(MovieFile, FrameTablesAndRunsMustAddUp) {
  Sample s;
  const size_t table = kMovieHeaderSize + 3 * 4;
  const size_t frame0 = table + 3 * 4;  // frame 0: (255,1) (255,1) (90,1)
  ASSERT_EQ(s.file[table], 6);

  // A huge frame count with the file far too short for its table.
  std::vector<uint8_t> file = s.file;
  Put16(file, 10, 1000);
  EXPECT_EQ(MovieFile().Parse(file.data(), file.size()), MovieError::Truncated);

  // Frame lengths: past the end, odd, longer than the picture can need.
  file = s.file;
  file[table + 3] = 0x7F;
  EXPECT_EQ(MovieFile().Parse(file.data(), file.size()), MovieError::BadFrameTable);
  file = s.file;
  file[table] = 0;
  EXPECT_EQ(MovieFile().Parse(file.data(), file.size()), MovieError::BadFrameTable);

  struct Edit {
    size_t at;
    uint8_t value;
  } edits[] = {
      {frame0 + 4, 91},  // runs overfill the picture
      {frame0 + 4, 89},  // and fall short
      {frame0 + 2, 0},   // an empty run
      {frame0 + 1, 3},   // a colour beyond the table
  };
  for (const Edit& e : edits) {
    file = s.file;
    file[e.at] = e.value;
    EXPECT_EQ(MovieFile().Parse(file.data(), file.size()), MovieError::BadFrameData) << e.at;
  }
  // Lengths shifted between frames keep the total but break both frames.
  file = s.file;
  file[table] = 4;
  file[table + 4] = static_cast<uint8_t>(file[table + 4] + 2);
  EXPECT_NE(MovieFile().Parse(file.data(), file.size()), MovieError::None);
}

TEST(MovieTiming, FramesFollowTheClockAndHoldTheLast) {
  const MovieHeader h = Header(10, 10, 36, 80, 4);
  EXPECT_EQ(MovieLengthMs(h), 2880u);
  EXPECT_EQ(MovieFrameAt(h, 0), 0);
  EXPECT_EQ(MovieFrameAt(h, 79), 0);
  EXPECT_EQ(MovieFrameAt(h, 80), 1);
  EXPECT_EQ(MovieFrameAt(h, 2879), 35);
  EXPECT_EQ(MovieFrameAt(h, 100000), 35);
  EXPECT_EQ(MovieFrameAt(h, 0xFFFFFFFFu), 35);
  EXPECT_FALSE(MovieEnded(h, 2879));
  EXPECT_TRUE(MovieEnded(h, 2880));
  EXPECT_EQ(MovieFrameAt(MovieHeader(), 500), 0);  // no division by a zero frame time

  // The timer ticks at least twice a frame, but not faster than 10 ms.
  EXPECT_EQ(MovieTimerMs(h), 40u);
  EXPECT_EQ(MovieTimerMs(Header(1, 1, 1, 10, 1)), 10u);
  EXPECT_EQ(MovieTimerMs(Header(1, 1, 1, 5000, 1)), 50u);
  // The longest movie the checks let through still has a length that fits.
  EXPECT_EQ(MovieLengthMs(Header(1, 1, kMovieMaxFrames, kMovieMaxFrameMs, 1)), 5000000u);
}

}  // namespace
