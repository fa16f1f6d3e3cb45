// The media checker on media held in memory: a clean set, and each fault
// of a provider's media in its own case, reported with its line.
#include <gtest/gtest.h>

#include <chrono>
#include <map>
#include <string>
#include <vector>

#include "core/archive/archive_format.h"
#include "core/check/media_check.h"
#include "core/check/memory_media.h"
#include "core/dcl/dcl_encode.h"
#include "core/io/byte_stream.h"

namespace {

std::vector<uint8_t> Archive(const std::string& name, const std::string& content) {
  ArchiveWriter writer(false);
  writer.Add(name, 0, DclEncodeBuffer(content.data(), content.size(), DclEncoderOptions{}));
  VectorSink sink;
  writer.WriteTo(sink);
  return sink.bytes;
}

const char kIni[] = "[Vantora]\nRegNo=12345\n";

std::vector<std::string> Lines(const MediaView& media) {
  std::vector<std::string> out;
  for (const Finding& f : CheckMedia(media)) out.push_back(FormatFinding(f));
  return out;
}

// A CD with the files its setup.cfg names.
MemoryMedia GoodCd(const std::string& cfg) {
  MemoryMedia m;
  m.Put(1, "setup.cfg", cfg);
  m.Put(1, "setup.ini", kIni);
  m.Put(1, "QRM.D00", "CD");
  m.Put(1, "bin\\client.exe", "MZ");
  m.Put(1, "client.z", Archive("HELP.TXT", "help text, help text, help text"));
  m.Put(1, "client.reg", "REGEDIT4\r\n\r\n[HKEY_CURRENT_USER\\Software\\X]\r\n");
  return m;
}

const char kGoodCfg[] =
    "[Misc]\nReqFreeSpace=15\nSoftwareDisk=0\n"
    "[Setup Disk1]\n"
    "client.exe=1,{SRC_DIR}\\bin,{MAIN_DIR}\\bin\n"
    "client.z=2,{SRC_DIR},{MAIN_DIR}\n"
    "client.reg=3,{SRC_DIR}\n"
    "Dl=8,Downloads,{MAIN_DIR}\\Dl,Where?\n"
    "Dl folder=9,{USER_DIR}\n"
    "Links=6,Links\n"
    "[Links]\n"
    "client.exe=5,Client,{MAIN_DIR}\\bin,{PROGRAMS}\\Client\n"
    "[Software]\n"
    "*Tools=4,0{SRC_DIR}\\bin\\client.exe /tools,The tools\n";

TEST(MediaCheck, CleanMediaHaveNoFindings) {
  const MemoryMedia m = GoodCd(kGoodCfg);
  EXPECT_EQ(Lines(m), std::vector<std::string>{});
  EXPECT_EQ(ExitFor(CheckMedia(m)), kCheckClean);
}

TEST(MediaCheck, MalformedLinesWithTheirLines) {
  const MemoryMedia m = GoodCd(
      "[Setup Disk1]\n"
      "no equals sign\n"                  // 2
      "x=11,{MAIN_DIR}\n"                 // 3
      "y=1,{NOSUCH}\\bin\n"               // 4
      "z=9,{MAIN_DIR\n"                   // 5
      "w=9,{USER_DIR}\\x\n"               // 6: before any user path
      "a=1\n"                             // 7: copy without source field
      "b=4,\n"                            // 8: no program
      "c=5,onlyname\n"                    // 9
      "d=8,title only\n");                // 10
  const std::vector<std::string> lines = Lines(m);
  ASSERT_EQ(lines.size(), 9u) << ::testing::PrintToString(lines);
  const char* expected[] = {"setup.cfg:2: error: Illigal entry \"no equals sign\" in SETUP.CFG",
                            "setup.cfg:3: error: Illigal entry \"x=11,{MAIN_DIR}\" in SETUP.CFG: kind 11",
                            "setup.cfg:4: error: Illigal entry \"y=1,{NOSUCH}\\bin\" in SETUP.CFG: an unknown token",
                            "setup.cfg:5: error: Illigal entry \"z=9,{MAIN_DIR\" in SETUP.CFG: an unknown token",
                            "setup.cfg:6: error: Illigal entry \"w=9,{USER_DIR}\\x\" in SETUP.CFG: {USER_DIR}",
                            "setup.cfg:7: error: Illigal entry \"a=1\" in SETUP.CFG: a copy needs",
                            "setup.cfg:8: error: Illigal entry \"b=4,\" in SETUP.CFG: a program line",
                            "setup.cfg:9: error: Illigal entry \"c=5,onlyname\" in SETUP.CFG: a shortcut",
                            "setup.cfg:10: error: Illigal entry \"d=8,title only\" in SETUP.CFG: a user path"};
  for (size_t i = 0; i < lines.size(); ++i) EXPECT_EQ(lines[i].rfind(expected[i], 0), 0u) << lines[i];
  EXPECT_EQ(ExitFor(CheckMedia(m)), kCheckErrors);
}

// Lines the setup reads otherwise than they look: the fields after a kind
// with no comma, a folder line with no folder, destinations it cannot
// create.
TEST(MediaCheck, LinesTheSetupWouldMisread) {
  const MemoryMedia m = GoodCd(
      "[Setup Disk1]\n"
      "Program folder=9{MAIN_DIR}\\bin\n"            // 2
      "notes.txt=1{SRC_DIR},{MAIN_DIR}\n"              // 3
      "Empty=9,\n"                                     // 4
      "client.exe=1,{SRC_DIR}\\bin,{MAIN_DIR}\\a\tb\n"  // 5
      "client.z=2,{SRC_DIR},{MAIN_DIR}\\what?\n"      // 6
      "Odd=9,{MAIN_DIR}\\c:d\n"                        // 7
      "Links=6\n"                                      // 8: a section by its key: fine
      "[Links]\n"
      "x=9,{MAIN_DIR}\\x\n");
  const std::vector<std::string> lines = Lines(m);
  ASSERT_EQ(lines.size(), 6u) << ::testing::PrintToString(lines);
  EXPECT_NE(lines[0].find("setup.cfg:2: error: Illigal entry \"Program folder=9{MAIN_DIR}\\bin\" in SETUP.CFG: the "
                          "kind's number must be followed by a comma"),
            std::string::npos);
  EXPECT_NE(lines[1].find("so it would read \"{MAIN_DIR}\" here"), std::string::npos) << lines[1];
  EXPECT_NE(lines[2].find("setup.cfg:4: error: Illigal entry \"Empty=9,\" in SETUP.CFG: no directory to create"),
            std::string::npos);
  EXPECT_NE(lines[3].find("setup.cfg:5:"), std::string::npos);
  EXPECT_NE(lines[3].find("a control character (a tab?)"), std::string::npos);
  EXPECT_NE(lines[4].find("a character Windows refuses in names"), std::string::npos);
  EXPECT_NE(lines[5].find("a colon that is not a drive's"), std::string::npos);
}

// Tokens: an unknown one in a line is named; in a registry file, a token
// the setup will not fill in (its names are exact) is warned about, a
// class id is not.
TEST(MediaCheck, TokensAreNamed) {
  MemoryMedia m = GoodCd(
      "[Setup Disk1]\n"
      "a=9,{MAIN_DIRR}\\x\n"   // 2
      "b=9,{MAIN_DIR\n"          // 3
      "client.reg=3,{SRC_DIR}\n");  // 4
  m.Put(1, "client.reg",
        "REGEDIT4\r\n\r\n[HKEY_CURRENT_USER\\Software\\X]\r\n\"Dir\"=\"{MAIN_DIR}\"\r\n\"Bad\"=\"{MAIN_DIRR}\"\r\n"
        "\"Low\"=\"{main_dir}\\\\x\"\r\n\"Clsid\"=\"{21EC2020-3AEA-1069-A2DD-08002B30309D}\"\r\n");
  const std::vector<std::string> lines = Lines(m);
  ASSERT_EQ(lines.size(), 4u) << ::testing::PrintToString(lines);
  EXPECT_NE(lines[0].find("setup.cfg:2: error: Illigal entry \"a=9,{MAIN_DIRR}\\x\" in SETUP.CFG: an unknown token, "
                          "{MAIN_DIRR}"),
            std::string::npos)
      << lines[0];
  EXPECT_NE(lines[1].find("a '{' with no '}' after it"), std::string::npos) << lines[1];
  EXPECT_EQ(lines[2].rfind("setup.cfg:4: warning: registry file client.reg holds {MAIN_DIRR}, which the setup does not "
                           "fill in", 0),
            0u)
      << lines[2];
  EXPECT_NE(lines[3].find("holds {main_dir}"), std::string::npos);
}

// A shortcut to a program of the installation that no earlier line puts
// there stops the setup; one after a program line may be that installer's.
TEST(MediaCheck, ShortcutsNeedTheirProgramInstalledFirst) {
  const MemoryMedia m = GoodCd(
      "[Setup Disk1]\n"
      "early.exe=5,Early,{MAIN_DIR}\\bin,{PROGRAMS}\n"       // 2: before its copy
      "client.exe=1,{SRC_DIR}\\bin,{MAIN_DIR}\\bin\n"
      "CLIENT.EXE /tools=5,Tools,{MAIN_DIR}\\BIN\\,{PROGRAMS}\n"  // 4: fine, in other letters
      "SKYDAIL.EXE=5,Dialer,{MAIN_DIR}\\bin,{PROGRAMS}\n"     // 5
      "client.z=2,{SRC_DIR},{MAIN_DIR}\\help\n"
      "HELP.TXT=5,Help,{MAIN_DIR}\\help,{PROGRAMS}\n"         // 7: from the archive: fine
      "notepad.exe=5,Notes,{WINDOWS},{PROGRAMS}\n"            // 8: not the installation's
      "x=4,0{SRC_DIR}\\bin\\client.exe\n"
      "other.exe=5,Other,{MAIN_DIR},{PROGRAMS}\n");            // 10: after an installer
  const std::vector<std::string> lines = Lines(m);
  ASSERT_EQ(lines.size(), 3u) << ::testing::PrintToString(lines);
  EXPECT_EQ(lines[0].rfind("setup.cfg:2: error: the shortcut's program early.exe in {MAIN_DIR}\\bin is installed by "
                           "no earlier line",
                           0),
            0u)
      << lines[0];
  EXPECT_EQ(lines[1].rfind("setup.cfg:5: error: the shortcut's program SKYDAIL.EXE", 0), 0u) << lines[1];
  EXPECT_EQ(lines[2].rfind("setup.cfg:10: warning: the shortcut's program other.exe", 0), 0u) << lines[2];
}

// setup.ini keys the setup never reads, and a yes it will not take.
TEST(MediaCheck, SetupIniKeysTheSetupReads) {
  MemoryMedia m = GoodCd(kGoodCfg);
  m.Put(1, "setup.ini", "[Vantora]\nRegNo=1\nHomPage=http://x\nIsRegNoAPrefix=ja\nhomepage=http://y\nSetupFee=9\n");
  EXPECT_EQ(Lines(m), (std::vector<std::string>{
                          "setup.ini:3: warning: HomPage is not a key the setup reads, so its value never reaches the "
                          "client (the guide lists the keys: RegNo, HomePage, SetupFee, ...)",
                          "setup.ini:4: warning: IsRegNoAPrefix=ja: the setup takes only \"yes\" (any case) for "
                          "yes; this counts as no"}));
}

// Message lines whose box is not the one meant.
TEST(MediaCheck, MessagesAsTheSetupShowsThem) {
  const MemoryMedia m = GoodCd(
      "[Setup Disk1]\n"
      "a=10,Insert the CD, then press OK\n"       // 2
      "b=10,Go on?,BTN_OKCANSEL + ICON_QUESTION\n"  // 3
      "c=10,Careful,ICON_WARNING\n"               // 4
      "d=10,Go on?,BTN_YESNO + ICON_ASK\n"         // 5
      "e=10,Go on?,BTN_YESNO + ICON_QUESTION\n"    // 6: fine
      "f=10,Done\n");                              // 7: fine
  const std::vector<std::string> lines = Lines(m);
  ASSERT_EQ(lines.size(), 4u) << ::testing::PrintToString(lines);
  EXPECT_NE(lines[0].find("setup.cfg:2: error: Illigal entry \"a=10,Insert the CD, then press OK\" in SETUP.CFG: the "
                          "text ends at its first comma: the setup shows \"Insert the CD\" and takes \"then press "
                          "OK\" for button keywords"),
            std::string::npos)
      << lines[0];
  EXPECT_NE(lines[1].find("BTN_OKCANSEL is not a button keyword"), std::string::npos);
  EXPECT_NE(lines[2].find("an icon needs the buttons first"), std::string::npos);
  EXPECT_NE(lines[3].find("ICON_ASK is not an icon keyword"), std::string::npos);
}

// The file as a whole: a byte-order mark, CR-only line ends, a section
// twice, and disk sections the setup never runs for their names.
TEST(MediaCheck, FileFormAndSectionNames) {
  MemoryMedia bom = GoodCd(std::string("\xEF\xBB\xBF") + kGoodCfg);
  std::vector<std::string> lines = Lines(bom);
  ASSERT_FALSE(lines.empty());
  EXPECT_EQ(lines[0].rfind("setup.cfg:1: error: setup.cfg starts with a byte-order mark (UTF-8)", 0), 0u) << lines[0];
  bom.Put(1, "setup.ini", std::string("\xEF\xBB\xBF") + kIni);
  bom.Put(1, "setup.cfg", kGoodCfg);
  lines = Lines(bom);
  // What the mark hides, and why.
  ASSERT_EQ(lines.size(), 2u) << ::testing::PrintToString(lines);
  EXPECT_EQ(lines[0].rfind("setup.ini: error: no [Vantora] section", 0), 0u) << lines[0];
  EXPECT_EQ(lines[1].rfind("setup.ini:1: error: setup.ini starts with a byte-order mark", 0), 0u) << lines[1];

  std::string crOnly = kGoodCfg;
  for (char& c : crOnly)
    if (c == '\n') c = '\r';
  lines = Lines(GoodCd(crOnly));
  ASSERT_FALSE(lines.empty());
  EXPECT_NE(lines[0].find("setup.cfg: error: setup.cfg has CR-only line ends"), std::string::npos) << lines[0];

  lines = Lines(GoodCd(
      "[Setup Disk1]\n"
      "x=9,{MAIN_DIR}\n"
      "[Setup Disk 2]\n"     // 3
      "y=9,{MAIN_DIR}\n"
      "[setup disk1]\n"      // 5: the first one's name in another case
      "z=1,{SRC_DIR}\\nothere\n"
      "[Setup Disk02]\n"     // 7
      "[SetupDisk3]\n"));    // 8
  ASSERT_EQ(lines.size(), 4u) << ::testing::PrintToString(lines);
  EXPECT_EQ(lines[0].rfind("setup.cfg:3: error: [Setup Disk 2] is not a disk section the setup runs", 0), 0u);
  EXPECT_EQ(lines[1], "setup.cfg:5: error: [setup disk1] comes a second time (first on line 1): the setup reads only "
                      "the first, so these lines are never read");
  EXPECT_EQ(lines[2].rfind("setup.cfg:7: error: [Setup Disk02] is not a disk section", 0), 0u);
  EXPECT_EQ(lines[3].rfind("setup.cfg:8: error: [SetupDisk3] is not a disk section", 0), 0u);
}

TEST(MediaCheck, FilesTheLinesName) {
  MemoryMedia m = GoodCd(kGoodCfg);
  m.Put(1, "client.z", std::vector<uint8_t>{1, 2, 3});
  m.Put(1, "client.reg", "[HKEY_CURRENT_USER\\X]\r\n");
  const std::vector<std::string> lines = Lines(m);
  ASSERT_EQ(lines.size(), 2u) << ::testing::PrintToString(lines);
  EXPECT_EQ(lines[0].rfind("setup.cfg:6: error: archive client.z cannot be unpacked: it is no packed archive at all", 0),
            0u)
      << lines[0];
  EXPECT_EQ(lines[1].rfind("setup.cfg:7: error: registry file client.reg does not start with REGEDIT4", 0), 0u);
  // A cut archive: its entry's data ends early.
  std::vector<uint8_t> cut = Archive("HELP.TXT", std::string(5000, 'x') + "tail of a longer text");
  cut.resize(cut.size() - 3);
  m = GoodCd(kGoodCfg);
  m.Put(1, "client.z", cut);
  ASSERT_EQ(Lines(m).size(), 1u);
  EXPECT_NE(Lines(m)[0].find("archive client.z cannot be unpacked: the data of HELP.TXT lies outside"), std::string::npos);
  // Entries the setup refuses to unpack: leaving the folder, a device.
  for (const char* name : {"..\\..\\B.TX", "CON.TXT"}) {
    ArchiveWriter writer(true);
    writer.Add(name, 0, DclEncodeBuffer("x", 1, DclEncoderOptions{}));
    VectorSink sink;
    writer.WriteTo(sink);
    m = GoodCd(kGoodCfg);
    m.Put(1, "client.z", sink.bytes);
    ASSERT_EQ(Lines(m).size(), 1u) << name;
    EXPECT_NE(Lines(m)[0].find(std::string("the setup refuses its entry ") + name), std::string::npos) << Lines(m)[0];
  }
  // Missing program of the Software section, and of a copy, in any case.
  MemoryMedia gone;
  gone.Put(1, "setup.cfg", kGoodCfg);
  gone.Put(1, "setup.ini", kIni);
  gone.Put(1, "qrm.d00", "CD");
  gone.Put(1, "CLIENT.Z", Archive("HELP.TXT", "x"));
  gone.Put(1, "Client.Reg", "REGEDIT4\n");
  const std::vector<std::string> g = Lines(gone);
  ASSERT_EQ(g.size(), 2u) << ::testing::PrintToString(g);
  EXPECT_EQ(g[0], "setup.cfg:5: error: File bin\\client.exe could not be found");
  EXPECT_EQ(g[1], "setup.cfg:14: error: File bin\\client.exe could not be found");
}

TEST(MediaCheck, FloppySetLooksOnTheRightDisk) {
  MemoryMedia m(2);
  m.Put(1, "setup.cfg",
        "[Setup Disk1]\none.txt=1,{SRC_DIR},{MAIN_DIR}\n[Setup Disk2]\ntwo.txt=1,{SRC_DIR},{MAIN_DIR}\n"
        "one.txt=1,{SRC_DIR},{MAIN_DIR}\n[Misc]\nSoftwareDisk=2\n");
  m.Put(1, "one.txt", "1");
  m.Put(2, "two.txt", "2");
  m.Put(2, "setup.ini", kIni);
  m.Put(1, "qrm.d01", "1");
  EXPECT_EQ(Lines(m), (std::vector<std::string>{
                          "qrm.d02: error: disk 2 has no label file qrm.d02: the setup keeps asking for the disk",
                          "setup.cfg:5: error: File one.txt could not be found on disk 2 (it is on disk 1)"}));
  // A disk section beyond the set.
  m.Put(2, "qrm.d02", "2");
  m.Put(1, "setup.cfg",
        "[Setup Disk1]\nx=9,{MAIN_DIR}\n[Setup Disk2]\nx=9,{MAIN_DIR}\n[Setup Disk3]\nx=9,{MAIN_DIR}\n"
        "[Misc]\nSoftwareDisk=2\n");
  EXPECT_EQ(Lines(m), std::vector<std::string>{
                          "setup.cfg:5: error: [Setup Disk3] runs from disk 3, but the set has 2 disks: the setup "
                          "would ask for a disk that does not exist (more disks, or fewer disk sections)"});
  // More disks than disk sections (Disks=2 with one section): setup.ini
  // on disk 2 is never read.
  m.Put(1, "setup.cfg", "[Setup Disk1]\nx=9,{MAIN_DIR}\n[Misc]\nSoftwareDisk=1\n");
  EXPECT_EQ(Lines(m), std::vector<std::string>{
                          "setup.cfg: error: the set has 2 disks, but setup.cfg has 1 disk section: the setup reads "
                          "setup.ini from disk 1, after its last disk section, so the last disk's setup.ini is never "
                          "read (as many disks as disk sections: Disks= in vtmedia.ini)"});
  // No SoftwareDisk on floppies: the setup asks for the CD after the registration.
  m.Put(1, "setup.cfg", "[Setup Disk1]\nx=9,{MAIN_DIR}\n[Setup Disk2]\nx=9,{MAIN_DIR}\n");
  EXPECT_EQ(Lines(m), std::vector<std::string>{
                          "setup.cfg: error: SoftwareDisk is not set (0) on a floppy set: after the registration the "
                          "setup asks for the Vantora CD, and a floppy user's installation never finishes; set it to "
                          "the disk of the additional software, or the last disk (in vtmedia.ini: Misc.SoftwareDisk=N "
                          "in [Floppy setup.cfg])"});

  // A set of one floppy (Disks=1) with two disk sections and the software
  // on disk 2; a CD may run them all from the one disc.
  MemoryMedia one(1);
  one.Put(1, "setup.cfg", "[Misc]\nSoftwareDisk=2\n[Setup Disk1]\nx=9,{MAIN_DIR}\n[Setup Disk2]\nx=9,{MAIN_DIR}\n"
                          "[Software]\nT=6,T\n[T]\nx=9,{MAIN_DIR}\n");
  one.Put(1, "setup.ini", kIni);
  one.Put(1, "qrm.d01", "1");
  one.Put(1, "T\\t.txt", "t");
  EXPECT_EQ(Lines(one), (std::vector<std::string>{
                            "qrm.d01: warning: a floppy's label file and no QRM.D00: right for a set of one floppy; "
                            "on a CD the setup keeps asking for the Vantora CD (a CD's label file is QRM.D00)",
                            "setup.cfg:2: error: SoftwareDisk=2, but the set has 1 disk: the setup would ask for a "
                            "disk that does not exist",
                            "setup.cfg:5: error: [Setup Disk2] runs from disk 2, but the set has 1 disk: the setup "
                            "would ask for a disk that does not exist (more disks, or fewer disk sections)"}));
  one.Put(1, "QRM.D00", "CD");
  EXPECT_EQ(Lines(one), std::vector<std::string>{});
}

TEST(MediaCheck, Sections) {
  const MemoryMedia m = GoodCd(
      "[Setup Disk1]\n"
      "a=6,Nowhere\n"      // 2
      "b=6,Empty\n"        // 3
      "c=6,Ping\n"         // 4
      "[Empty]\n"
      "[Ping]\n"
      "p=6,Pong\n"         // 7
      "[Pong]\n"
      "q=6,ping\n"         // 9: back to Ping, in another case
      "[Setup Disk3]\n"    // 10: after the missing disk 2
      "x=9,{MAIN_DIR}\n");
  const std::vector<std::string> lines = Lines(m);
  ASSERT_EQ(lines.size(), 4u) << ::testing::PrintToString(lines);
  EXPECT_NE(lines[0].find("section [Nowhere] does not exist"), std::string::npos);
  EXPECT_NE(lines[1].find("section [Empty] is empty"), std::string::npos);
  EXPECT_EQ(lines[2], "setup.cfg:9: error: section [ping] runs itself (through this line)");
  EXPECT_EQ(lines[3], "setup.cfg:10: warning: [Setup Disk3] is never run: the disk sections stop at the missing "
                      "[Setup Disk2]");
}

TEST(MediaCheck, ValuesSoftwareAndSetupIni) {
  MemoryMedia m = GoodCd(std::string("[Misc]\nReqFreeSpace=lots\nIntro Text=") + std::string(300, 'w') +
                         "\n[Setup Disk1]\nx=9,{MAIN_DIR}\n[Software]\nBad=1,{SRC_DIR},{MAIN_DIR}\n");
  m.Put(1, "setup.ini", "[Vantora]\nHomePage=" + std::string(256, 'h') + "\nRegNo=1\n");
  const std::vector<std::string> lines = Lines(m);
  ASSERT_EQ(lines.size(), 4u) << ::testing::PrintToString(lines);
  EXPECT_EQ(lines[0], "setup.cfg:2: error: ReqFreeSpace=lots is not a number");
  EXPECT_EQ(lines[1], "setup.cfg:3: warning: Intro Text is 300 characters long: the setup shows 255");
  EXPECT_NE(lines[2].find("setup.cfg:7: error: Illigal instruction Bad=1"), std::string::npos);
  EXPECT_EQ(lines[3], "setup.ini:2: error: HomePage is 256 characters long: the setup reads 255");
  m.Put(1, "setup.ini", "[Other]\nx=1\n");
  EXPECT_EQ(Lines(m).back(), "setup.ini: error: no [Vantora] section: the setup reads nothing from it");
}

TEST(MediaCheck, WarningsOnlyAndNoSetupCfg) {
  MemoryMedia m = GoodCd("[Setup Disk1]\nx=9,{MAIN_DIR}\n[Setup Disk3]\ny=9,{MAIN_DIR}\n");
  EXPECT_EQ(ExitFor(CheckMedia(m)), kCheckWarnings);
  MemoryMedia none;
  EXPECT_EQ(Lines(none), std::vector<std::string>{"setup.cfg: error: setup.cfg is not on the media"});
  MemoryMedia unlabelled;
  unlabelled.Put(1, "setup.cfg", "[Setup Disk1]\nx=9,{MAIN_DIR}\n");
  unlabelled.Put(1, "setup.ini", kIni);
  EXPECT_EQ(Lines(unlabelled), std::vector<std::string>{"QRM.D00: error: no disk label file QRM.D00 (CD) or "
                                                        "qrm.d01 (floppy 1): the setup will not recognise its media"});
}

TEST(MediaCheck, HundredThousandLinesInASecond) {
  std::string cfg = "[Setup Disk1]\n";
  for (int i = 0; i < 100000; ++i) cfg += "f" + std::to_string(i) + "=9,{MAIN_DIR}\\dir" + std::to_string(i) + "\n";
  const MemoryMedia m = GoodCd(cfg);
  const auto start = std::chrono::steady_clock::now();
  const std::vector<Finding> findings = CheckMedia(m);
  const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  std::printf("media check of 100,000 lines: %.3f s\n", seconds);
  EXPECT_TRUE(findings.empty());
  EXPECT_LT(seconds, 5.0);  // under the sanitizers; the release build's figure is in the README
}

}  // namespace

