// The executors of setup.cfg's instruction kinds (core/config/instruction.h
// documents each kind and its fields). Each takes the instruction's key and
// its token-replaced arguments and returns a VTCfgResult: 1 go on, 2 failed
// but go on was chosen, 0 stop (cancel or decline), -1 error. The list
// loop (CSetupVTApp::RunCfgInstructions) calls them through its table, on
// the installation worker; they reach the user only through the
// application's services.
#pragma once
#include <string>

using VTCfgExecutor = int (*)(const std::string& key, const std::string& arguments);

int VTCfgCopy(const std::string& key, const std::string& arguments);
int VTCfgExtract(const std::string& key, const std::string& arguments);
int VTCfgRegImport(const std::string& key, const std::string& arguments);
int VTCfgShortcut(const std::string& key, const std::string& arguments);
int VTCfgRunSection(const std::string& key, const std::string& arguments);
int VTCfgDelete(const std::string& key, const std::string& arguments);
int VTCfgUserPath(const std::string& key, const std::string& arguments);
int VTCfgCreateDir(const std::string& key, const std::string& arguments);
// quiet: no questions, no remembered state (an always-installed item);
// then -1 when the program cannot be started.
int VTCfgExecute(const std::string& key, const std::string& arguments, bool quiet);
// The list loop's form: not quiet.
int VTCfgExecuteLine(const std::string& key, const std::string& arguments);

// Run-section instructions nest at most this deep: a section that runs
// itself, directly or through others, ends with -1 here.
constexpr int kMaxSectionDepth = 32;

// The Ignore question for a line the engine cannot run: "Illigal entry
// \"<what>\" in SETUP.CFG\nIgnore?" (stop icon, Yes/No), logged with
// " Ignored" or " Aborted". TRUE for Ignore.
bool AskIgnoreEntry(const std::string& what);
