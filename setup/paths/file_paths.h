// Path operations that touch the file system.
#pragma once
#include <string>

#include "core/paths/path_ops.h"

// Creates every directory along a drive-rooted path ("c:\a\b"). 0 for an
// empty path or any other form, and when a directory cannot be created for
// any reason but that it exists already; else 1.
int CreatePath(const std::string& path);

// True when `name` (joined to `dir` when `dir` is not empty) exists, as a
// file or a directory. False for an empty name.
bool FileExistsIn(const std::string& name, const std::string& dir);
