// The implode decoder: header checks, block sizes, truncation, corrupt
// repeats, delivery sizes, and a stream made by hand from the format's codes.
// Built twice: with the bit buffer of the machine and with a 32-bit one.
#include <gtest/gtest.h>

#include "core/dcl/dcl_codes.h"
#include "dcl_test_support.h"

using dcltest::Decode;
using dcltest::Encode;
using namespace dcl;

namespace {

// Builds streams bit by bit from the format's codes.
class StreamBuilder {
 public:
  StreamBuilder(uint8_t literals, uint8_t dict) : bytes_{literals, dict} {
    StreamCodes(kLengthBits, kLengthSymbols, length_code_);
    StreamCodes(kDistanceBits, kDistanceSymbols, distance_code_);
  }
  StreamBuilder& Bits(uint32_t v, int n) {
    for (int i = 0; i < n; ++i) {
      if (count_ % 8 == 0) bytes_.push_back(0);
      bytes_.back() |= uint8_t(((v >> i) & 1) << (count_ % 8));
      ++count_;
    }
    return *this;
  }
  StreamBuilder& Literal(uint8_t c) { return Bits(0, 1).Bits(c, 8); }
  StreamBuilder& Length(int length) {
    for (int s = kLengthSymbols - 1; s >= 0; --s)
      if (length >= kLengthBase[s] && length < kLengthBase[s] + (1 << kLengthExtra[s]) &&
          !(s == 0 && length != 3)) {
        Bits(1, 1).Bits(length_code_[s], kLengthBits[s]);
        return Bits(uint32_t(length - kLengthBase[s]), kLengthExtra[s]);
      }
    ADD_FAILURE() << "no length code for " << length;
    return *this;
  }
  StreamBuilder& Repeat(int length, int distance) {
    Length(length);
    int low = length == 2 ? 2 : bytes_[1];
    int d = distance - 1;
    return Bits(distance_code_[d >> low], kDistanceBits[d >> low]).Bits(uint32_t(d) & ((1u << low) - 1), low);
  }
  StreamBuilder& End() { return Length(kEndOfStream); }
  std::vector<uint8_t> bytes() const { return bytes_; }
  int bit_count() const { return count_; }

 private:
  std::vector<uint8_t> bytes_;
  int count_ = 0;
  uint16_t length_code_[kLengthSymbols];
  uint16_t distance_code_[kDistanceSymbols];
};

std::string AsText(const std::vector<uint8_t>& v) { return std::string(v.begin(), v.end()); }

}  // namespace

TEST(DclDecode, PublishedSampleStream) {
  // The sample of the published format description: ASCII-coded literals
  // off, 1024-byte dictionary, "AIAIAIAIAIAIA".
  auto run = Decode({0x00, 0x04, 0x82, 0x24, 0x25, 0x8f, 0x80, 0x7f});
  EXPECT_EQ(run.result, DCL_OK);
  EXPECT_EQ(AsText(run.output), "AIAIAIAIAIAIA");
}

TEST(DclDecode, HandBuiltStreamWithEveryDictionarySize) {
  for (uint8_t dict : {4, 5, 6}) {
    auto stream = StreamBuilder(0, dict)
                      .Literal('a').Literal('b').Literal('c')
                      .Repeat(2, 3)          // "ab", two low bits
                      .Repeat(9, 5)          // overlapping its own output
                      .Repeat(518, 1)        // the longest repeat
                      .End()
                      .bytes();
    auto run = Decode(stream);
    ASSERT_EQ(run.result, DCL_OK) << int(dict);
    std::string want = "abcab" "abcababca" + std::string(518, 'a');
    EXPECT_EQ(AsText(run.output), want);
  }
}

TEST(DclDecode, ShortInputIsBadDataWithoutOutput) {
  for (size_t n = 0; n <= 4; ++n) {
    std::vector<uint8_t> stream = {0x00, 0x04, 0x82, 0x24};
    stream.resize(n);
    auto run = Decode(stream);
    EXPECT_EQ(run.result, DCL_BAD_DATA) << n;
    EXPECT_TRUE(run.writes.empty()) << n;
  }
}

