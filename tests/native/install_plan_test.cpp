// The plan of an installation: what each kind of line puts where, with
// sizes and tokens as a first run on Windows 95 has them; the check of
// ReqFreeSpace against it; the hint for a program path with a blank.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/archive/archive_format.h"
#include "core/check/install_plan.h"
#include "core/check/memory_media.h"
#include "core/dcl/dcl_encode.h"
#include "core/io/byte_stream.h"

namespace {

std::vector<uint8_t> Archive(const std::vector<std::pair<std::string, std::string>>& files) {
  ArchiveWriter writer(true);
  for (const auto& f : files) writer.Add(f.first, 0, DclEncodeBuffer(f.second.data(), f.second.size(), {}));
  VectorSink sink;
  writer.WriteTo(sink);
  return sink.bytes;
}

MemoryMedia Cd(const std::string& cfg) {
  MemoryMedia m;
  m.Put(1, "setup.cfg", cfg);
  m.Put(1, "setup.ini", "[Vantora]\nRegNo=1\n");
  m.Put(1, "QRM.D00", "CD");
  m.Put(1, "bin\\client.exe", std::string(3000, 'x'));
  m.Put(1, "help.z", Archive({{"help\\a.txt", std::string(5000, 'a')}, {"b.txt", "bee"}}));
  m.Put(1, "client.reg",
        "REGEDIT4\r\n\r\n[HKEY_CURRENT_USER\\Software\\Client]\r\n\"Dir\"=\"{MAIN_DIR}\\\\bin\"\r\n"
        "@=\"default\"\r\n\"Count\"=dword:00000002\r\n\"Long\"=hex:01,02,\\\r\n  03\r\n"
        "[-HKEY_CURRENT_USER\\Software\\Gone]\r\n\"x\"=\"y\"\r\n");
  return m;
}

std::vector<std::string> Formatted(const InstallPlan& plan) {
  std::vector<std::string> out;
  for (const PlanItem& i : plan.items) out.push_back(FormatPlanItem(i));
  return out;
}

TEST(InstallPlan, EachKindOfLineWithItsPlaceSizeAndDisk) {
  const MemoryMedia m = Cd(
      "[Setup Disk1]\n"
      "client.exe=1,{SRC_DIR}\\bin,{MAIN_DIR}\\bin,Dialer.exe\n"  // 2
      "help.z=2,{SRC_DIR},{MAIN_DIR}\\doc\n"                       // 3
      "client.reg=3,{SRC_DIR}\n"                                   // 4
      "Folder=9,{MAIN_DIR}\\Mail\n"                                // 5
      "Dialer.exe /quick=5,Quick,{MAIN_DIR}\\bin,{PROGRAMS}\\Client\n"  // 6
      "broken=1\n"                                                 // 7: no comma, left out
      "b.txt=7,{MAIN_DIR}\\DOC\n"                                 // 8: deletes line 3's b.txt
      "[Software]\n"
      "Tools=4,0{SRC_DIR}\\bin\\client.exe /tools\n");             // 10
  const std::vector<std::string> plan = Formatted(PlanInstallation(m));
  const std::vector<std::string> expected = {
      "file\t3000\tdisk 1\tc:\\Corvane\\bin\\Dialer.exe\t\tsetup.cfg:2",
      "file\t5000\tdisk 1\tc:\\Corvane\\doc\\help\\a.txt\t\tsetup.cfg:3",
      "registry\t\tdisk 1\tHKEY_CURRENT_USER\\Software\\Client\tDir=\"c:\\Corvane\\bin\"\tsetup.cfg:4",
      "registry\t\tdisk 1\tHKEY_CURRENT_USER\\Software\\Client\t@=\"default\"\tsetup.cfg:4",
      "registry\t\tdisk 1\tHKEY_CURRENT_USER\\Software\\Client\tCount=dword:00000002\tsetup.cfg:4",
      "registry\t\tdisk 1\tHKEY_CURRENT_USER\\Software\\Client\tLong=hex:01,02,03\tsetup.cfg:4",
      "folder\t\tdisk 1\tc:\\Corvane\\Mail\t\tsetup.cfg:5",
      "shortcut\t\tdisk 1\tC:\\WINDOWS\\Start Menu\\Programs\\Client\\Quick.lnk\tc:\\Corvane\\bin\\Dialer.exe\tsetup.cfg:6",
      "program\t\tdisk 1\t<media>\\bin\\client.exe /tools\t\tsetup.cfg:10 software",
  };
  EXPECT_EQ(plan, expected);
}

TEST(InstallPlan, TheCallersFoldersAndTheSoftwareDisk) {
  MemoryMedia m(2);
  m.Put(1, "setup.cfg",
        "[Misc]\nSoftwareDisk=2\n[Setup Disk1]\nclient.exe=1,{SRC_DIR},{MAIN_DIR}\n"
        "[Setup Disk2]\nx.lnk=5,X,{MAIN_DIR},{DESKTOP}\n[Software]\n*More=6,More\n[More]\nmore.txt=1,{SRC_DIR},\n");
  m.Put(1, "client.exe", "MZ");
  m.Put(2, "more.txt", "12345");
  const InstallPlan plan = PlanInstallation(m, "D:\\Net", {{"{DESKTOP}", "C:\\users\\me\\Desktop"}});
  ASSERT_EQ(plan.items.size(), 3u);
  EXPECT_EQ(plan.items[0].path, "D:\\Net\\client.exe");
  EXPECT_EQ(plan.items[1].path, "C:\\users\\me\\Desktop\\X.lnk");
  EXPECT_EQ(plan.items[1].disk, 2);
  EXPECT_EQ(FormatPlanItem(plan.items[2]), "file\t5\tdisk 2\tD:\\Net\\more.txt\t\tsetup.cfg:10 software picked");
  EXPECT_EQ(plan.InstalledBytes(), 2u);  // the Software section's file is the user's choice
}

std::vector<std::string> Findings(const MediaView& m) {
  std::vector<std::string> out;
  for (const Finding& f : CheckMedia(m)) out.push_back(FormatFinding(f));
  return out;
}

TEST(InstallPlan, ReqFreeSpaceAgainstWhatTheDiskSectionsInstall) {
  const std::string big(3 * 1024 * 1024 + 1, 'b');  // just over 3 MB
  MemoryMedia m = Cd("[Misc]\nReqFreeSpace=3\n[Setup Disk1]\nbig.dat=1,{SRC_DIR},\n");
  m.Put(1, "big.dat", big);
  std::vector<std::string> f = Findings(m);
  ASSERT_EQ(f.size(), 1u) << ::testing::PrintToString(f);
  EXPECT_EQ(f[0].rfind("setup.cfg:2: warning: ReqFreeSpace=3 (MB), but the disk sections install 3145729 bytes", 0),
            0u) << f[0];
  EXPECT_NE(f[0].find("set ReqFreeSpace=4 or more"), std::string::npos);

  m.Put(1, "setup.cfg", "[Misc]\nReqFreeSpace=4\n[Setup Disk1]\nbig.dat=1,{SRC_DIR},\n");
  EXPECT_EQ(Findings(m), std::vector<std::string>{});

  // Not set: the setup asks for 15 MB.
  m.Put(1, "big.dat", std::string(16 * 1024 * 1024, 'b'));
  m.Put(1, "setup.cfg", "[Setup Disk1]\nbig.dat=1,{SRC_DIR},\n");
  f = Findings(m);
  ASSERT_EQ(f.size(), 1u);
  EXPECT_EQ(f[0].rfind("setup.cfg: warning: ReqFreeSpace is not set, so it is 15 (MB)", 0), 0u) << f[0];
}

TEST(InstallPlan, AProgramPathWithABlankIsExplained) {
  MemoryMedia m = Cd(
      "[Setup Disk1]\n"
      "a=4,0{SRC_DIR}\\my tools\\setup.exe\n"  // 2: the path goes on after the blank
      "b=4,0{SRC_DIR}\\gone.exe /quiet\n"      // 3: an option: only missing
      "c=4,0{SRC_DIR}\\bin\\client.exe /x\n");
  const std::vector<std::string> f = Findings(m);
  ASSERT_EQ(f.size(), 2u) << ::testing::PrintToString(f);
  EXPECT_EQ(f[0],
            "setup.cfg:2: error: File my could not be found: the program's path ends at the first blank of the command "
            "line, so \"{SRC_DIR}\\my\" is the program and the rest its arguments (a program path cannot hold a "
            "blank: rename the folder or file)");
  EXPECT_EQ(f[1], "setup.cfg:3: error: File gone.exe could not be found");
}

}  // namespace
