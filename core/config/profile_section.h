// Splitting what the profile functions return for a whole section.
#pragma once
#include <cstddef>
#include <string>
#include <vector>

// Appends each NUL-terminated line of `buffer` (up to the first empty line or
// `length`) to `lines`, skipping lines whose first character is ';'.
void AppendSectionLines(const char* buffer, size_t length, std::vector<std::string>& lines);

// The profile functions signal a section that did not fit by returning the
// buffer size minus 2; the buffer then grows by this much and is read again.
constexpr size_t kSectionBufferStep = 1024;
// Where reading a section gives up growing (a sound bound for hostile files).
constexpr size_t kSectionBufferMax = 16u * 1024 * 1024;