TEST(DclDecode, HeaderChecksAndTheirOrder) {
  auto bad = [](uint8_t a, uint8_t b) { return Decode({a, b, 0, 0, 0, 0}); };
  EXPECT_EQ(bad(0, 7).result, DCL_BAD_DICTSIZE);
  EXPECT_EQ(bad(0, 3).result, DCL_BAD_DICTSIZE);
  EXPECT_EQ(bad(2, 4).result, DCL_BAD_MODE);
  EXPECT_EQ(bad(2, 7).result, DCL_BAD_DICTSIZE);  // the dictionary is checked first
  EXPECT_TRUE(bad(2, 4).writes.empty());
}

TEST(DclDecode, OutputLeavesInWholeBlocksThenTheRest) {
  auto exact = Decode(Encode(dcltest::Text(8192), kLiteralsBinary, 4096));
  ASSERT_EQ(exact.result, DCL_OK);
  EXPECT_EQ(exact.writes, (std::vector<unsigned>{4096, 4096, 0}));

  auto text = dcltest::Text(10000);
  auto odd = Decode(Encode(text, kLiteralsAscii, 1024));
  ASSERT_EQ(odd.result, DCL_OK);
  EXPECT_EQ(odd.writes, (std::vector<unsigned>{4096, 4096, 1808}));
  EXPECT_EQ(odd.output, text);
  for (unsigned ask : odd.asks) EXPECT_EQ(ask, kDclInputChunk);
}

TEST(DclDecode, DeliverySizeDoesNotChangeTheOutput) {
  auto data = dcltest::Records(30000);
  for (auto literals : {kLiteralsBinary, kLiteralsAscii}) {
    auto stream = Encode(data, literals, 2048);
    auto whole = Decode(stream);
    ASSERT_EQ(whole.result, DCL_OK);
    for (size_t piece : {1, 3, 7, 8, 9, 100, 2047}) {
      auto run = Decode(stream, piece);
      EXPECT_EQ(run.result, DCL_OK) << piece;
      EXPECT_EQ(run.output, data) << piece;
      EXPECT_EQ(run.writes, whole.writes) << piece;
    }
  }
}

TEST(DclDecode, TruncatedStreamAbortsAfterWritingWhatItDecoded) {
  auto data = dcltest::Text(20000, 7);
  auto stream = Encode(data, kLiteralsBinary, 4096);
  for (size_t cut : {size_t(5), size_t(100), stream.size() / 2, stream.size() - 1}) {
    std::vector<uint8_t> part(stream.begin(), stream.begin() + cut);
    auto run = Decode(part, 1 + cut % 13);
    EXPECT_EQ(run.result, DCL_ABORT) << cut;
    ASSERT_LE(run.output.size(), data.size());
    EXPECT_TRUE(std::equal(run.output.begin(), run.output.end(), data.begin())) << cut;
    if (cut > 100) {
      EXPECT_GT(run.output.size(), 0u);
    }
  }
}

TEST(DclDecode, RepeatBeforeTheStartOfOutputIsRefused) {
  // One literal, then a repeat from 2 bytes back: there is only one byte.
  auto early = Decode(StreamBuilder(0, 6).Literal('x').Repeat(3, 2).End().bytes());
  EXPECT_EQ(early.result, DCL_BAD_DATA);
  EXPECT_EQ(AsText(early.output), "x");

  // Reaching exactly the first byte is fine; one further is not.
  auto edge = Decode(StreamBuilder(0, 6).Literal('x').Literal('y').Repeat(4, 2).End().bytes());
  EXPECT_EQ(edge.result, DCL_OK);
  EXPECT_EQ(AsText(edge.output), "xyxyxy");

  // After a block has left, the history still covers 4096 bytes but not more.
  StreamBuilder far(0, 6);
  for (int i = 0; i < 5000; ++i) far.Literal(uint8_t('a' + i % 26));
  EXPECT_EQ(Decode(far.Repeat(3, 4096).End().bytes()).result, DCL_OK);
}

TEST(DclDecode, WorkAreaServesConsecutiveDecodings) {
  auto a = dcltest::Text(9000, 11), b = dcltest::Random(5000);
  auto sa = Encode(a, kLiteralsAscii, 4096), sb = Encode(b, kLiteralsBinary, 1024);
  dcltest::Run ra, rb;
  dcltest::Feed fa{&sa, 0, 2048, &ra}, fb{&sb, 0, 2048, &rb};
  auto work = std::make_unique<DclWorkArea>();
  EXPECT_EQ(DclDecode(dcltest::ReadPiece, dcltest::WriteAll, work.get(), &fa), DCL_OK);
  EXPECT_EQ(DclDecode(dcltest::ReadPiece, dcltest::WriteAll, work.get(), &fb), DCL_OK);
  EXPECT_EQ(ra.output, a);
  EXPECT_EQ(rb.output, b);
}

