// The additional software list's rules: markers, names, descriptions, and
// what must be on the media for a line to be offered.
#include <gtest/gtest.h>

#include "core/config/instruction.h"
#include "core/config/software_list.h"

namespace {

TEST(SoftwareList, MarkersGiveTheStateAndGo) {
  MarkedSoftwareLine m = TakeSoftwareMarker("*Browser=4,0e:\\ie\\setup.exe", false);
  EXPECT_EQ(m.line, "Browser=4,0e:\\ie\\setup.exe");
  EXPECT_EQ(m.state, SW_SELECTED);
  EXPECT_EQ(TakeSoftwareMarker("*Browser=4,x", true).state, SW_NOT_SELECTED);  // continuing or updating
  m = TakeSoftwareMarker("@  Tools=6,Tools Setup", false);
  EXPECT_EQ(m.line, "Tools=6,Tools Setup");
  EXPECT_EQ(m.state, SW_ALWAYS);
  m = TakeSoftwareMarker("  Plain=6", false);
  EXPECT_EQ(m.line, "Plain=6");
  EXPECT_EQ(m.state, SW_NOT_SELECTED);
  EXPECT_EQ(TakeSoftwareMarker("*", false).line, "");
  EXPECT_EQ(TakeSoftwareMarker("", false).line, "");
}

TEST(SoftwareList, NamesAndDescriptions) {
  const std::string line = "Browser=4,0e:\\ie\\setup.exe /q,The web browser~ mail and news";
  EXPECT_EQ(SoftwareName(line), "Browser");
  EXPECT_EQ(SoftwareDescription(line), "The web browser, mail and news");
  EXPECT_EQ(SoftwareDescription("NoComma=6"), "");
  EXPECT_EQ(SoftwareName("no equals"), "no equals");
}

TEST(SoftwareList, WhatMustBeOnTheMedia) {
  EXPECT_EQ(SoftwareNeeds(VTCFG_EXECUTE, "Browser", "0e:\\ie\\setup.exe /q,desc", "E:"), "e:\\ie\\setup.exe");
  EXPECT_EQ(SoftwareNeeds(VTCFG_EXECUTE, "Browser", "", "E:"), "");
  EXPECT_EQ(SoftwareNeeds(VTCFG_SECTION, "Tools", "Tools Setup,desc", "E:"), "E:\\Tools Setup");
  EXPECT_EQ(SoftwareNeeds(VTCFG_SECTION, "Tools", "", "E:\\"), "E:\\Tools");
  EXPECT_EQ(SoftwareNeeds(VTCFG_COPY, "a.txt", ",,", "E:"), "");
}

}  // namespace
