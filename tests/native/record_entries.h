// Record entries for the uninstaller's tests, native and under Wine.
#pragma once
#include <string>

#include "core/record/install_record.h"

inline RecordEntry Entry(RecordKind kind, const std::string& path, bool existed = false,
                         const std::string& name = "") {
  RecordEntry e;
  e.kind = kind;
  e.path = path;
  e.existed = existed;
  e.name = name;
  return e;
}
