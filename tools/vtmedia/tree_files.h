// Folders of files on the build machine, as the media builder handles
// them: whole trees copied and removed, files read and written whole. On
// vtpack's host file layer, so it works natively and as a Windows program.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

bool ReadWhole(const std::string& path, std::vector<uint8_t>* bytes);
bool WriteWhole(const std::string& path, const std::vector<uint8_t>& bytes);
bool WriteWhole(const std::string& path, const std::string& text);
// Every file below `root`, as relative paths with backslashes, sorted.
bool ListTree(const std::string& root, std::vector<std::string>* files);
// Copies every file below `from` to the same place below `to`.
bool CopyTree(const std::string& from, const std::string& to, std::string* failed);
// Removes `path` and everything below it; true when nothing is left.
bool RemoveTree(const std::string& path);
// Sets the modification time of every file and folder below `root`
// (seconds since 1970).
bool DateTree(const std::string& root, long long epoch);
