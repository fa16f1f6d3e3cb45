#include "core/media/movie_file.h"

#include <algorithm>
#include <cstring>

#include "core/media/le_bytes.h"

namespace {

const uint8_t kMagic[4] = {'V', 'T', 'M', 'V'};

using media_bytes::Get16;
using media_bytes::Get32;
using media_bytes::Put16;
using media_bytes::Put32;

MovieError CheckRanges(const MovieHeader& h) {
  if (h.width < 1 || h.width > kMovieMaxWidth || h.height < 1 || h.height > kMovieMaxHeight)
    return MovieError::BadSize;
  if (h.frames < 1 || h.frames > kMovieMaxFrames) return MovieError::BadFrameCount;
  if (h.frameMs < kMovieMinFrameMs || h.frameMs > kMovieMaxFrameMs) return MovieError::BadTiming;
  if (h.colors < 1 || h.colors > kMovieMaxColors) return MovieError::BadColors;
  return MovieError::None;
}

// Runs of one frame's data into `out` (pixels bytes); when `out` is NULL it
// only checks. True when the runs fill exactly `pixels` with known colours.
bool DecodeRuns(const uint8_t* data, size_t length, uint16_t colors, size_t pixels, uint8_t* out) {
  if (length % 2 != 0) return false;
  size_t filled = 0;
  for (size_t i = 0; i < length; i += 2) {
    const size_t run = data[i];
    const uint8_t color = data[i + 1];
    if (run == 0 || color >= colors || run > pixels - filled) return false;
    if (out) std::memset(out + filled, color, run);
    filled += run;
  }
  return filled == pixels;
}

}  // namespace

const char* MovieErrorText(MovieError error) {
  switch (error) {
    case MovieError::None: return "no error";
    case MovieError::Truncated: return "the file is cut short";
    case MovieError::BadMagic: return "not a movie file";
    case MovieError::BadVersion: return "a movie version this player does not know";
    case MovieError::BadSize: return "a picture size out of range";
    case MovieError::BadFrameCount: return "a frame count out of range";
    case MovieError::BadTiming: return "a frame time out of range";
    case MovieError::BadColors: return "a colour count out of range";
    case MovieError::BadFrameTable: return "frame lengths that do not match the file";
    case MovieError::BadFrameData: return "a frame that does not decode";
  }
  return "unknown error";
}

MovieError MovieReadHeader(const uint8_t* data, size_t size, MovieHeader* header) {
  if (!data || size < kMovieHeaderSize) return MovieError::Truncated;
  if (std::memcmp(data, kMagic, sizeof kMagic) != 0) return MovieError::BadMagic;
  if (Get16(data + 4) != kMovieVersion) return MovieError::BadVersion;
  MovieHeader h;
  h.width = Get16(data + 6);
  h.height = Get16(data + 8);
  h.frames = Get16(data + 10);
  h.frameMs = Get16(data + 12);
  h.colors = Get16(data + 14);
  const MovieError error = CheckRanges(h);
  if (error == MovieError::None && header) *header = h;
  return error;
}

MovieError MovieFile::Parse(const uint8_t* data, size_t size) {
  m_frameOffset.clear();
  m_colors = nullptr;
  m_data = nullptr;
  MovieHeader h;
  MovieError error = MovieReadHeader(data, size, &h);
  if (error != MovieError::None) return error;
  // The ranges above bound both tables to a few kilobytes.
  const size_t tables = kMovieHeaderSize + size_t{h.colors} * 4 + size_t{h.frames} * 4;
  if (size < tables) return MovieError::Truncated;
  const size_t pixels = static_cast<size_t>(h.width) * h.height;
  // A frame's data is never longer than one pair a pixel.
  std::vector<size_t> offsets;
  offsets.reserve(size_t{h.frames} + 1);
  size_t offset = tables;
  const uint8_t* table = data + kMovieHeaderSize + size_t{h.colors} * 4;
  for (size_t i = 0; i < h.frames; ++i) {
    const uint32_t length = Get32(table + i * 4);
    if (length < 2 || length > 2 * pixels || length > size - offset) return MovieError::BadFrameTable;
    offsets.push_back(offset);
    offset += length;
  }
  if (offset != size) return MovieError::BadFrameTable;
  offsets.push_back(offset);
  for (size_t i = 0; i < h.frames; ++i)
    if (!DecodeRuns(data + offsets[i], offsets[i + 1] - offsets[i], h.colors, pixels, nullptr))
      return MovieError::BadFrameData;
  m_header = h;
  m_colors = data + kMovieHeaderSize;
  m_frameOffset = std::move(offsets);
  m_data = data;
  return MovieError::None;
}

bool MovieFile::DecodeFrame(size_t index, uint8_t* out) const {
  if (!m_data || !out || index + 1 >= m_frameOffset.size()) return false;
  return DecodeRuns(m_data + m_frameOffset[index], m_frameOffset[index + 1] - m_frameOffset[index],
                    m_header.colors, pixelCount(), out);
}

std::vector<uint8_t> MovieEncode(const MovieHeader& header, const std::vector<uint32_t>& colors,
                                 const std::vector<std::vector<uint8_t>>& frames) {
  if (CheckRanges(header) != MovieError::None || colors.size() != header.colors ||
      frames.size() != header.frames)
    return {};
  const size_t pixels = static_cast<size_t>(header.width) * header.height;
  std::vector<std::vector<uint8_t>> coded;
  for (const std::vector<uint8_t>& frame : frames) {
    if (frame.size() != pixels) return {};
    std::vector<uint8_t> runs;
    for (size_t i = 0; i < pixels;) {
      const uint8_t color = frame[i];
      if (color >= header.colors) return {};
      size_t run = 1;
      while (run < 255 && i + run < pixels && frame[i + run] == color) ++run;
      runs.push_back(static_cast<uint8_t>(run));
      runs.push_back(color);
      i += run;
    }
    coded.push_back(std::move(runs));
  }
  std::vector<uint8_t> out(kMagic, kMagic + sizeof kMagic);
  Put16(out, kMovieVersion);
  Put16(out, header.width);
  Put16(out, header.height);
  Put16(out, header.frames);
  Put16(out, header.frameMs);
  Put16(out, header.colors);
  for (uint32_t rgb : colors) {
    out.push_back(static_cast<uint8_t>(rgb));
    out.push_back(static_cast<uint8_t>(rgb >> 8));
    out.push_back(static_cast<uint8_t>(rgb >> 16));
    out.push_back(0);
  }
  for (const std::vector<uint8_t>& runs : coded) Put32(out, static_cast<uint32_t>(runs.size()));
  for (const std::vector<uint8_t>& runs : coded) out.insert(out.end(), runs.begin(), runs.end());
  return out;
}

uint32_t MovieLengthMs(const MovieHeader& header) {
  return static_cast<uint32_t>(header.frames) * header.frameMs;
}

uint16_t MovieFrameAt(const MovieHeader& header, uint32_t elapsedMs) {
  if (header.frames == 0 || header.frameMs == 0) return 0;
  const uint32_t frame = elapsedMs / header.frameMs;
  return static_cast<uint16_t>(std::min<uint32_t>(frame, header.frames - 1u));
}

bool MovieEnded(const MovieHeader& header, uint32_t elapsedMs) {
  return elapsedMs >= MovieLengthMs(header);
}

uint32_t MovieTimerMs(const MovieHeader& header) {
  return std::clamp<uint32_t>(header.frameMs / 2u, 10u, 50u);
}
