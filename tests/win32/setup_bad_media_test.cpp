// Bad media against the unpacking and copying of the installation, on the
// real file system under Wine: an archive cut short at every byte, every
// bit of its entry table and of an entry's data flipped, paths at and over
// the path limit, names with blanks and with characters of the Western
// code page. Each ends with the entry unpacked or with a message, never
// with a file outside the destination or a half-written one, and quickly.
#include <gtest/gtest.h>

#include <windows.h>

#include <chrono>
#include <string>
#include <vector>

#include "core/log/log_sink.h"
#include "setup/archive/extract_archive.h"
#include "setup/paths/file_copy.h"
#include "setup/paths/file_paths.h"
#include "scripted_app.h"
#include "test_archives.h"

namespace {

void DropLog(const char*, size_t) {}

// Every file below `dir`, as paths relative to it.
void ListFiles(const std::string& dir, const std::string& prefix, std::vector<std::string>& out) {
  WIN32_FIND_DATAA found;
  HANDLE h = FindFirstFileA((dir + "\\*").c_str(), &found);
  if (h == INVALID_HANDLE_VALUE) return;
  do {
    const std::string name = found.cFileName;
    if (name == "." || name == "..") continue;
    if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
      ListFiles(dir + "\\" + name, prefix + name + "\\", out);
    else
      out.push_back(prefix + name);
  } while (FindNextFileA(h, &found));
  FindClose(h);
}

void RemoveFiles(const std::string& dir) {
  std::vector<std::string> files;
  ListFiles(dir, "", files);
  for (const std::string& f : files) DeleteFileA((dir + "\\" + f).c_str());
}

const std::vector<PackedFile> kFiles = {
    {"FIRST.TXT", "the first entry"},
    {"SECOND.TXT", [] {
       std::string s;
       for (int i = 0; i < 120; ++i) s += "line " + std::to_string(i) + " of the second entry\r\n";
       return s;
     }()},
    {"THIRD.TXT", "the third entry"},
};

class BadMedia : public ::testing::Test {
 protected:
  BadMedia() : dir("bad_media") {
    SetLogSink(DropLog);
    archive = MakeArchive(dir / "media.z", false, kFiles);
    original = ReadTextFile(archive);
  }
  ~BadMedia() override { SetLogSink(nullptr); }

  // Unpacks `bytes` as the archive into a fresh destination and checks
  // what came out: only the archive's names, each whole or (for a flip in
  // its data, which the format carries no check for) at least not
  // half-written; a failure explained by a message. Counts what it saw.
  void Unpack(const std::string& bytes, const std::string& what) {
    ASSERT_TRUE(WriteTextFile(archive, bytes));
    RemoveFiles(dir / "out");
    app.boxes.clear();
    const int result = ExtractArchive(archive, dir / "out");
    ASSERT_TRUE(result == 0 || result == 1) << what << ": " << result;
    if (result == 0) {
      ASSERT_FALSE(app.boxes.empty()) << what << ": a failure without a message";
      ++refused;
    }
    std::vector<std::string> inside, everywhere;
    ListFiles(dir / "out", "", inside);
    for (const std::string& f : inside) {
      EXPECT_EQ(f.find(".~vt"), std::string::npos) << what << ": a partial file is left: " << f;
      bool known = false;
      for (const PackedFile& p : kFiles)
        if (p.name == f) {
          known = true;
          if (ReadTextFile(dir / "out\\" + f) != p.text) ++changed;
        }
      if (!known) ++renamed;  // a flip in a name: a new name, still inside
    }
    ListFiles(dir.path(), "", everywhere);
    EXPECT_EQ(everywhere.size(), inside.size() + 1) << what << ": a file outside the destination";
  }

  ScratchDir dir;
  ScriptedApp app;
  std::string archive, original;
  int refused = 0, changed = 0, renamed = 0;
};

TEST_F(BadMedia, AnArchiveCutShortAtEveryByte) {
  const auto start = std::chrono::steady_clock::now();
  for (size_t size = 0; size < original.size(); ++size) {
    Unpack(original.substr(0, size), "cut at " + std::to_string(size));
    if (HasFatalFailure()) return;
    EXPECT_EQ(changed, 0) << "cut at " << size << ": a cut file is never taken for a whole one";
  }
  EXPECT_EQ(refused, static_cast<int>(original.size()));
  const auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - start);
  std::printf("%zu cuts unpacked in %lld ms\n", original.size(), static_cast<long long>(ms.count()));
  EXPECT_LT(ms.count(), 60000);
}

