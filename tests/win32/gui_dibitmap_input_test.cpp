// CDIBitmap and damaged or hostile files: every one fails cleanly with
// FALSE and leaves an object that still loads and draws.
#include <gtest/gtest.h>

#include "core/dib/dib_writer.h"
#include "gui_test_util.h"
#include "gui/qrmgui.h"

namespace {

void Patch32(std::vector<uint8_t>& f, size_t at, uint32_t v) {
  for (int i = 0; i < 4; ++i) f[at + i] = static_cast<uint8_t>(v >> (8 * i));
}

// After a failed load: empty for drawing, and a good file loads again.
void ExpectUsable(CDIBitmap& dib, const std::string& good) {
  Canvas canvas(24, 6);
  CRect rc(0, 0, 24, 6);
  EXPECT_EQ(dib.GetBMHdrPtr(), nullptr);
  EXPECT_FALSE(dib.DrawBitmap(&canvas.dc, rc, SRCCOPY));
  ASSERT_TRUE(dib.LoadDIB(CString(good)));
  EXPECT_TRUE(dib.DrawBitmap(&canvas.dc, rc, SRCCOPY));
}

TEST(CDIBitmapInput, EveryTruncationFailsAndKeepsThePreviousPixels) {
  const std::vector<uint8_t> file = DibMakeFile(MakeTestPicture(24, 6, 4, 3));
  const std::string good = WriteTemp("good.bmp", file);
  CDIBitmap dib;
  ASSERT_TRUE(dib.LoadDIB(CString(good)));
  for (size_t len = 0; len < file.size(); ++len) {
    SCOPED_TRACE(len);
    unsigned char* pixels = dib.GetBMBitsPtr();
    std::string cut = WriteTemp("cut.bmp", std::vector<uint8_t>(file.begin(), file.begin() + len));
    ASSERT_FALSE(dib.LoadDIB(CString(cut)));
    EXPECT_EQ(dib.GetBMBitsPtr(), pixels);  // the old pixel block stays
    ExpectUsable(dib, good);
  }
}

TEST(CDIBitmapInput, HostileHeadersFailCleanly) {
  const std::vector<uint8_t> file = DibMakeFile(MakeTestPicture(24, 6, 8));
  const std::string good = WriteTemp("good8.bmp", file);
  struct Case {
    const char* what;
    size_t at;
    uint32_t value;
  } cases[] = {
      {"12-byte header", 14, 12},
      {"257 colours", 46, 257},
      {"2^32-1 colours", 46, 0xFFFFFFFFu},
      {"huge width", 18, 0x7FFFFFFF},
      {"huge height", 22, 0x7FFFFFFF},
      {"width x height overflows 32 bits", 18, 0x10000},
      {"negative width", 18, 0xFFFFFFF0u},
      {"zero height", 22, 0},
      {"pixels beyond the file", 10, 0x7FFFFFF0},
      {"size beyond the file", 2, 0x7FFFFFF0},
      {"pixel block shorter than the picture", 2, 54 + 1024 + 10},
      {"bit fields", 30, 3},
      {"15 bits per pixel", 28, 15},
  };
  CDIBitmap dib;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    std::vector<uint8_t> bad = file;
    Patch32(bad, c.at, c.value);
    if (c.at == 18 && c.value == 0x10000) Patch32(bad, 22, 0x10000);
    if (c.at == 28) bad[29] = 0;
    ASSERT_FALSE(dib.LoadDIB(CString(WriteTemp("bad.bmp", bad))));
    ExpectUsable(dib, good);
  }
  std::vector<uint8_t> notBm = file;
  notBm[0] = 'M';
  notBm[1] = 'B';
  EXPECT_FALSE(dib.LoadDIB(CString(WriteTemp("bad.bmp", notBm))));
  EXPECT_EQ(HeapValidate(GetProcessHeap(), 0, nullptr), TRUE);
}

TEST(CDIBitmapInput, FileOpenForWritingByAnotherStillLoads) {
  std::string path = WriteTemp("shared.bmp", DibMakeFile(MakeTestPicture(8, 2, 8)));
  HANDLE writer = CreateFileA(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                              nullptr, OPEN_EXISTING, 0, nullptr);
  ASSERT_NE(writer, INVALID_HANDLE_VALUE);
  CDIBitmap dib;
  EXPECT_TRUE(dib.LoadDIB(CString(path)));
  CloseHandle(writer);
}

}  // namespace
