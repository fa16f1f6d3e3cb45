#include "core/media/wave_file.h"

#include <cstring>

#include "core/media/le_bytes.h"

namespace {

using media_bytes::Get16;
using media_bytes::Get32;
using media_bytes::Put16;
using media_bytes::Put32;

void PutTag(std::vector<uint8_t>& out, const char* tag) { out.insert(out.end(), tag, tag + 4); }

constexpr uint16_t kPcm = 1;

// The header of a mono PCM file whose "data" chunk holds `dataSize` bytes
// (and its pad byte when that is odd, counted in the RIFF size only).
std::vector<uint8_t> MonoHeader(uint32_t sampleRate, uint16_t bitsPerSample, uint32_t dataSize) {
  const uint16_t blockAlign = bitsPerSample / 8;
  std::vector<uint8_t> out;
  out.reserve(44 + dataSize + 1);
  PutTag(out, "RIFF");
  Put32(out, 36 + dataSize + (dataSize & 1));
  PutTag(out, "WAVE");
  PutTag(out, "fmt ");
  Put32(out, 16);
  Put16(out, kPcm);
  Put16(out, 1);
  Put32(out, sampleRate);
  Put32(out, sampleRate * blockAlign);
  Put16(out, blockAlign);
  Put16(out, bitsPerSample);
  PutTag(out, "data");
  Put32(out, dataSize);
  return out;
}

}  // namespace

bool WaveCheck(const uint8_t* data, size_t size, WaveFormat* format) {
  if (!data || size < 12 || std::memcmp(data, "RIFF", 4) != 0 || std::memcmp(data + 8, "WAVE", 4) != 0)
    return false;
  const uint32_t riffSize = Get32(data + 4);
  if (riffSize < 4 || riffSize > size - 8) return false;
  const size_t end = size_t{riffSize} + 8;
  WaveFormat f;
  bool haveFormat = false;
  for (size_t at = 12; at + 8 <= end;) {
    const uint8_t* chunk = data + at;
    const uint32_t length = Get32(chunk + 4);
    if (length > end - at - 8) return false;
    if (std::memcmp(chunk, "fmt ", 4) == 0) {
      if (length < 16) return false;
      const uint16_t tag = Get16(chunk + 8);
      f.channels = Get16(chunk + 10);
      f.sampleRate = Get32(chunk + 12);
      const uint32_t byteRate = Get32(chunk + 16);
      const uint16_t blockAlign = Get16(chunk + 20);
      f.bitsPerSample = Get16(chunk + 22);
      if (tag != kPcm || f.channels < 1 || f.channels > 2 ||
          (f.bitsPerSample != 8 && f.bitsPerSample != 16) || f.sampleRate < 8000 ||
          f.sampleRate > 48000)
        return false;
      if (blockAlign != f.channels * f.bitsPerSample / 8 || byteRate != f.sampleRate * blockAlign)
        return false;
      haveFormat = true;
    } else if (std::memcmp(chunk, "data", 4) == 0) {
      if (!haveFormat || length == 0) return false;
      f.dataSize = length;
      if (format) *format = f;
      return true;
    }
    at += 8 + size_t{length} + (length & 1);  // chunks are padded to even lengths
  }
  return false;
}

std::vector<uint8_t> WaveEncodeMono16(const std::vector<int16_t>& samples, uint32_t sampleRate) {
  std::vector<uint8_t> out = MonoHeader(sampleRate, 16, static_cast<uint32_t>(samples.size() * 2));
  for (int16_t s : samples) Put16(out, static_cast<uint16_t>(s));
  return out;
}

std::vector<uint8_t> WaveEncodeMono8(const std::vector<uint8_t>& samples, uint32_t sampleRate) {
  std::vector<uint8_t> out = MonoHeader(sampleRate, 8, static_cast<uint32_t>(samples.size()));
  out.insert(out.end(), samples.begin(), samples.end());
  if (samples.size() & 1) out.push_back(0);
  return out;
}
