// What a registry file adds, as the installation record and the plan read it.
#include "core/config/reg_values.h"

#include <gtest/gtest.h>

TEST(RegFileValues, KeysAndValuesAsTheyLand) {
  const RegFileContents c = ReadRegFileValues(
      "REGEDIT4\r\n\r\n"
      "; a comment\r\n"
      "[HKEY_CURRENT_USER\\Software\\A]\r\n"
      "\"Dir\"=\"c:\\\\Corvane\"\r\n"
      "@=\"default\"\r\n"
      "\"say \\\"hi\\\"\"=dword:00000001\r\n"
      "\"Long\"=hex:01,02,\\\r\n"
      "  03\r\n"
      "[-HKEY_CURRENT_USER\\Software\\Gone]\r\n"
      "\"NotAdded\"=\"x\"\r\n"
      "[HKEY_LOCAL_MACHINE\\Software\\B]\r\n"
      "\"broken\r\n");
  ASSERT_EQ(c.keys.size(), 2u);
  EXPECT_EQ(c.keys[0], "HKEY_CURRENT_USER\\Software\\A");
  EXPECT_EQ(c.keys[1], "HKEY_LOCAL_MACHINE\\Software\\B");
  ASSERT_EQ(c.values.size(), 4u);
  EXPECT_EQ(c.values[0].name, "Dir");
  EXPECT_EQ(c.values[0].value, "\"c:\\Corvane\"");
  EXPECT_EQ(c.values[1].name, "@");
  EXPECT_EQ(c.values[2].name, "say \"hi\"");
  EXPECT_EQ(c.values[2].value, "dword:00000001");
  EXPECT_EQ(c.values[3].name, "Long");
  EXPECT_EQ(c.values[3].value, "hex:01,02,03");
  for (const RegFileValue& v : c.values) EXPECT_EQ(v.key, "HKEY_CURRENT_USER\\Software\\A");
}

TEST(RegFileValues, NothingBeforeTheFirstKeyAndNoHeaderRead) {
  const RegFileContents c = ReadRegFileValues("[HKEY_CURRENT_USER\\X]\r\n\"A\"=\"1\"\r\n");
  EXPECT_TRUE(c.keys.empty());  // the first line is the header, whatever it holds
  EXPECT_TRUE(c.values.empty());
  EXPECT_TRUE(ReadRegFileValues("").values.empty());
}
