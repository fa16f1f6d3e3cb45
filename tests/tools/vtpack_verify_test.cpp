// The packer's read-back: an archive that does not give back the files it
// was packed from, byte for byte, is reported and removed.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "core/archive/archive_format.h"
#include "core/dcl/dcl_encode.h"
#include "tools/vtpack/host_files.h"
#include "tools/vtpack/verify.h"

namespace {

void Write(const std::string& path, const std::string& bytes) {
  std::FILE* f = std::fopen(path.c_str(), "wb");
  ASSERT_NE(f, nullptr);
  std::fwrite(bytes.data(), 1, bytes.size(), f);
  std::fclose(f);
}

class VerifyArchiveTest : public ::testing::Test {
 protected:
  void SetUp() override {
    // A file name of each test's own: ctest runs the tests side by side.
    dir_ = ::testing::TempDir() + ::testing::UnitTest::GetInstance()->current_test_info()->name() + "-";
    archive_ = dir_ + "verify.z";
    content_ = std::string(20000, 'v') + "the end";
    ArchiveWriter writer(false);
    writer.Add("DATA.BIN", 0, DclEncodeBuffer(content_.data(), content_.size(), DclEncoderOptions{}));
    writer.Add("EMPTY.TXT", 0, DclEncodeBuffer("", 0, DclEncoderOptions{}));
    std::FILE* f = std::fopen(archive_.c_str(), "wb");
    ASSERT_NE(f, nullptr);
    FileSink sink(f);
    ASSERT_TRUE(writer.WriteTo(sink));
    std::fclose(f);
    Write(dir_ + "DATA.BIN", content_);
    Write(dir_ + "EMPTY.TXT", "");
  }
  std::vector<PackInput> Inputs() const { return {{dir_ + "DATA.BIN", "DATA.BIN"}, {dir_ + "EMPTY.TXT", "EMPTY.TXT"}}; }

  std::string dir_, archive_, content_;
};

TEST_F(VerifyArchiveTest, TheSameBytesPass) {
  EXPECT_EQ(VerifyArchive(archive_, Inputs()), 0);
  EXPECT_TRUE(PathExists(archive_));
}

TEST_F(VerifyArchiveTest, ADifferentByteAShorterOrLongerFileFail) {
  for (const std::string& other : {content_.substr(0, 9) + "X" + content_.substr(10), content_.substr(1),
                                   content_ + "!"}) {
    SetUp();
    Write(dir_ + "DATA.BIN", other);
    ::testing::internal::CaptureStderr();
    EXPECT_EQ(VerifyArchive(archive_, Inputs()), 1);
    const std::string said = ::testing::internal::GetCapturedStderr();
    EXPECT_NE(said.find("entry DATA.BIN differs from"), std::string::npos) << said;
    EXPECT_FALSE(PathExists(archive_)) << "a bad archive is removed";
  }
  SetUp();
  Write(dir_ + "DATA.BIN", content_.substr(0, 9) + "X" + content_.substr(10));
  ::testing::internal::CaptureStderr();
  VerifyArchive(archive_, Inputs());
  EXPECT_NE(::testing::internal::GetCapturedStderr().find("at byte 9;"), std::string::npos);
}

TEST_F(VerifyArchiveTest, AnotherNumberOfEntriesFails) {
  std::vector<PackInput> one = Inputs();
  one.pop_back();
  ::testing::internal::CaptureStderr();
  EXPECT_EQ(VerifyArchive(archive_, one), 1);
  EXPECT_NE(::testing::internal::GetCapturedStderr().find("another number of entries"), std::string::npos);
}

}  // namespace