TEST(MediaCheck, MultimediaAndOfferedSoftware) {
  MemoryMedia m = GoodCd(std::string(kGoodCfg) +
                         "@Extras=6,extras\n"  // 15: no folder extras
                         "[extras]\nx=9,{MAIN_DIR}\n"
                         "[Multimedia]\nMultiMedia=2\nMediaPath=Movies\nLogo=logo.vtm\n");  // 19, 21
  EXPECT_EQ(Lines(m), (std::vector<std::string>{
                          "setup.cfg:15: warning: the Software item extras is never offered: no folder extras "
                          "beside setup.exe",
                          "setup.cfg:19: warning: MultiMedia=2 but QRMPlay.dll is not beside setup.exe: the setup "
                          "plays no movie",
                          "setup.cfg:21: warning: the logo movie Movies\\logo.vtm is not on the media: the setup "
                          "shows none"}));
  m.Put(1, "extras\\readme.txt", "x");
  m.Put(1, "QRMPlay.dll", "MZ");
  m.Put(1, "movies\\LOGO.VTM", "movie");
  EXPECT_EQ(Lines(m), std::vector<std::string>{});
}

TEST(MediaCheck, NeedsListTheFilesOfEachDisk) {
  const std::string cfg =
      "[Misc]\nSoftwareDisk=3\n"
      "[Setup Disk1]\n"
      "setup.dll=1,{SRC_DIR},{ACCESS_DIR}\n"      // 4
      "user.txt=1,{WINDOWS},{MAIN_DIR}\n"         // 5: not on the media
      "[Setup Disk2]\n"
      "data.z=2,{SRC_DIR}\\packed,{MAIN_DIR}\n"  // 7
      "Links=6,Links\n"
      "[Links]\nclient.reg=3,{SRC_DIR}\n"         // 10
      "[Software]\n*Tools=4,0{SRC_DIR}\\tools\\setup.exe /q,Tools\n";  // 12
  std::vector<std::string> got;
  for (const MediaNeed& n : ListMediaNeeds(cfg, 3))
    got.push_back(std::to_string(n.disk) + " " + n.path + " " + std::to_string(n.line));
  EXPECT_EQ(got, (std::vector<std::string>{"1 setup.dll 4", "2 packed\\data.z 7", "2 client.reg 10",
                                           "3 tools\\setup.exe 12"}));
  // On a CD every file is read from its one disk.
  for (const MediaNeed& n : ListMediaNeeds(cfg, 1)) EXPECT_EQ(n.disk, 1) << n.path;
}
