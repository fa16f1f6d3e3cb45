// The implode encoder: every mode round-trips through our decoder, the
// stream does not depend on how the input was handed over, and the parse
// actually finds the repeats.
#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <cstdint>

#include "dcl_test_support.h"

using dcltest::Decode;
using dcltest::Encode;
using namespace dcl;

namespace {

struct Sample {
  const char* name;
  std::vector<uint8_t> data;
};

std::vector<Sample> Samples() {
  std::vector<uint8_t> every_byte;
  for (int r = 0; r < 3; ++r)
    for (int c = 0; c < 256; ++c) every_byte.push_back(uint8_t((c * 97 + r) & 0xFF));
  std::vector<uint8_t> runs;
  for (int i = 0; i < 70000; ++i) runs.push_back(uint8_t((i / 1000) % 3 ? 0 : i % 5));
  return {
      {"empty", {}},
      {"one", {'x'}},  // like the empty file, codes to 4 bytes before padding
      {"every_byte", every_byte},
      {"text", dcltest::Text(100000)},
      {"records", dcltest::Records(70001)},
      {"random", dcltest::Random(40000)},
      {"zeros", std::vector<uint8_t>(200000, 0)},
      {"runs", runs},
  };
}

}  // namespace

TEST(DclEncode, EveryModeRoundTrips) {
  for (const Sample& s : Samples())
    for (auto literals : {kLiteralsBinary, kLiteralsAscii})
      for (int dict : {1024, 2048, 4096}) {
        auto stream = Encode(s.data, literals, dict);
        ASSERT_GE(stream.size(), 2u);
        EXPECT_EQ(stream[0], literals);
        EXPECT_EQ(stream[1], DictionaryCode(dict));
        auto run = Decode(stream);
        EXPECT_EQ(run.result, DCL_OK) << s.name << " " << int(literals) << " " << dict;
        EXPECT_TRUE(run.output == s.data) << s.name << " " << int(literals) << " " << dict;
      }
}

TEST(DclEncode, StreamDoesNotDependOnHowInputArrives) {
  auto data = dcltest::Text(150000, 5);
  DclEncoderOptions o;
  o.literals = kLiteralsAscii;
  o.dictionary_size = 2048;
  auto whole = DclEncodeBuffer(data.data(), data.size(), o);
  VectorSink sink;
  DclEncoder enc(o, sink);
  for (size_t at = 0, piece = 1; at < data.size(); at += piece, piece = piece * 3 % 40007 + 1)
    ASSERT_TRUE(enc.Write(data.data() + at, std::min(piece, data.size() - at)));
  ASSERT_TRUE(enc.Finish());
  EXPECT_EQ(sink.bytes, whole);
  EXPECT_FALSE(enc.Write("x", 1));  // nothing after the end
}

TEST(DclEncode, CompressesWhatRepeats) {
  auto text = dcltest::Text(100000);
  EXPECT_LT(Encode(text, kLiteralsBinary, 4096).size(), text.size() / 4);
  std::vector<uint8_t> zeros(100000, 0);
  EXPECT_LT(Encode(zeros, kLiteralsBinary, 1024).size(), 560u);  // 22 bits per 518 bytes
  // Incompressible data costs 9 bits a byte in binary mode, no more.
  auto random = dcltest::Random(50000);
  EXPECT_LE(Encode(random, kLiteralsBinary, 4096).size(), random.size() * 9 / 8 + 8);
}

TEST(DclEncode, LargerDictionaryFindsFartherRepeats) {
  // A 1500-byte random block repeated: only windows of 2048 and 4096 see
  // the first copy from the second.
  auto block = dcltest::Random(1500, 9);
  std::vector<uint8_t> data = block;
  data.insert(data.end(), block.begin(), block.end());
  size_t small = Encode(data, kLiteralsBinary, 1024).size();
  size_t large = Encode(data, kLiteralsBinary, 2048).size();
  EXPECT_GT(small, 3000u);
  EXPECT_LT(large, 1800u);
}

// The fewest bits any parse of `data` can take with the format's codes,
// trying every distance for every length (slow; small inputs only).
size_t FewestBits(const std::vector<uint8_t>& data, LiteralCoding literals, int dict) {
  const int dict_bits = DictionaryCode(dict);
  std::vector<int> len_bits(kMaxMatch + 1, 0);
  for (int s = 0; s < kLengthSymbols; ++s)
    for (int e = 0; e < (1 << kLengthExtra[s]); ++e)
      if (kLengthBase[s] + e <= kMaxMatch) len_bits[kLengthBase[s] + e] = kLengthBits[s] + kLengthExtra[s];
  const size_t n = data.size();
  std::vector<size_t> best(n + 1, SIZE_MAX);
  best[0] = 0;
  for (size_t i = 0; i < n; ++i) {
    size_t lit = 1 + (literals == kLiteralsAscii ? kLiteralBits[data[i]] : 8);
    best[i + 1] = std::min(best[i + 1], best[i] + lit);
    for (size_t d = 1; d <= i && d <= size_t(dict); ++d) {
      size_t m = 0;
      while (i + m < n && m < size_t(kMaxMatch) && data[i + m] == data[i + m - d]) ++m;
      for (size_t len = 2; len <= m; ++len) {
        int low = len == 2 ? 2 : dict_bits;
        if (len == 2 && d > 256) continue;
        size_t bits = 1 + len_bits[len] + kDistanceBits[(d - 1) >> low] + low;
        best[i + len] = std::min(best[i + len], best[i] + bits);
      }
    }
  }
  return best[n];
}

TEST(DclEncode, ParseIsTheCheapestTheCodesAllow) {
  // Header, the cheapest parse, the end code, padded to whole bytes: no
  // encoder of this format can make these streams any shorter.
  std::mt19937 rng(12);
  for (int round = 0; round < 6; ++round) {
    std::vector<uint8_t> data(300 + rng() % 200);
    const int alphabet = 2 + round;
    for (auto& b : data) b = uint8_t('a' + rng() % alphabet);
    for (auto literals : {kLiteralsBinary, kLiteralsAscii})
      for (int dict : {1024, 4096}) {
        size_t bits = 16 + FewestBits(data, literals, dict) + 16;
        EXPECT_EQ(Encode(data, literals, dict).size(), (bits + 7) / 8) << round << " " << int(literals) << " " << dict;
      }
  }
}

TEST(DclEncode, InvalidOptionsAreRefused) {
  DclEncoderOptions o;
  o.dictionary_size = 3000;
  EXPECT_FALSE(DclEncoder::ValidOptions(o));
  VectorSink sink;
  DclEncoder enc(o, sink);
  EXPECT_FALSE(enc.Write("abc", 3));
  EXPECT_FALSE(enc.Finish());
  o.dictionary_size = 1024;
  o.literals = LiteralCoding(2);
  EXPECT_FALSE(DclEncoder::ValidOptions(o));
}
