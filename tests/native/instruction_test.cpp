// Instruction lines: key, kind and arguments, and the fields of each kind.
#include <gtest/gtest.h>

#include <climits>
#include <string>
#include <vector>

#include "core/config/instruction.h"
#include "core/config/instruction_args.h"
#include "core/log/log_sink.h"

namespace {

std::vector<std::string>* g_log = nullptr;
void Capture(const char* text, size_t n) { g_log->emplace_back(text, n); }

struct LogCapture {
  LogCapture() {
    g_log = &lines;
    SetLogSink(Capture);
  }
  ~LogCapture() {
    SetLogSink(nullptr);
    g_log = nullptr;
  }
  std::vector<std::string> lines;
};

TEST(InstructionLine, KeyKindAndArguments) {
  std::string key, args;
  EXPECT_EQ(SplitCfgInstruction("client.exe=1,{SRC_DIR},{MAIN_DIR}", key, args), 1);
  EXPECT_EQ(key, "client.exe");
  EXPECT_EQ(args, "{SRC_DIR},{MAIN_DIR}");
  EXPECT_EQ(SplitCfgInstruction("Note=10", key, args), 10);
  EXPECT_EQ(args, "");
  // The first comma of the whole line, even one inside the key.
  EXPECT_EQ(SplitCfgInstruction("a,b=6,c", key, args), 6);
  EXPECT_EQ(key, "a,b");
  EXPECT_EQ(args, "b=6,c");
}

TEST(InstructionLine, KindIsTheLeadingNumberAsTheCLibraryReadsIt) {
  std::string key, args;
  EXPECT_EQ(SplitCfgInstruction("a=  9,x", key, args), 9);
  EXPECT_EQ(SplitCfgInstruction("a=+3", key, args), 3);
  EXPECT_EQ(SplitCfgInstruction("a=-4,x", key, args), -4);
  EXPECT_EQ(SplitCfgInstruction("a=12abc", key, args), 12);
  EXPECT_EQ(SplitCfgInstruction("a=copy,x", key, args), 0);
  EXPECT_EQ(SplitCfgInstruction("a=99999999999999999999", key, args), INT_MAX);
  EXPECT_EQ(SplitCfgInstruction("a=-99999999999999999999", key, args), INT_MIN);
  EXPECT_EQ(LeadingNumber("\t\n 42"), 42);
  EXPECT_EQ(LeadingNumber("- 1"), 0);
}

TEST(InstructionLine, MalformedLinesAreLoggedAndLeaveKeyAndArgumentsAlone) {
  LogCapture log;
  for (const char* bad : {"no equals sign", "=1,starts with it", "ends with it=", "", "="}) {
    std::string key = "k", args = "a";
    EXPECT_EQ(SplitCfgInstruction(bad, key, args), -1) << bad;
    EXPECT_EQ(key, "k");
    EXPECT_EQ(args, "a");
  }
  ASSERT_EQ(log.lines.size(), 5u);
  EXPECT_EQ(log.lines[0], "ParseCfgInstruction(): Invalid entry no equals sign.\n");
}

TEST(InstructionLine, ParseReplacesTokensInTheArgumentsOnly) {
  LogCapture log;
  TokenTable tokens;
  tokens.Set("{MAIN_DIR}", "c:\\Vantora");
  std::string key, args;
  EXPECT_EQ(ParseCfgInstruction("{MAIN_DIR}=9,{main_dir}\\bin", key, args, tokens), 9);
  EXPECT_EQ(key, "{MAIN_DIR}");
  EXPECT_EQ(args, "c:\\Vantora\\bin");
  // A token that is missing stays, logged, for the caller to find again.
  EXPECT_EQ(ParseCfgInstruction("x=9,{NOPE}\\a", key, args, tokens), 9);
  EXPECT_EQ(args, "{NOPE}\\a");
  ASSERT_EQ(log.lines.size(), 1u);
}

TEST(InstructionArgs, CopyFieldsAndTheirDefaults) {
  CopyArgs a = SplitCopyArgs("vantora.exe", ",,");
  EXPECT_TRUE(a.hasComma);
  EXPECT_EQ(a.sourceDir, "");
  EXPECT_EQ(a.destDir, "");
  EXPECT_EQ(a.destName, "vantora.exe");
  a = SplitCopyArgs("vantora.exe", "e:\\bin,c:\\v");
  EXPECT_EQ(a.destDir, "c:\\v");
  EXPECT_EQ(a.destName, "vantora.exe");
  a = SplitCopyArgs("k", "s,d,new,name.txt");
  EXPECT_EQ(a.destDir, "d");
  EXPECT_EQ(a.destName, "new,name.txt");
  EXPECT_FALSE(SplitCopyArgs("k", "only a source").hasComma);
  ExtractArgs e = SplitExtractArgs("e:\\pack,c:\\v,with comma");
  EXPECT_EQ(e.sourceDir, "e:\\pack");
  EXPECT_EQ(e.destDir, "c:\\v,with comma");
  EXPECT_FALSE(SplitExtractArgs("x").hasComma);
}

TEST(InstructionArgs, ShortcutFields) {
  ShortcutArgs a = SplitShortcutArgs(" vantora.exe /dial /quiet ", "Vantora,c:\\v,c:\\links");
  ASSERT_TRUE(a.valid);
  EXPECT_EQ(a.name, "Vantora");
  EXPECT_EQ(a.program, "vantora.exe");
  EXPECT_EQ(a.linkArgs, "/dial /quiet");
  EXPECT_EQ(a.programDir, "c:\\v");
  EXPECT_EQ(a.folder, "c:\\links");
  EXPECT_FALSE(a.hasIconFile);
  EXPECT_EQ(a.iconIndex, 0);

  a = SplitShortcutArgs("v.exe", ",,c:\\links,c:\\v\\icons.dll,3");
  ASSERT_TRUE(a.valid);
  EXPECT_EQ(a.name, "v.exe");
  EXPECT_EQ(a.programDir, "");
  EXPECT_EQ(a.linkArgs, "");
  EXPECT_TRUE(a.hasIconFile);
  EXPECT_EQ(a.iconFile, "c:\\v\\icons.dll");
  EXPECT_EQ(a.iconIndex, 3);
  a = SplitShortcutArgs("v.exe", "n,d,f,c:\\i.ico");
  EXPECT_EQ(a.iconFile, "c:\\i.ico");
  EXPECT_EQ(a.iconIndex, 0);
  EXPECT_FALSE(SplitShortcutArgs("v.exe", "n,d").valid);
  EXPECT_FALSE(SplitShortcutArgs("v.exe", "").valid);
}

TEST(InstructionArgs, UserPathShapes) {
  UserPathArgs a = SplitUserPathArgs("Browser,,Where is your browser?^Pick its folder, please");
  ASSERT_EQ(a.shape, UserPathArgs::kOk);
  EXPECT_EQ(a.title, "Browser");
  EXPECT_EQ(a.defaultDir, "");
  EXPECT_EQ(a.text, "Where is your browser?\nPick its folder, please");
  EXPECT_EQ(SplitUserPathArgs("t,c:\\x,").shape, UserPathArgs::kNoText);
  for (const char* bad : {"", "no comma", ",starts", "title,dir only"})
    EXPECT_EQ(SplitUserPathArgs(bad).shape, UserPathArgs::kMalformed) << bad;
}

TEST(InstructionArgs, ExecuteFields) {
  ExecuteArgs a = SplitExecuteArgs("0 e:\\ie\\setup.exe /q /r , ignored, too");
  EXPECT_EQ(a.restartFlag, '0');
  EXPECT_EQ(a.commandLine, "e:\\ie\\setup.exe /q /r");
  EXPECT_EQ(a.programDir, "e:\\ie");
  EXPECT_EQ(a.programFile, "setup.exe");
  a = SplitExecuteArgs("We:/tools/install.exe");
  EXPECT_EQ(a.restartFlag, 'W');
  EXPECT_EQ(a.programDir, "e:\\tools");
  EXPECT_EQ(a.programFile, "install.exe");
  a = SplitExecuteArgs("1setup.exe");
  EXPECT_EQ(a.programDir, "");
  EXPECT_EQ(a.programFile, "setup.exe");
  EXPECT_EQ(SplitExecuteArgs("").commandLine, "");
}

TEST(InstructionArgs, SectionNames) {
  EXPECT_EQ(SectionNameOf("Extras", ""), "Extras");
  EXPECT_EQ(SectionNameOf("Extras", "Browser Files,ignored"), "Browser Files");
  EXPECT_EQ(SectionNameOf("A,B", ""), "A");
  EXPECT_EQ(TrimBlanks(" \t x y \t"), "x y");
  EXPECT_EQ(TrimBlanks("   "), "");
}

}  // namespace