TEST_F(BadMedia, EveryBitOfTheTableAndOfAnEntryFlipped) {
  ArchiveEntry second;
  {
    MemorySource source(reinterpret_cast<const uint8_t*>(original.data()), original.size());
    ArchiveReader reader(source);
    ASSERT_TRUE(reader.ReadHeader());
    ArchiveEntry e;
    ASSERT_TRUE(reader.NextEntry(e) && reader.NextEntry(second));
  }
  const size_t table_end = kFiles.size() * (kShortNameField + 8 + 4 + 4) + 4;
  std::vector<size_t> bytes;
  for (size_t at = 0; at < table_end; ++at) bytes.push_back(at);
  for (size_t at = second.data_start; at < second.data_end; ++at) bytes.push_back(at);
  const auto start = std::chrono::steady_clock::now();
  for (size_t at : bytes) {
    for (int bit = 0; bit < 8; ++bit) {
      std::string flipped = original;
      flipped[at] = static_cast<char>(flipped[at] ^ (1 << bit));
      Unpack(flipped, "bit " + std::to_string(bit) + " of byte " + std::to_string(at));
      if (HasFatalFailure()) return;
    }
  }
  const auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - start);
  std::printf("%zu flips: %d refused with a message, %d entries unpacked under another name, %d with other "
              "contents (the format has no checksum), in %lld ms\n",
              bytes.size() * 8, refused, renamed, changed, static_cast<long long>(ms.count()));
  EXPECT_GT(refused, 0);
  EXPECT_LT(ms.count(), 120000);
}

// The longest path a file can have is 259 characters; a folder, 247.
TEST_F(BadMedia, PathsAtAndOverThePathLimit) {
  std::string deep = dir.path();
  while (deep.size() < 230) deep += "\\" + std::string(std::min<size_t>(40, 239 - deep.size()), 'd');
  ASSERT_TRUE(CreatePath(deep)) << deep.size();
  const size_t room = MAX_PATH - 1 - deep.size() - 1;  // the name that makes 259
  const std::string fits(room, 'f'), over(room + 1, 'o');
  MakeArchive(archive, true, {{fits, "at the limit"}, {over, "over it"}});
  app.boxes.clear();
  EXPECT_EQ(ExtractArchive(archive, deep), 0);
  EXPECT_EQ(ReadTextFile(deep + "\\" + fits), "at the limit");
  ASSERT_EQ(app.boxes.size(), 1u);
  EXPECT_EQ(app.boxes[0].text.find("Unpack error: Cannot create file " + over + ".\n"), 0u) << app.boxes[0].text;
  // A copy the same way: at the limit it is made, over it refused.
  EXPECT_EQ(CopyOverwriting(archive, deep + "\\" + std::string(room, 'c')), DWORD(ERROR_SUCCESS));
  EXPECT_EQ(CopyOverwriting(archive, deep + "\\" + std::string(room + 1, 'c')), DWORD(ERROR_FILENAME_EXCED_RANGE));
  std::vector<std::string> left;
  ListFiles(deep, "", left);
  EXPECT_EQ(left.size(), 2u) << ::testing::PrintToString(left);
}

TEST_F(BadMedia, NamesWithBlanksAndWesternCharacters) {
  const std::vector<PackedFile> files = {
      {"read me first.txt", "blanks"}, {"caf\xe9 cr\xe8me.txt", "accents"}, {"Stra\xdf" "e \xfc" "ber.txt", "sharp s"}};
  MakeArchive(archive, true, files);
  EXPECT_EQ(ExtractArchive(archive, dir / "out"), 1);
  for (const PackedFile& f : files) {
    EXPECT_EQ(ReadTextFile(dir / "out\\" + f.name), f.text) << f.name;
  }
  ASSERT_TRUE(CreatePath(dir / "copies"));
  for (const PackedFile& f : files) {
    EXPECT_EQ(CopyOverwriting(dir / "out\\" + f.name, dir / "copies\\" + f.name), DWORD(ERROR_SUCCESS));
    EXPECT_EQ(ReadTextFile(dir / "copies\\" + f.name), f.text) << f.name;
  }
  EXPECT_TRUE(app.boxes.empty());
}

}  // namespace
