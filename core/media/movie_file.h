// Our movie files (".vtm"): a fixed header, one colour table, a table of
// frame lengths, then every frame as whole pictures of colour indices packed
// in (count, colour) runs, rows from the top.
#pragma once
#include <cstddef>
#include <cstdint>
#include <vector>

constexpr uint16_t kMovieVersion = 1;
// "VTMV", version, width, height, frames, frame time, colours.
constexpr size_t kMovieHeaderSize = 16;
constexpr uint16_t kMovieMaxWidth = 640;
constexpr uint16_t kMovieMaxHeight = 480;
constexpr uint16_t kMovieMaxFrames = 1000;
// A frame stays up at least 10 ms (faster than any screen shows) and at
// most 5 s (a still picture, not a movie).
constexpr uint16_t kMovieMinFrameMs = 10;
constexpr uint16_t kMovieMaxFrameMs = 5000;
constexpr uint16_t kMovieMaxColors = 256;

enum class MovieError {
  None,
  Truncated,
  BadMagic,
  BadVersion,
  BadSize,
  BadFrameCount,
  BadTiming,
  BadColors,
  BadFrameTable,
  BadFrameData,
};
const char* MovieErrorText(MovieError error);

struct MovieHeader {
  uint16_t width = 0;
  uint16_t height = 0;
  uint16_t frames = 0;
  uint16_t frameMs = 0;
  uint16_t colors = 0;
};

// The fixed header alone, with its ranges checked.
MovieError MovieReadHeader(const uint8_t* data, size_t size, MovieHeader* header);

// A movie over bytes in memory (not copied: they must outlive it). Parse
// checks the whole file, every frame's runs included.
class MovieFile {
 public:
  MovieError Parse(const uint8_t* data, size_t size);
  const MovieHeader& header() const { return m_header; }
  // `colors` entries of blue, green, red, 0.
  const uint8_t* colorTable() const { return m_colors; }
  size_t pixelCount() const { return static_cast<size_t>(m_header.width) * m_header.height; }
  // Frame `index` into `out` (pixelCount() indices, rows from the top).
  bool DecodeFrame(size_t index, uint8_t* out) const;

 private:
  MovieHeader m_header;
  const uint8_t* m_data = nullptr;
  const uint8_t* m_colors = nullptr;
  std::vector<size_t> m_frameOffset;  // each frame's start, then the end
};

// The whole file; empty when the header, colours or frames do not agree.
// Colours as 0x00RRGGBB.
std::vector<uint8_t> MovieEncode(const MovieHeader& header, const std::vector<uint32_t>& colors,
                                 const std::vector<std::vector<uint8_t>>& frames);

// Frame timing.
uint32_t MovieLengthMs(const MovieHeader& header);
uint16_t MovieFrameAt(const MovieHeader& header, uint32_t elapsedMs);
bool MovieEnded(const MovieHeader& header, uint32_t elapsedMs);
uint32_t MovieTimerMs(const MovieHeader& header);
