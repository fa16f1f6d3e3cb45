#include <gtest/gtest.h>

#include "scripted_app.h"
#include "setup/status/registry.h"
#include "setup/status/status_store.h"

namespace {

constexpr const char* kStatusKey = "Software\\CorvaneNetwork\\Vantora\\Status";

DWORD Major() { return ReadRegDword(HKEY_CURRENT_USER, kStatusKey, "Major"); }

void SetValue(const char* name, DWORD value) {
  HKEY h;
  RegCreateKeyA(HKEY_CURRENT_USER, kStatusKey, &h);
  RegSetValueExA(h, name, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&value), sizeof value);
  RegCloseKey(h);
}

class Status : public ::testing::Test {
 protected:
  void SetUp() override { ClearSetupRegistry(); }
  void TearDown() override { ClearSetupRegistry(); }
  ScriptedApp app;
};

TEST_F(Status, NoRecordGivesStepOneAndAFreshFirstWrite) {
  app.m_nStoredStep = 7;
  app.m_bInstalled = app.m_bAccountDone = TRUE;
  app.LoadStatus();
  EXPECT_EQ(app.m_nStoredStep, 1);
  EXPECT_TRUE(app.m_bFreshStatus);
  EXPECT_FALSE(app.m_bInstalled);
  EXPECT_FALSE(app.m_bAccountDone);
  app.m_nStep = 2;
  app.WriteMajorStatus();
  EXPECT_EQ(Major(), 0x00022000u);
}

TEST_F(Status, ZeroMeansNoRecordToo) {
  SetValue("Major", 0);
  app.LoadStatus();
  EXPECT_TRUE(app.m_bFreshStatus);
  EXPECT_EQ(app.m_nStoredStep, 1);
}

TEST_F(Status, StoredRecordLoadsAndTheNextWriteMarksAResumedRun) {
  SetValue("Major", 0x000A4003);
  app.LoadStatus();
  EXPECT_EQ(app.m_nStoredStep, 10);
  EXPECT_TRUE(app.m_bAccountDone);
  EXPECT_TRUE(app.m_bInstalled);
  EXPECT_FALSE(app.m_bFreshStatus);
  DeleteStatusKey();
  app.m_nStep = 4;
  app.WriteMajorStatus();
  EXPECT_EQ(Major(), 0x00044003u);
}

TEST_F(Status, ReadersHandOutBothHalves) {
  WORD high = 1, low = 1;
  EXPECT_EQ(ReadMajorStatus(&high, &low), 0u);
  EXPECT_EQ(high, 0);
  EXPECT_EQ(low, 0);
  SetValue("Major", 0x00082002);
  SetValue("Minor", 0x00030000);
  EXPECT_EQ(ReadMajorStatus(&high, nullptr), 0x00082002u);
  EXPECT_EQ(high, 8);
  EXPECT_EQ(ReadMinorStatus(&high, &low), 0x00030000u);
  EXPECT_EQ(high, 3);
  EXPECT_EQ(low, 0);
  EXPECT_EQ(ReadMinorStatus(nullptr, nullptr), 0x00030000u);
}

TEST_F(Status, WriteKeepsAHalfGivenAs0xFFFF) {
  EXPECT_EQ(WriteStatusValue("Minor", 0xFFFF, 5), 1);
  EXPECT_EQ(ReadMinorStatus(nullptr, nullptr), 0x00000005u);
  EXPECT_EQ(WriteStatusValue("Minor", 3, 0xFFFF), 1);
  EXPECT_EQ(ReadMinorStatus(nullptr, nullptr), 0x00030005u);
  EXPECT_EQ(WriteStatusValue("Minor", 0xFFFF, 0xFFFF), 1);
  EXPECT_EQ(ReadMinorStatus(nullptr, nullptr), 0x00030005u);
  EXPECT_EQ(WriteStatusValue("Minor", 9, 0), 1);
  EXPECT_EQ(ReadMinorStatus(nullptr, nullptr), 0x00090000u);
}

TEST_F(Status, DeleteRemovesKeyAndValues) {
  SetValue("Major", 0x000A4003);
  SetValue("Minor", 0x00020000);
  DeleteStatusKey();
  HKEY h;
  EXPECT_NE(RegOpenKeyExA(HKEY_CURRENT_USER, kStatusKey, 0, KEY_READ, &h), ERROR_SUCCESS);
  DeleteStatusKey();  // a missing key is no error
  app.LoadStatus();
  EXPECT_TRUE(app.m_bFreshStatus);
}

TEST_F(Status, MinorProgressHookRecordsNothing) {
  EXPECT_EQ(WriteMinorProgress(2, 0), 1);
  EXPECT_EQ(ReadMinorStatus(nullptr, nullptr), 0u);
}

}  // namespace
