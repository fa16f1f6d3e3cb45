// The archive layout: both name forms, offsets and times written and read
// back, and every damaged field refused before it is used.
#include <gtest/gtest.h>

#include <memory>

#include "core/archive/archive_format.h"
#include "core/archive/entry_decode.h"
#include "dcl_test_support.h"

namespace {

std::vector<uint8_t> Build(bool paths, const std::vector<std::pair<std::string, std::vector<uint8_t>>>& files) {
  ArchiveWriter w(paths);
  uint64_t t = 0x01BF2A3B4C5D6E7Full;
  for (const auto& f : files) EXPECT_TRUE(w.Add(f.first, t++, dcltest::Encode(f.second, dcl::kLiteralsBinary, 4096)));
  VectorSink sink;
  EXPECT_TRUE(w.WriteTo(sink));
  return sink.bytes;
}

void Put32(std::vector<uint8_t>& v, size_t at, uint32_t x) {
  for (int i = 0; i < 4; ++i) v.at(at + i) = uint8_t(x >> (8 * i));
}

}  // namespace

TEST(ArchiveFormat, PlainNamesRoundTripInFixedFields) {
  auto a = dcltest::Text(5000), b = dcltest::Random(300);
  auto bytes = Build(false, {{"README.TXT", a}, {"B", b}});
  EXPECT_EQ(bytes[0], 2);
  EXPECT_EQ(bytes[2], 0);
  MemorySource src(bytes);
  ArchiveReader r(src);
  ASSERT_TRUE(r.ReadHeader());
  EXPECT_EQ(r.entry_count(), 2u);
  EXPECT_FALSE(r.has_paths());
  ArchiveEntry e1, e2;
  ASSERT_TRUE(r.NextEntry(e1));
  // The reader finds its place again even when the source moved meanwhile.
  src.Seek(e1.data_start);
  ASSERT_TRUE(r.NextEntry(e2));
  EXPECT_EQ(e1.name, "README.TXT");
  EXPECT_EQ(e2.name, "B");
  EXPECT_EQ(e1.file_time, 0x01BF2A3B4C5D6E7Full);
  EXPECT_EQ(e1.data_start, 4u + 2 * (13 + 16));
  EXPECT_EQ(e1.data_end, e2.data_start);
  EXPECT_EQ(e2.data_end, bytes.size());

  VectorSink out;
  auto work = std::make_unique<DclWorkArea>();
  EXPECT_EQ(DecodeEntry(src, e2.data_start, e2.data_end, out, work.get()), DCL_OK);
  EXPECT_EQ(out.bytes, b);
}

TEST(ArchiveFormat, NameFieldIsCutAtItsFirstNul) {
  auto bytes = Build(false, {{"SETUP.EXE", {1, 2, 3}}});
  // Junk after the NUL inside the 13-byte field does not belong to the name.
  bytes[4 + 10] = 'Z';
  bytes[4 + 12] = 'Q';
  MemorySource src(bytes);
  ArchiveReader r(src);
  ArchiveEntry e;
  ASSERT_TRUE(r.ReadHeader() && r.NextEntry(e));
  EXPECT_EQ(e.name, "SETUP.EXE");
}

TEST(ArchiveFormat, PathNamesCarryTheirLength) {
  auto bytes = Build(true, {{"sub\\dir\\A long name.txt", {'x'}}, {"top.bin", {}}});
  EXPECT_EQ(bytes[2], 1);
  EXPECT_EQ(bytes[4], 24);  // 23 characters and the NUL
  MemorySource src(bytes);
  ArchiveReader r(src);
  ArchiveEntry e;
  ASSERT_TRUE(r.ReadHeader() && r.has_paths() && r.NextEntry(e));
  EXPECT_EQ(e.name, "sub\\dir\\A long name.txt");
  ASSERT_TRUE(r.NextEntry(e));
  EXPECT_EQ(e.name, "top.bin");
  // Only the low 16 bits of the length count.
  bytes[6] = 0x7F;
  MemorySource again(bytes);
  ArchiveReader r2(again);
  ASSERT_TRUE(r2.ReadHeader() && r2.NextEntry(e));
  EXPECT_EQ(e.name, "sub\\dir\\A long name.txt");
}

