// Sound files as the demo player plays them: RIFF "WAVE" files of PCM
// samples. The check looks at the chunks a player needs before the sound
// is handed to the system; the writer makes the files of our generated
// sounds.
#pragma once
#include <cstddef>
#include <cstdint>
#include <vector>

struct WaveFormat {
  uint16_t channels = 0;
  uint32_t sampleRate = 0;
  uint16_t bitsPerSample = 0;
  uint32_t dataSize = 0;  // bytes of samples
};

// True for a RIFF WAVE file with a PCM "fmt " chunk (1 or 2 channels, 8 or
// 16 bits, 8000 to 48000 samples a second, consistent block sizes) followed
// somewhere by a non-empty "data" chunk, every chunk inside the file.
bool WaveCheck(const uint8_t* data, size_t size, WaveFormat* format = nullptr);

// A mono 16-bit PCM file of the samples at the rate.
std::vector<uint8_t> WaveEncodeMono16(const std::vector<int16_t>& samples, uint32_t sampleRate);
// A mono 8-bit PCM file of the samples at the rate. 8-bit samples are
// unsigned: 128 is silence. An odd count gets the pad byte that keeps the
// chunk at an even length.
std::vector<uint8_t> WaveEncodeMono8(const std::vector<uint8_t>& samples, uint32_t sampleRate);
