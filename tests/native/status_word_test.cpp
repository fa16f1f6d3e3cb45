#include <gtest/gtest.h>

#include "core/status/status_word.h"

namespace {

TEST(StatusWord, NoRecordMeansFreshStartAtStepOne) {
  for (auto [present, value] : {std::pair{false, 0x000A4003u}, std::pair{true, 0u}}) {
    const status::Loaded s = status::Decode(present, value);
    EXPECT_EQ(s.storedStep, 1);
    EXPECT_TRUE(s.freshStatus);
    EXPECT_FALSE(s.installed);
    EXPECT_FALSE(s.accountDone);
  }
}

TEST(StatusWord, StoredRecordLoadsStepAndFlags) {
  const status::Loaded s = status::Decode(true, 0x000A4003u);
  EXPECT_EQ(s.storedStep, 10);
  EXPECT_TRUE(s.accountDone);
  EXPECT_TRUE(s.installed);
  EXPECT_FALSE(s.freshStatus);
  // Bits 13 to 15 play no part in reading.
  EXPECT_EQ(status::Decode(true, 0x00082000u).storedStep, 8);
  EXPECT_FALSE(status::Decode(true, 0x00082000u).installed);
}

TEST(StatusWord, FlagsOfAWrite) {
  EXPECT_EQ(status::MajorFlags(false, false, true), 0x2000);
  EXPECT_EQ(status::MajorFlags(true, true, true), 0x2003);
  EXPECT_EQ(status::MajorFlags(true, true, false), 0x4003);
  EXPECT_EQ(status::MajorFlags(false, true, false), 0x4002);
  EXPECT_EQ(status::Make(10, status::MajorFlags(true, true, true)), 0x000A2003u);
}

TEST(StatusWord, KeepRuleTakesEitherHalfFromTheCurrentValue) {
  EXPECT_EQ(status::Merge(0x00031234u, 0xFFFF, 7), 0x00030007u);
  EXPECT_EQ(status::Merge(0x00031234u, 5, 0xFFFF), 0x00051234u);
  EXPECT_EQ(status::Merge(0x00031234u, 0xFFFF, 0xFFFF), 0x00031234u);
  EXPECT_EQ(status::Merge(0u, 0xFFFF, 2), 0x00000002u);
  EXPECT_EQ(status::Merge(0x00031234u, 9, 1), 0x00090001u);
}

}  // namespace
