// The media builder's parts: its manifest, the floppies' setup.cfg values,
// the programs' debugging information cut off, what a folder takes on a
// floppy, and the output folder (where a build may write, what it replaces).
#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "tools/vtmedia/cfg_values.h"
#include "tools/vtmedia/disc_images.h"
#include "tools/vtmedia/manifest.h"
#include "tools/vtmedia/out_folder.h"
#include "tools/vtmedia/tree_files.h"
#include "tools/vtpack/host_files.h"
#include "tools/vtmedia/pe_strip.h"

namespace {

std::vector<std::string> ManifestErrors(const std::string& text) {
  MediaManifest m;
  std::vector<std::string> errors;
  const bool clean = ReadManifest(text, &m, &errors);
  EXPECT_EQ(clean, errors.empty());
  return errors;
}

TEST(VtmediaManifest, TheDemoManifest) {
  std::ifstream in(VT_ROOT "/examples/vtmedia.ini", std::ios::binary);
  std::stringstream text;
  text << in.rdbuf();
  MediaManifest m;
  std::vector<std::string> errors;
  ASSERT_TRUE(ReadManifest(text.str(), &m, &errors)) << ::testing::PrintToString(errors);
  EXPECT_EQ(m.setup, "Brightwall");
  EXPECT_EQ(m.volume, "VANTORA");
  ASSERT_EQ(m.archives.size(), 2u);
  EXPECT_EQ(m.archives[0].name, "client.z");
  EXPECT_TRUE(m.archives[0].paths);
  EXPECT_EQ(m.archives[0].encoder.literals, dcl::kLiteralsAscii);
  EXPECT_EQ(m.disks, 2);
  EXPECT_EQ(m.disk1, (std::vector<std::string>{"setup.exe", "QRMGUI.dll", "VTScreen.z"}));
  ASSERT_EQ(m.overrides.size(), 2u);
  EXPECT_EQ(m.overrides[0].section + "|" + m.overrides[0].key + "|" + m.overrides[0].value, "Misc|SoftwareDisk|2");
}

// The guide's excerpt, copied as it stands (comments after the values
// included), is a manifest; a key the builder does not know is an error.
TEST(VtmediaManifest, TheGuidesExcerptAndUnknownKeys) {
  std::ifstream in(VT_ROOT "/docs/provider-guide.md", std::ios::binary);
  std::string line, excerpt;
  bool inside = false;
  while (std::getline(in, line)) {
    if (!inside && line == "    [Media]") inside = true;
    if (!inside) continue;
    if (!line.empty() && line.compare(0, 4, "    ") != 0) break;
    excerpt += (line.empty() ? line : line.substr(4)) + "\n";
  }
  ASSERT_FALSE(excerpt.empty());
  MediaManifest m;
  std::vector<std::string> errors;
  ASSERT_TRUE(ReadManifest(excerpt, &m, &errors)) << ::testing::PrintToString(errors);
  EXPECT_EQ(m.cdRoot, "cd");
  EXPECT_EQ(m.label, "Vantora CD");
  EXPECT_EQ(m.disk1, (std::vector<std::string>{"setup.exe", "QRMGUI.dll", "VTScreen.z"}));
  EXPECT_EQ(m.overrides.at(0).value, "2");

  EXPECT_EQ(ManifestErrors("[Media]\nCD=cd\nLabel=A;B\n[Archive a.z]\nFiles=x\nDictionery=2048\n[Floppies]\n"
                           "Disks=1\nLabel=D %d\nVolume=V %d\nStrip\n"),
            (std::vector<std::string>{
                "vtmedia.ini:6: error: Dictionery= is not a key of [Archive a.z]: Files, Paths, Literals, Dictionary",
                "vtmedia.ini:11: error: \"Strip\": KEY=VALUE is wanted"}));
}

TEST(VtmediaManifest, EachFaultWithItsLine) {
  EXPECT_EQ(ManifestErrors("[Media]\nVolume=my disc\nDate=yesterday\nCD=..\\elsewhere\n"),
            (std::vector<std::string>{
                "vtmedia.ini:2: error: Volume=my disc: at most 32 upper-case letters, digits, '_' and blanks",
                "vtmedia.ini:3: error: Date=yesterday: a number from 315532800 to 4102444799 is wanted",
                "vtmedia.ini:4: error: CD=..\\elsewhere: a path below the source folder is wanted"}));
  EXPECT_EQ(ManifestErrors("[Media]\n[Archive a.z]\nFiles=a\nLiterals=octal\nDictionary=3000\n[Archive b.z]\n"),
            (std::vector<std::string>{
                "vtmedia.ini:4: error: Literals=octal: binary or ascii",
                "vtmedia.ini:5: error: Dictionary=3000: 1024, 2048 or 4096",
                "vtmedia.ini:6: error: [Archive b.z] needs Files=, the file or folder it packs"}));
  EXPECT_EQ(ManifestErrors("[Media]\n[Floppies]\nDisks=12\nLabel=Disk\n[Floppy setup.cfg]\nSoftwareDisk=2\n[Extra]\n"),
            (std::vector<std::string>{
                "vtmedia.ini:2: error: [Floppies] needs Disks=, the number of floppies (1 to 9)",
                "vtmedia.ini:3: error: Disks=12: a number from 1 to 9 is wanted",
                "vtmedia.ini:4: error: Label=Disk: the text needs one %d, for the disk number",
                "vtmedia.ini:6: error: \"SoftwareDisk=2\": SECTION.KEY=VALUE is wanted",
                "vtmedia.ini:7: error: unknown section [Extra]: Media, Archive NAME, Floppies, Floppy setup.cfg"}));
  EXPECT_EQ(ManifestErrors("[Media]\n[Floppy setup.cfg]\nMisc.A=1\n"),
            (std::vector<std::string>{
                "vtmedia.ini: error: [Floppy setup.cfg] without [Floppies]: there is no floppy set to change"}));
  EXPECT_EQ(ManifestErrors(""), (std::vector<std::string>{
                                    "vtmedia.ini: error: no [Media] section: the manifest says nothing of the disc"}));
}

TEST(VtmediaCfgValues, ValuesInPlaceOfTheCds) {
  const std::string cd =
      "; the CD's\r\n[Misc]\r\nSoftwareDisk=0\r\nReqFreeSpace=15\r\n\r\n[multimedia]\r\nLogo=a.vtm\r\n\r\n"
      "[Setup Disk1]\r\nx=9,{MAIN_DIR}\r\n[Misc]\r\nSoftwareDisk=7\r\n";
  const std::string floppy = WithValues(
      cd, {{"Misc", "softwaredisk", "2", 1}, {"Multimedia", "MultiMedia", "0", 2}, {"Tuning", "Fast", "1", 3}});
  EXPECT_EQ(floppy,
            "; the CD's\r\n[Misc]\r\nsoftwaredisk=2\r\nReqFreeSpace=15\r\n\r\n[multimedia]\r\nLogo=a.vtm\r\n"
            "MultiMedia=0\r\n\r\n[Setup Disk1]\r\nx=9,{MAIN_DIR}\r\n[Misc]\r\nSoftwareDisk=7\r\n"
            "[Tuning]\r\nFast=1\r\n");
  // A last line without its end gets one before what is added.
  EXPECT_EQ(WithValues("[Misc]\nA=1", {{"Misc", "B", "2", 1}}), "[Misc]\nA=1\nB=2\n");
  EXPECT_EQ(WithValues("[Misc]\nA=1", {}), "[Misc]\nA=1");
  // A byte-order mark before the first section (the checker reports it)
  // does not make a second [Misc].
  EXPECT_EQ(WithValues("\xEF\xBB\xBF[Misc]\nA=1\n", {{"Misc", "A", "2", 1}}), "\xEF\xBB\xBF[Misc]\nA=2\n");
}

// A small PE32 image as MinGW lays one out: .text, .eh_frame (a long name),
// .debug_info, then the symbol and string tables.
struct TestImage {
  std::vector<uint8_t> bytes = std::vector<uint8_t>(0xa00, 0);
  void Put(size_t at, int size, uint32_t v) {
    for (int i = 0; i < size; ++i) bytes[at + i] = static_cast<uint8_t>(v >> (8 * i));
  }
  uint32_t Get(size_t at, int size) const {
    uint32_t v = 0;
    for (int i = size - 1; i >= 0; --i) v = v << 8 | bytes[at + i];
    return v;
  }
  void Section(int i, const char* name, uint32_t address, uint32_t raw) {
    const size_t at = 0x40 + 24 + 0xe0 + 40 * i;
    std::fill_n(bytes.begin() + static_cast<long>(at), 8, 0);
    std::copy(name, name + std::strlen(name), bytes.begin() + static_cast<long>(at));
    Put(at + 8, 4, 0x100);
    Put(at + 12, 4, address);
    Put(at + 16, 4, 0x200);
    Put(at + 20, 4, raw);
  }
  TestImage() {
    bytes[0] = 'M', bytes[1] = 'Z';
    Put(0x3c, 4, 0x40);
    Put(0x40, 4, 0x4550);
    Put(0x44, 2, 0x14c);
    Put(0x46, 2, 3);
    Put(0x4c, 4, 0xa00);  // the symbol table
    Put(0x50, 4, 1);
    Put(0x54, 2, 0xe0);
    Put(0x58, 2, 0x10b);
    Put(0x58 + 32, 4, 0x1000);
    Put(0x58 + 36, 4, 0x200);
    Put(0x58 + 56, 4, 0x4000);
    Put(0x58 + 60, 4, 0x400);
    Put(0x58 + 64, 4, 0x1234);
    Section(0, ".text", 0x1000, 0x400);
    Section(1, "/4", 0x2000, 0x600);
    Section(2, "/14", 0x3000, 0x800);
    for (int i = 0; i < 18; ++i) bytes.push_back(0);
    const char strings[] = ".eh_frame\0.debug_info";
    const uint32_t size = 4 + sizeof strings;
    for (int i = 0; i < 4; ++i) bytes.push_back(static_cast<uint8_t>(size >> (8 * i)));
    bytes.insert(bytes.end(), strings, strings + sizeof strings);
  }
};

TEST(VtmediaPeStrip, CutsTheDebuggingSectionsAndTables) {
  TestImage image;
  std::string why;
  ASSERT_EQ(StripDebugInfo(image.bytes, &why), StripResult::kStripped) << why;
  EXPECT_EQ(image.bytes.size(), 0x800u);        // the end of .eh_frame's data
  EXPECT_EQ(image.Get(0x46, 2), 2u);            // sections
  EXPECT_EQ(image.Get(0x4c, 4), 0u);            // no symbol table
  EXPECT_EQ(image.Get(0x50, 4), 0u);
  EXPECT_EQ(image.Get(0x58 + 56, 4), 0x3000u);  // the image ends after .eh_frame
  EXPECT_NE(image.Get(0x58 + 64, 4), 0x1234u);  // the checksum follows the new file
  const size_t second = 0x40 + 24 + 0xe0 + 40;
  EXPECT_EQ(std::string(reinterpret_cast<const char*>(&image.bytes[second]), 8), ".eh_fram");
  EXPECT_EQ(image.Get(second + 40, 4), 0u);     // the cut section's entry is cleared
  // Done once, there is nothing left to cut.
  EXPECT_EQ(StripDebugInfo(image.bytes, &why), StripResult::kNothing);
}

TEST(VtmediaPeStrip, LeavesWhatItDoesNotUnderstand) {
  struct Case {
    const char* what;
    void (*damage)(TestImage&);
  } cases[] = {
      {"data appended after the tables", [](TestImage& t) { t.bytes.resize(t.bytes.size() + 4096, 0x55); }},
      {"a debugging section before a program section", [](TestImage& t) { t.Section(0, "/14", 0x1000, 0x400); }},
      {"a symbol table beyond the end", [](TestImage& t) { t.Put(0x4c, 4, 0x7fffffff); }},
      {"a section beyond the end", [](TestImage& t) { t.Put(0x40 + 24 + 0xe0 + 20, 4, 0x100000); }},
      {"no PE signature", [](TestImage& t) { t.bytes[0x40] = 'X'; }},
      {"a cut header", [](TestImage& t) { t.bytes.resize(0x60); }},
  };
  for (const Case& c : cases) {
    TestImage image;
    c.damage(image);
    const std::vector<uint8_t> before = image.bytes;
    std::string why;
    EXPECT_EQ(StripDebugInfo(image.bytes, &why), StripResult::kNotStrippable) << c.what;
    EXPECT_FALSE(why.empty()) << c.what;
    EXPECT_EQ(image.bytes, before) << c.what;
  }
}

TEST(VtmediaFloppy, WhatAFolderTakes) {
  char pattern[] = "/tmp/vtmedia-floppy-XXXXXX";
  ASSERT_NE(mkdtemp(pattern), nullptr);
  const std::string dir = pattern;
  auto write = [&](const std::string& rel, size_t size) {
    std::ofstream(dir + "/" + rel, std::ios::binary) << std::string(size, 'x');
  };
  write("A.TXT", 1);          // one cluster, one root entry
  write("readme.txt", 513);   // two clusters; a long name: two entries
  std::system(("mkdir " + dir + "/help").c_str());
  write("help/x.txt", 0);     // no cluster; the folder: one cluster, two root entries
  FloppyUse use;
  ASSERT_TRUE(MeasureFloppy(dir, &use));
  EXPECT_EQ(use.bytes, 512u + 1024u + 512u);
  EXPECT_EQ(use.rootEntries, 1u + 2u + 2u);
  std::system(("rm -rf " + dir).c_str());
}

}  // namespace