TEST(DclDecode, CallbackClaimingMoreThanAskedIsHeldToTheAsk) {
  // A read callback that lies about its count must not make the decoder
  // read past its input buffer.
  struct Liar {
    static unsigned Read(char* buf, unsigned* size, void* param) {
      int& calls = *static_cast<int*>(param);
      if (calls++) return 0;
      std::memset(buf, 0, *size);
      buf[1] = 6;
      return 1u << 30;
    }
    static void Write(char*, unsigned*, void*) {}
  };
  int calls = 0;
  auto work = std::make_unique<DclWorkArea>();
  EXPECT_EQ(DclDecode(Liar::Read, Liar::Write, work.get(), &calls), DCL_ABORT);
}

TEST(DclDecode, StreamsEndingAtEveryBitAndCutAtEveryByte) {
  // n literals of 9 bits move the end code through every bit position of
  // its last byte; repeats of every kind of length code come between. Cut
  // anywhere, a stream gives exactly the items that arrived whole.
  for (int n = 0; n < 16; ++n) {
    StreamBuilder b(0, 5);
    std::string want;
    std::vector<std::pair<int, size_t>> whole;  // bits used so far, output so far
    auto item = [&](const std::string& adds) {
      want += adds;
      whole.emplace_back(b.bit_count(), want.size());
    };
    for (int i = 0; i < n; ++i) {
      b.Literal(uint8_t('a' + i));
      item(std::string(1, char('a' + i)));
    }
    b.Literal('x');
    item("x");
    b.Literal('y');
    item("y");
    b.Repeat(2, 2);  // two low distance bits
    item("xy");
    b.Repeat(15, 3);  // a length with extra bits, decoded in one look-up
    item("yxyyxyyxyyxyyxy");
    b.Repeat(300, 1);  // the longest length code with 8 extra bits
    item(std::string(300, 'y'));
    b.End();
    const std::vector<uint8_t> stream = b.bytes();

    for (size_t piece : {size_t(1), size_t(3), size_t(kDclInputChunk)}) {
      auto run = Decode(stream, piece);
      ASSERT_EQ(run.result, DCL_OK) << n << " " << piece;
      EXPECT_EQ(AsText(run.output), want) << n << " " << piece;
    }
    for (size_t cut = 5; cut < stream.size(); ++cut) {
      auto run = Decode(std::vector<uint8_t>(stream.begin(), stream.begin() + cut), 1 + cut % 4);
      EXPECT_EQ(run.result, DCL_ABORT) << n << " cut " << cut;
      size_t arrived = 0;
      for (auto& w : whole)
        if (size_t(w.first) <= 8 * (cut - 2)) arrived = w.second;
      EXPECT_EQ(AsText(run.output), want.substr(0, arrived)) << n << " cut " << cut;
    }
  }
}

TEST(DclDecode, AsciiLiteralStreamsCutNearTheirEnd) {
  // Long literal codes (up to 13 bits) and repeats, cut in the last bytes,
  // where the bit buffer can no longer be topped up whole.
  auto data = dcltest::Records(3000, 9);
  auto text = dcltest::Text(3000, 5);
  data.insert(data.end(), text.begin(), text.end());
  auto stream = Encode(data, kLiteralsAscii, 1024);
  size_t before = 0;
  for (size_t cut = stream.size() - 24; cut < stream.size(); ++cut) {
    auto run = Decode(std::vector<uint8_t>(stream.begin(), stream.begin() + cut), 1 + cut % 5);
    EXPECT_EQ(run.result, DCL_ABORT) << cut;
    ASSERT_LE(run.output.size(), data.size());
    EXPECT_TRUE(std::equal(run.output.begin(), run.output.end(), data.begin())) << cut;
    EXPECT_GE(run.output.size(), before) << cut;
    before = run.output.size();
  }
  EXPECT_EQ(Decode(stream, 1).output, data);
}