TEST(ArchiveFormat, DamagedHeadersAreRefused) {
  auto good = Build(true, {{"a.txt", dcltest::Text(100)}});
  const size_t name_at = 8, times_at = 8 + 6, start_at = times_at + 8, end_at = start_at + 4;
  auto refused = [](std::vector<uint8_t> bytes) {
    MemorySource src(bytes);
    ArchiveReader r(src);
    ArchiveEntry e;
    if (!r.ReadHeader()) return true;
    bool ok = r.NextEntry(e);
    EXPECT_TRUE(ok || !r.error().empty());
    return !ok;
  };
  EXPECT_FALSE(refused(good));
  EXPECT_TRUE(refused({1, 0}));  // no whole header
  auto v = good;
  Put32(v, 4, 257);  // name field over 256 bytes
  EXPECT_TRUE(refused(v));
  v = good;
  Put32(v, end_at, uint32_t(good.size() + 1));  // data beyond the file
  EXPECT_TRUE(refused(v));
  v = good;
  Put32(v, end_at, uint32_t(end_at + 3));  // ends before it starts
  EXPECT_TRUE(refused(v));
  v.assign(good.begin(), good.begin() + name_at + 3);  // table cut short
  EXPECT_TRUE(refused(v));
  v = good;
  v[0] = 2;  // a second entry that is not there
  MemorySource src(v);
  ArchiveReader r(src);
  ArchiveEntry e;
  ASSERT_TRUE(r.ReadHeader() && r.NextEntry(e));
  EXPECT_FALSE(r.NextEntry(e));
}

TEST(ArchiveFormat, WriterKeepsPlainArchivesTo83Names) {
  ArchiveWriter w(false);
  EXPECT_TRUE(w.Add("SETUP.CFG", 0, {}));
  EXPECT_TRUE(w.Add("NOEXT", 0, {}));
  EXPECT_FALSE(w.Add("toolongname.txt", 0, {}));
  EXPECT_FALSE(w.Add("a.long", 0, {}));
  EXPECT_FALSE(w.Add("dir\\a.txt", 0, {}));
  EXPECT_FALSE(w.Add("a b.txt", 0, {}));
  EXPECT_NE(w.error().find("8.3"), std::string::npos);
  ArchiveWriter p(true);
  EXPECT_TRUE(p.Add("dir\\toolongname.text", 0, {}));
  EXPECT_FALSE(p.Add(std::string(256, 'a'), 0, {}));
}

TEST(ArchiveFormat, EntryReadsStopAtTheEntryEnd) {
  // Two entries back to back: decoding the first never consumes the second.
  auto bytes = Build(false, {{"A", dcltest::Text(3000, 1)}, {"B", dcltest::Text(3000, 2)}});
  MemorySource src(bytes);
  ArchiveReader r(src);
  ArchiveEntry a;
  ASSERT_TRUE(r.ReadHeader() && r.NextEntry(a));
  // Cut the first entry's range short: the decoder sees the end, not B's bytes.
  VectorSink out;
  auto work = std::make_unique<DclWorkArea>();
  EXPECT_EQ(DecodeEntry(src, a.data_start, a.data_end - 1, out, work.get()), DCL_ABORT);
  EXPECT_EQ(src.Tell(), a.data_end - 1);
}

TEST(ArchiveFormat, RefusedWritesAreNotSuccess) {
  struct FullDisk : ByteSink {
    bool Write(const void*, size_t) override { return false; }
  } full;
  auto bytes = Build(false, {{"A", dcltest::Text(100)}});
  MemorySource src(bytes);
  ArchiveReader r(src);
  ArchiveEntry a;
  ASSERT_TRUE(r.ReadHeader() && r.NextEntry(a));
  auto work = std::make_unique<DclWorkArea>();
  EXPECT_EQ(DecodeEntry(src, a.data_start, a.data_end, full, work.get()), DCL_ABORT);
}
