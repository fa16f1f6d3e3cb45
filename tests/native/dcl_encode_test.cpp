// The implode encoder: every mode round-trips through our decoder, the
// stream does not depend on how the input was handed over, and the parse
// actually finds the repeats.
#include <gtest/gtest.h>

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
