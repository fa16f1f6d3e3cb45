// CDIBPalette: palettes from headers, pictures and resources, black
// palettes, and the merge of another palette's colours.
#include <gtest/gtest.h>

#include <atomic>
#include <thread>

#include "core/dib/dib_writer.h"
#include "gui_test_ids.h"
#include "gui_test_util.h"
#include "gui/qrmgui.h"

namespace {

std::vector<PALETTEENTRY> Entries(const CPalette& pal) {
  std::vector<PALETTEENTRY> e(static_cast<size_t>(pal.GetEntryCount()));
  if (!e.empty()) pal.GetPaletteEntries(0, static_cast<UINT>(e.size()), e.data());
  return e;
}

uint32_t Rgb(const PALETTEENTRY& e) { return e.peRed << 16 | e.peGreen << 8 | e.peBlue; }

TEST(CDIBPalette, FromHeaderTakesUsedColoursAndBlackensTheRest) {
  std::vector<uint8_t> packed = DibMakePacked(MakeTestPicture(24, 6, 4, 3));
  CDIBPalette pal;
  ASSERT_TRUE(pal.Create(reinterpret_cast<BITMAPINFO*>(packed.data())));
  std::vector<PALETTEENTRY> e = Entries(pal);
  ASSERT_EQ(e.size(), 16u);
  for (uint32_t i = 0; i < 3; ++i) EXPECT_EQ(Rgb(e[i]), TestColor(i));
  for (size_t i = 3; i < 16; ++i) EXPECT_EQ(Rgb(e[i]) | e[i].peFlags, 0u) << i;
}

TEST(CDIBPalette, FromHeaderAbove8BitsBuildsNothing) {
  std::vector<uint8_t> packed = DibMakePacked(MakeTestPicture(4, 4, 24));
  CDIBPalette pal;
  EXPECT_TRUE(pal.Create(reinterpret_cast<BITMAPINFO*>(packed.data())));
  EXPECT_EQ(pal.GetSafeHandle(), nullptr);
}

TEST(CDIBPalette, UsedCountAboveTheDepthIsClamped) {
  // A 1-bit header claiming 200 colours, followed by exactly two.
  std::vector<uint8_t> packed = DibMakePacked(MakeTestPicture(8, 1, 1));
  packed[32] = 200;
  std::vector<uint8_t> exact(packed.begin(), packed.begin() + 48);
  CDIBPalette pal;
  ASSERT_TRUE(pal.Create(reinterpret_cast<BITMAPINFO*>(exact.data())));
  EXPECT_EQ(pal.GetEntryCount(), 2);
}

TEST(CDIBPalette, FromFilePictureUsesReferenceColoursWithNoCollapse) {
  CDIBitmap dib;
  ASSERT_TRUE(dib.LoadDIB(CString(WriteTemp("p.bmp", DibMakeFile(MakeTestPicture(16, 4, 8))))));
  CDIBPalette pal;
  ASSERT_TRUE(pal.Create(&dib, 0));
  std::vector<PALETTEENTRY> e = Entries(pal);
  ASSERT_EQ(e.size(), 256u);
  for (uint32_t i = 0; i < 256; ++i) {
    ASSERT_EQ(Rgb(e[i]), TestColor(i)) << i;  // not the index table
    ASSERT_EQ(e[i].peFlags, PC_NOCOLLAPSE);
  }
}

TEST(CDIBPalette, FromResourcePictureUsesHeaderColoursReserved) {
  CDIBitmap dib;
  ASSERT_TRUE(dib.LoadDIB(GetModuleHandleA(nullptr), IDB_TEST4_61, 0));
  CDIBPalette pal;
  ASSERT_TRUE(pal.Create(&dib, 1));
  std::vector<PALETTEENTRY> e = Entries(pal);
  ASSERT_EQ(e.size(), 16u);
  EXPECT_EQ(Rgb(e[5]), TestColor(5));
  EXPECT_EQ(e[5].peFlags, PC_RESERVED);
}

TEST(CDIBPalette, FromResource) {
  CDIBPalette pal;
  ASSERT_TRUE(pal.Create(GetModuleHandleA(nullptr), IDB_TEST4_USED));
  EXPECT_EQ(pal.GetEntryCount(), 16);
  EXPECT_EQ(Rgb(Entries(pal)[2]), TestColor(2));
  CDIBPalette missing;
  EXPECT_FALSE(missing.Create(GetModuleHandleA(nullptr), 9999));
  EXPECT_EQ(missing.GetSafeHandle(), nullptr);
}

TEST(CDIBPalette, BlackPaletteIsReserved) {
  CDIBPalette pal;
  ASSERT_TRUE(pal.CreateBlack(5));
  std::vector<PALETTEENTRY> e = Entries(pal);
  ASSERT_EQ(e.size(), 5u);
  for (const PALETTEENTRY& p : e) EXPECT_EQ(Rgb(p) << 8 | p.peFlags, 1u);
  CDIBPalette none;
  EXPECT_FALSE(none.CreateBlack(0));
}

TEST(CDIBPalette, AppendsOnlyTheOtherPalettesNonBlackColours) {
  CDIBPalette base;
  ASSERT_TRUE(base.CreateBlack(4));
  // 256 entries of which 10 are black.
  std::vector<uint8_t> packed = DibMakePacked(MakeTestPicture(8, 1, 8));
  for (int i = 0; i < 10; ++i)
    for (int b = 0; b < 3; ++b) packed[40 + 4 * (i * 20) + b] = 0;
  CDIBPalette other;
  ASSERT_TRUE(other.Create(reinterpret_cast<BITMAPINFO*>(packed.data())));
  base += other;
  std::vector<PALETTEENTRY> e = Entries(base);
  ASSERT_EQ(e.size(), 4u + 246u);
  EXPECT_EQ(Rgb(e[4]), TestColor(1));  // entry 0 was black
  EXPECT_EQ(e[4].peFlags, 0);
  EXPECT_EQ(Rgb(e[249]), TestColor(255));
  CDIBPalette black;
  ASSERT_TRUE(black.CreateBlack(16));
  base += black;
  EXPECT_EQ(base.GetEntryCount(), 250);
}

// A picture without colours: the message box, with the program's name as
// its caption, answered by a watcher.
TEST(CDIBPalette, PictureWithoutColoursSaysSo) {
  CWinApp app("Vantora Installation");
  CDIBitmap dib;
  ASSERT_TRUE(dib.LoadDIB(GetModuleHandleA(nullptr), IDB_TEST24_30, 0));
  std::atomic<bool> stop{false};
  std::string seen;
  std::thread watcher([&] {
    while (!stop) {
      HWND box = FindWindowA("#32770", "Vantora Installation");
      char text[128] = "";
      // The box exists a moment before its text does.
      if (box && GetDlgItemTextA(box, 0xFFFF, text, sizeof text) > 0) {
        seen = text;
        PostMessageA(box, WM_COMMAND, IDOK, 0);
        return;
      }
      Sleep(10);
    }
  });
  CDIBPalette pal;
  EXPECT_FALSE(pal.Create(&dib, 0));
  stop = true;
  watcher.join();
  EXPECT_EQ(seen, "No color table in this DIB");
}

}  // namespace
