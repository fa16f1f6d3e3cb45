// The installation record: each kind of entry written and read back, a
// record cut off at every byte of its last line, and damage before it.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "core/record/install_record.h"

namespace {

std::vector<RecordEntry> Sample() {
  std::vector<RecordEntry> e(9);
  e[0].kind = RecordKind::kFile, e[0].path = "c:\\Corvane\\bin\\vantora.exe", e[0].size = 34304, e[0].crc = 0x1234ABCD;
  e[1].kind = RecordKind::kFolder, e[1].path = "c:\\Corvane\\My Downloads";
  e[2].kind = RecordKind::kShortcut, e[2].path = "C:\\WINDOWS\\Start Menu\\Programs\\Vantora\\Vantora.lnk";
  e[3].kind = RecordKind::kRegKey, e[3].existed = true, e[3].path = "HKEY_CURRENT_USER\\Software";
  e[4].kind = RecordKind::kRegValue, e[4].path = "HKEY_CURRENT_USER\\Software\\X", e[4].name = "@";
  e[5].kind = RecordKind::kProduct, e[5].path = "HKEY_CURRENT_USER\\Software\\CorvaneNetwork\\Vantora";
  e[6].kind = RecordKind::kRunOnce, e[6].path = "VTSetup";
  e[7].kind = RecordKind::kSelfCopy, e[7].path = "c:\\Corvane\\access\\setup.exe";
  e[8].kind = RecordKind::kInstaller, e[8].path = "E:\\Brightwall\\tools\\setup.exe /window \"Dialer Tools\"";
  return e;
}

std::string Record(const std::vector<RecordEntry>& entries) {
  std::string text = std::string(kRecordHeader) + "\r\n";
  for (const RecordEntry& e : entries) text += FormatRecordLine(e);
  return text;
}

void ExpectSame(const RecordEntry& a, const RecordEntry& b) {
  EXPECT_EQ(a.kind, b.kind);
  EXPECT_EQ(a.path, b.path);
  EXPECT_EQ(a.name, b.name);
  EXPECT_EQ(a.existed, b.existed);
  EXPECT_EQ(a.size, b.size);
  EXPECT_EQ(a.crc, b.crc);
}

TEST(InstallRecord, EveryKindReadsBackAsWritten) {
  EXPECT_EQ(Crc32("123456789", 9), 0xCBF43926u);  // the check value of this CRC
  EXPECT_EQ(Crc32("6789", 4, Crc32("12345", 5)), 0xCBF43926u);
  const std::vector<RecordEntry> sample = Sample();
  EXPECT_EQ(FormatRecordLine(sample[1]).substr(0, 26), "D\tc:\\Corvane\\My Downloads\t");
  const RecordRead r = ReadRecord(Record(sample));
  EXPECT_EQ(r.state, RecordState::kWhole);
  ASSERT_EQ(r.entries.size(), sample.size());
  for (size_t i = 0; i < sample.size(); ++i) ExpectSame(r.entries[i], sample[i]);
  // A field that would break the line cannot be recorded.
  RecordEntry tab = sample[0];
  tab.path = "c:\\a\tb";
  EXPECT_EQ(FormatRecordLine(tab), "");
}

TEST(InstallRecord, ARecordCutAnywhereInItsLastLineKeepsTheLinesBefore) {
  const std::string whole = Record(Sample());
  const size_t lastStart = whole.rfind("\r\n", whole.size() - 3) + 2;
  for (size_t cut = lastStart + 1; cut < whole.size(); ++cut) {
    const RecordRead r = ReadRecord(whole.substr(0, cut));
    ASSERT_EQ(r.state, RecordState::kTornEnd) << "cut at " << cut;
    EXPECT_EQ(r.entries.size(), 8u);
    EXPECT_EQ(r.badLine, 10);
  }
  EXPECT_EQ(ReadRecord(whole.substr(0, lastStart)).state, RecordState::kWhole);
}

TEST(InstallRecord, DamageBeforeTheLastLineStopsTheReading) {
  std::string text = Record(Sample());
  const size_t third = text.find("\r\nL\t") + 2;  // the shortcut, line 4
  text[third + 5] ^= 0x20;
  RecordRead r = ReadRecord(text);
  EXPECT_EQ(r.state, RecordState::kDamaged);
  EXPECT_EQ(r.badLine, 4);
  EXPECT_EQ(r.entries.size(), 2u);
  // A line of a kind the reader does not know, or with a field too few,
  // is damage although its check matches.
  for (const std::string& body : {std::string("Q\tc:\\x"), std::string("F\tc:\\x\t12")}) {
    char check[9];
    std::snprintf(check, sizeof check, "%08X", static_cast<unsigned>(Crc32(body.data(), body.size())));
    r = ReadRecord(std::string(kRecordHeader) + "\r\n" + body + "\t" + check + "\r\n" + FormatRecordLine(Sample()[1]));
    EXPECT_EQ(r.state, RecordState::kDamaged) << body;
    EXPECT_EQ(r.badLine, 2);
  }
  EXPECT_EQ(ReadRecord("").state, RecordState::kNoRecord);
  EXPECT_EQ(ReadRecord("F\tc:\\x\t1\t00000000\r\n").state, RecordState::kNoRecord);
  EXPECT_EQ(ReadRecord(std::string(kRecordHeader) + "\r\n").state, RecordState::kWhole);
}

}  // namespace
