#include <gtest/gtest.h>

#include <string>

#include "setup/res/resource.h"
#include "scripted_app.h"
#include "setup/status/registry.h"

namespace {

constexpr const char* kKey = "Software\\CorvaneNetwork\\Vantora";

class Registry : public ::testing::Test {
 protected:
  void SetUp() override { ClearSetupRegistry(); }
  void TearDown() override { ClearSetupRegistry(); }
};

TEST_F(Registry, StringsReadBackAndFailSilently) {
  std::string out = "stale";
  EXPECT_FALSE(ReadRegString(HKEY_CURRENT_USER, kKey, "MainDir", out));
  EXPECT_EQ(out, "");
  EXPECT_TRUE(WriteRegString(HKEY_CURRENT_USER, kKey, "MainDir", "d:\\Corvane"));
  EXPECT_TRUE(ReadRegString(HKEY_CURRENT_USER, kKey, "MainDir", out));
  EXPECT_EQ(out, "d:\\Corvane");
  out = "stale";
  EXPECT_FALSE(ReadRegString(HKEY_CURRENT_USER, kKey, "Missing", out));
  EXPECT_EQ(out, "");
}

TEST_F(Registry, WrittenSizeCountsTheTerminatingZero) {
  ASSERT_TRUE(WriteRegString(HKEY_CURRENT_USER, kKey, "HomePage", "abc"));
  HKEY h;
  ASSERT_EQ(RegOpenKeyExA(HKEY_CURRENT_USER, kKey, 0, KEY_READ, &h), ERROR_SUCCESS);
  DWORD size = 0, type = 0;
  EXPECT_EQ(RegQueryValueExA(h, "HomePage", nullptr, &type, nullptr, &size), ERROR_SUCCESS);
  RegCloseKey(h);
  EXPECT_EQ(type, static_cast<DWORD>(REG_SZ));
  EXPECT_EQ(size, 4u);
}

TEST_F(Registry, StringReadsAreBoundedTo256Bytes) {
  const std::string fits(255, 'a'), tooLong(300, 'b');
  std::string out;
  ASSERT_TRUE(WriteRegString(HKEY_CURRENT_USER, kKey, "Fits", fits.c_str()));
  EXPECT_TRUE(ReadRegString(HKEY_CURRENT_USER, kKey, "Fits", out));
  EXPECT_EQ(out, fits);
  ASSERT_TRUE(WriteRegString(HKEY_CURRENT_USER, kKey, "Long", tooLong.c_str()));
  EXPECT_FALSE(ReadRegString(HKEY_CURRENT_USER, kKey, "Long", out));
  EXPECT_EQ(out, "");
}

TEST_F(Registry, ProductFormsTakeTheKeyFromTheStringTable) {
  EXPECT_EQ(LoadResString(IDS_PRODUCT_KEY), "Software\\CorvaneNetwork\\Vantora");
  EXPECT_EQ(LoadResString(IDS_STATUS_KEY), "Software\\CorvaneNetwork\\Vantora\\Status");
  EXPECT_EQ(LoadResString(IDS_SOFTWARE_KEY), "Software\\CorvaneNetwork\\Vantora\\Software");
  EXPECT_TRUE(WriteProductString(HKEY_CURRENT_USER, IDS_PRODUCT_KEY, "UserName", "joe"));
  std::string out;
  EXPECT_TRUE(ReadRegString(HKEY_CURRENT_USER, kKey, "UserName", out));
  EXPECT_EQ(out, "joe");
  EXPECT_TRUE(ReadProductString(HKEY_CURRENT_USER, IDS_PRODUCT_KEY, "UserName", out));
  EXPECT_EQ(out, "joe");
  EXPECT_FALSE(ReadProductString(HKEY_CURRENT_USER, 9999, "UserName", out));
  EXPECT_FALSE(WriteProductString(HKEY_CURRENT_USER, 9999, "UserName", "x"));
}

TEST_F(Registry, DwordsReadMinusOneWhenMissing) {
  EXPECT_EQ(ReadRegDword(HKEY_CURRENT_USER, kKey, "AccessDllStatus"), kRegDwordMissing);
  EXPECT_EQ(ReadProductDword(HKEY_CURRENT_USER, IDS_PRODUCT_KEY, "AccessDllStatus"),
            kRegDwordMissing);
  // A string where a number is expected reads as missing too.
  WriteRegString(HKEY_CURRENT_USER, kKey, "AccessDllStatus", "1");
  EXPECT_EQ(ReadRegDword(HKEY_CURRENT_USER, kKey, "AccessDllStatus"), kRegDwordMissing);
}

TEST_F(Registry, WriteProductDwordResults) {
  EXPECT_EQ(WriteProductDword(HKEY_CURRENT_USER, IDS_PRODUCT_KEY, "AccessDllStatus", 0xFFFFFFFF),
            kWriteDwordSkipped);
  EXPECT_EQ(ReadProductDword(HKEY_CURRENT_USER, IDS_PRODUCT_KEY, "AccessDllStatus"),
            kRegDwordMissing);
  EXPECT_EQ(WriteProductDword(HKEY_CURRENT_USER, 9999, "AccessDllStatus", 1),
            kWriteDwordNoKeyText);
  EXPECT_EQ(WriteProductDword(HKEY_CURRENT_USER, IDS_SOFTWARE_KEY, "Browser", 3), ERROR_SUCCESS);
  EXPECT_EQ(ReadProductDword(HKEY_CURRENT_USER, IDS_SOFTWARE_KEY, "Browser"), 3u);
}

TEST_F(Registry, DeveloperSwitchIsOnOnlyForOne) {
  EXPECT_FALSE(DeveloperSwitch("VTLog"));
  HKEY h;
  ASSERT_EQ(RegCreateKeyA(HKEY_CURRENT_USER, "Software\\QRM_internal", &h), ERROR_SUCCESS);
  for (DWORD v : {0u, 2u, 1u}) {
    RegSetValueExA(h, "VTLog", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&v), sizeof v);
    EXPECT_EQ(DeveloperSwitch("VTLog"), v == 1) << v;
  }
  RegCloseKey(h);
}

}  // namespace
