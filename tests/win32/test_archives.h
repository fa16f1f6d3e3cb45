// Packed archives made on the spot for the tests.
#pragma once
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/archive/archive_format.h"
#include "core/dcl/dcl_encode.h"
#include "scripted_app.h"

struct PackedFile {
  std::string name;
  std::string text;
};

constexpr uint64_t kPackedTime = 0x01C0A1B2C3D4E5F0ull;  // a day in 2000

// Writes an archive of `files` (with path names when `paths`) to `path`.
inline std::string MakeArchive(const std::string& path, bool paths, const std::vector<PackedFile>& files) {
  ArchiveWriter w(paths);
  for (const PackedFile& f : files) {
    DclEncoderOptions o;
    auto stream = DclEncodeBuffer(f.text.data(), f.text.size(), o);
    EXPECT_TRUE(w.Add(f.name, kPackedTime, stream)) << w.error();
  }
  VectorSink sink;
  EXPECT_TRUE(w.WriteTo(sink));
  EXPECT_TRUE(WriteTextFile(path, std::string(sink.bytes.begin(), sink.bytes.end())));
  return path;
}
