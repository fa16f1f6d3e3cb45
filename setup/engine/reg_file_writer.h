// Registry files from the media, made ready for the registry editor: their
// tokens are filled in (core/config/reg_rewrite.h has the format notes),
// then the system's registry editor merges them.
#pragma once
#include <string>

#include "core/config/reg_rewrite.h"
#include "core/config/token_table.h"
#include "framework/object.h"

class CRegFileWriter : public CObject {
 public:
  // Results of Rewrite: 0, the cause of a file that cannot be opened, or
  // kEmptyFile.
  enum : int {
    kDone = 0,
    kGeneric = 1,
    kFileNotFound = 2,
    kBadPath = 3,
    kTooManyOpenFiles = 4,
    kAccessDenied = 5,
    kSharingViolation = 11,
    kLockViolation = 12,
    kEmptyFile = 13,
  };

  // Copies the path and the table: later changes to the table do not reach
  // this file. An empty path makes Rewrite do nothing.
  CRegFileWriter(const std::string& path, const TokenTable& tokens);
  int Rewrite();

  std::string m_strPath;
  RegTokens m_tokens;
};

// Runs "REGEDIT.EXE /s <path>" and waits for it to end. The path is quoted
// when it holds a blank, so a folder like "c:\Program Files" reaches the
// editor as one argument. Always 0: the editor's own outcome is not known.
int RunRegistryEditor(const std::string& path);