// --- the output folder ---

namespace {

std::string Scratch(const char* name) {
  const std::string dir = std::string(::testing::TempDir()) + "vtmedia_out_" + name;
  RemoveTree(dir);
  MakeDirectories(dir);
  return dir;
}

TEST(VtmediaOut, PathsAreComparedWhole) {
  const std::string dir = Scratch("paths");
  MakeDirectories(dir + "/src/cd");
  const std::string src = ResolvedPath(dir + "/src");
  ASSERT_FALSE(src.empty());
  EXPECT_EQ(ResolvedPath(dir + "/src/cd/../media"), src + "/media");  // not there yet
  EXPECT_EQ(ResolvedPath(dir + "/src/./cd/"), src + "/cd");
  EXPECT_TRUE(PathWithin(src + "/media", src));
  EXPECT_TRUE(PathWithin(src, src));
  EXPECT_FALSE(PathWithin(src + "2", src));  // a sibling that shares the name's start
  EXPECT_FALSE(PathWithin(src, src + "/media"));
  EXPECT_EQ(OverlapProblem(dir + "/src", dir + "/out"), "");
  EXPECT_NE(OverlapProblem(dir + "/src", dir + "/src/cd/../out").find("is inside SOURCE"), std::string::npos);
  EXPECT_NE(OverlapProblem(dir + "/src/cd", dir + "/src").find("is inside OUT"), std::string::npos);
}

TEST(VtmediaOut, OnlyWhatTheLastBuildMadeIsReplaced) {
  const std::string dir = Scratch("move");
  const std::string out = dir + "/out", work = dir + "/out.vtmedia-new";
  EXPECT_EQ(OwnershipProblem(out), "");  // not there yet
  ASSERT_TRUE(MakeOwnFolder(work));
  ASSERT_TRUE(MakeDirectories(work + "/cd") && WriteWhole(work + "/cd/a.txt", "first"));
  ASSERT_TRUE(WriteWhole(work + "/old.iso", "image"));
  std::string failed;
  ASSERT_TRUE(MoveIntoPlace(work, out, {"cd", "old.iso"}, &failed)) << failed;
  EXPECT_FALSE(PathExists(work));
  ASSERT_TRUE(WriteWhole(out + "/notes.txt", "the provider's"));
  EXPECT_EQ(OwnershipProblem(out), "");  // ours by its marker

  // The next build: its cd replaces the old one, the old image goes, the
  // provider's file stays.
  ASSERT_TRUE(MakeOwnFolder(work));
  ASSERT_TRUE(MakeDirectories(work + "/cd") && WriteWhole(work + "/cd/b.txt", "second"));
  ASSERT_TRUE(MoveIntoPlace(work, out, {"cd"}, &failed)) << failed;
  EXPECT_TRUE(PathExists(out + "/cd/b.txt"));
  EXPECT_FALSE(PathExists(out + "/cd/a.txt"));
  EXPECT_FALSE(PathExists(out + "/old.iso"));
  EXPECT_TRUE(PathExists(out + "/notes.txt"));

  // A name in the way that no build listed is not moved over.
  ASSERT_TRUE(MakeOwnFolder(work));
  ASSERT_TRUE(MakeDirectories(work + "/floppy"));
  ASSERT_TRUE(MakeDirectories(out + "/floppy") && WriteWhole(out + "/floppy/mine.txt", "x"));
  EXPECT_FALSE(MoveIntoPlace(work, out, {"floppy"}, &failed));
  EXPECT_NE(failed.find("not listed as ours"), std::string::npos);
  EXPECT_TRUE(PathExists(out + "/floppy/mine.txt"));

  // A folder with files of someone else's and no marker is not ours.
  const std::string theirs = dir + "/theirs";
  ASSERT_TRUE(MakeDirectories(theirs) && WriteWhole(theirs + "/cd", "a file named like ours"));
  EXPECT_NE(OwnershipProblem(theirs).find("did not make"), std::string::npos);
}

}  // namespace
