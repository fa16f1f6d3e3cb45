// CDIBitmap across the DLL boundary: loads from files and resources, and
// what its drawing leaves in a memory canvas, pixel by pixel.
#include <gtest/gtest.h>

#include <cstring>
#include <memory>

#include "core/dib/dib_writer.h"
#include "gui_test_ids.h"
#include "gui_test_util.h"
#include "gui/qrmgui.h"

namespace {

constexpr uint32_t kDest = 0x123456;

uint32_t ProbeColor(uint32_t i) { return (i & 255) << 16 | (255 - (i & 255)) << 8 | 77; }

// A palette whose entry i is ProbeColor(i): drawing a file picture through
// it shows which index each pixel carries.
std::unique_ptr<CPalette> ProbePalette() {
  std::vector<uint8_t> block(8 + 4 * 256);
  auto* rec = reinterpret_cast<LOGPALETTE*>(block.data());
  rec->palVersion = 0x300;
  rec->palNumEntries = 256;
  for (uint32_t i = 0; i < 256; ++i) {
    uint32_t c = ProbeColor(i);
    rec->palPalEntry[i] = {static_cast<BYTE>(c >> 16), static_cast<BYTE>(c >> 8),
                           static_cast<BYTE>(c), 0};
  }
  auto pal = std::make_unique<CPalette>();
  pal->CreatePalette(rec);
  return pal;
}

HINSTANCE Self() { return GetModuleHandleA(nullptr); }

// Draws a file picture through the probe palette and compares every pixel.
// A file picture drawn through the probe palette shows entry i for index i.
void ExpectDrawsThroughProbePalette(CDIBitmap& dib, const DibImage& image) {
  Canvas canvas(image.width, image.height);
  auto pal = ProbePalette();
  canvas.dc.SelectPalette(pal.get(), FALSE);
  canvas.dc.RealizePalette();
  CRect rc(0, 0, image.width, image.height);
  ASSERT_TRUE(dib.DrawBitmap(&canvas.dc, rc, SRCCOPY));
  for (int y = 0; y < image.height; ++y)
    for (int x = 0; x < image.width; ++x) {
      uint32_t v = image.At(x, y);
      uint32_t want = image.bitCount == 24 ? v : ProbeColor(v);
      ASSERT_EQ(canvas.At(x, image.height - 1 - y), want) << x << "," << y;
    }
  canvas.dc.SelectObject(GetStockObject(DEFAULT_PALETTE));
}

void ExpectFileFollowsPalette(const DibImage& image, const char* name) {
  SCOPED_TRACE(name);
  CDIBitmap dib;
  ASSERT_TRUE(dib.LoadDIB(CString(WriteTemp(name, DibMakeFile(image)))));
  EXPECT_EQ(dib.GetBMWidth(), image.width);
  EXPECT_EQ(dib.GetBMHeight(), image.height);
  uint32_t n = DibColorCount(image.clrUsed, image.bitCount);
  EXPECT_EQ(dib.GetNumClrEntries(), static_cast<int>(n));
  // Header holds the index table; the colours went to the reference table.
  auto* index = reinterpret_cast<const uint16_t*>(dib.GetBMColorTabPtr());
  for (uint32_t i = 0; i < n; ++i) {
    ASSERT_EQ(index[i], i);
    const RGBQUAD& q = dib.GetEtalonColors()[i];
    ASSERT_EQ(static_cast<uint32_t>(q.rgbRed << 16 | q.rgbGreen << 8 | q.rgbBlue), TestColor(i));
  }
  ExpectDrawsThroughProbePalette(dib, image);
}

TEST(CDIBitmap, FreshObjectIsEmptyAndDrawsNothing) {
  CDIBitmap dib;
  Canvas canvas(4, 4);
  CRect rc(0, 0, 4, 4);
  EXPECT_FALSE(dib.DrawBitmap(&canvas.dc, rc, SRCCOPY));
  EXPECT_FALSE(dib.DrawTransparentBitmap(&canvas.dc, rc));
  EXPECT_EQ(dib.GetBMHdrPtr(), nullptr);
  EXPECT_EQ(dib.GetBMColorTabPtr(), nullptr);
  EXPECT_EQ(dib.GetNumClrEntries(), 0);
  EXPECT_EQ(dib.GetBMWidth(), 0);
}

TEST(CDIBitmap, RunTimeClassRecordCreatesObjects) {
  const CRuntimeClass* cls = RUNTIME_CLASS(CDIBitmap);
  EXPECT_STREQ(cls->m_lpszClassName, "CDIBitmap");
  EXPECT_EQ(cls->m_wSchema, 0u);
  std::unique_ptr<CObject> obj(cls->CreateObject());
  ASSERT_NE(obj, nullptr);
  EXPECT_EQ(obj->GetRuntimeClass(), cls);
  EXPECT_TRUE(obj->IsKindOf(RUNTIME_CLASS(CObject)));
  // Heap objects of the library go through their virtual destructor.
  CDIBitmap* dib = static_cast<CDIBitmap*>(obj.get());
  EXPECT_TRUE(dib->LoadDIB(Self(), IDB_TEST8_64, 0));
}

// The virtual-table slot of a virtual member function: callers in other
// modules call by slot, so the order is part of the library's interface.
template <typename F>
ptrdiff_t Slot(F f) {
  struct {
    uintptr_t ptr;  // 1 + byte offset in the table, for a virtual function
    ptrdiff_t adj;
  } pmf;
  static_assert(sizeof f == sizeof pmf, "pointer to member function layout");
  std::memcpy(&pmf, &f, sizeof pmf);
  return static_cast<ptrdiff_t>((pmf.ptr - 1) / sizeof(void*));
}

TEST(QRMGUI, VirtualOperationsKeepTheirSlots) {
  using Res = int (CDIBitmap::*)(HINSTANCE, UINT, UINT);
  using File = int (CDIBitmap::*)(const CString&);
  EXPECT_EQ(Slot(&CDIBitmap::GetRuntimeClass), 0);  // then the two destructor entries
  EXPECT_EQ(Slot(&CDIBitmap::Serialize), 3);
  EXPECT_EQ(Slot(&CDIBitmap::AssertValid), 4);
  EXPECT_EQ(Slot(&CDIBitmap::Dump), 5);
  EXPECT_EQ(Slot(static_cast<Res>(&CDIBitmap::LoadDIB)), 6);
  EXPECT_EQ(Slot(static_cast<File>(&CDIBitmap::LoadDIB)), 7);
  EXPECT_EQ(Slot(&CDIBitmap::DrawBitmap), 8);
  EXPECT_EQ(Slot(&CDIBitmap::DrawTransparentBitmap), 9);
  // The splash's own two follow the window class's, whose last one is the
  // message map's accessor.
  using SplashFile = int (VTSplashWnd::*)(const CString&, UINT);
  using SplashRes = int (VTSplashWnd::*)(HINSTANCE, UINT, UINT);
  EXPECT_EQ(Slot(static_cast<SplashFile>(&VTSplashWnd::Create)), Slot(&CWnd::GetMessageMap) + 1);
  EXPECT_EQ(Slot(static_cast<SplashRes>(&VTSplashWnd::Create)),
            Slot(static_cast<SplashFile>(&VTSplashWnd::Create)) + 1);
  EXPECT_EQ(Slot(&VTSplashWnd::PreTranslateMessage), Slot(&CWnd::PreTranslateMessage));
}

TEST(CDIBitmap, FilePicturesFollowTheSelectedPalette) {
  ExpectFileFollowsPalette(MakeTestPicture(61, 10, 8), "f8.bmp");
  ExpectFileFollowsPalette(MakeTestPicture(372, 4, 8), "f8w.bmp");
  ExpectFileFollowsPalette(MakeTestPicture(61, 9, 4), "f4.bmp");
  ExpectFileFollowsPalette(MakeTestPicture(40, 8, 1), "f1.bmp");
  ExpectFileFollowsPalette(MakeTestPicture(24, 6, 4, 3), "fused.bmp");
  ExpectFileFollowsPalette(MakeTestPicture(30, 7, 24), "f24.bmp");
}

// A resource load that fails after a file load leaves the file picture as it
// was: its index table with palette-index usage (read as RGB colours, the
// table of 2-byte indices would be read past its end).
TEST(CDIBitmap, FailedResourceLoadKeepsTheFilePictureDrawable) {
  struct Probe : CDIBitmap {
    UINT Usage() const { return m_nUsage; }
  } dib;
  const DibImage image = MakeTestPicture(61, 10, 8);
  ASSERT_TRUE(dib.LoadDIB(CString(WriteTemp("keep8.bmp", DibMakeFile(image)))));
  BITMAPINFO* header = dib.GetBMHdrPtr();
  EXPECT_FALSE(dib.LoadDIB(Self(), 9999, 0));  // no such resource
  EXPECT_EQ(dib.Usage(), static_cast<UINT>(DIB_PAL_COLORS));
  EXPECT_EQ(dib.GetBMHdrPtr(), header);
  EXPECT_EQ(dib.GetBMWidth(), 61);
  ExpectDrawsThroughProbePalette(dib, image);
}

TEST(CDIBitmap, Resource372IsStored376WideWithTwoFillColumnsEachSide) {
  CDIBitmap dib;
  ASSERT_TRUE(dib.LoadDIB(Self(), IDB_TEST8_372, 0));
  ASSERT_EQ(dib.GetBMWidth(), 376);
  ASSERT_EQ(dib.GetBMHeight(), 20);
  EXPECT_EQ(dib.GetEtalonColors(), nullptr);
  EXPECT_EQ(dib.GetNumClrEntries(), 256);
  const unsigned char* bits = dib.GetBMBitsPtr();
  const uint32_t key = TestPixel(0, 0, 8, 256);
  for (int y = 0; y < 20; ++y) {
    const unsigned char* row = bits + y * 376;
    EXPECT_EQ(row[0], key);
    EXPECT_EQ(row[1], key);
    EXPECT_EQ(row[374], key);
    EXPECT_EQ(row[375], key);
    for (int x = 0; x < 372; ++x) ASSERT_EQ(row[2 + x], TestPixel(x, y, 8, 256)) << x << "," << y;
  }
  // Drawn with its own RGB colours.
  Canvas canvas(376, 20);
  CRect rc(0, 0, 376, 20);
  ASSERT_TRUE(dib.DrawBitmap(&canvas.dc, rc, SRCCOPY));
  EXPECT_EQ(canvas.At(0, 19), TestColor(key));
  EXPECT_EQ(canvas.At(2 + 100, 19 - 5), TestColor(TestPixel(100, 5, 8, 256)));
}

TEST(CDIBitmap, ResourceWidthMultipleOf8IsCopiedUnchanged) {
  CDIBitmap dib;
  ASSERT_TRUE(dib.LoadDIB(Self(), IDB_TEST8_64, 0));
  std::vector<uint8_t> packed = DibMakePacked(MakeTestPicture(64, 16, 8));
  ASSERT_EQ(dib.GetBMWidth(), 64);
  EXPECT_EQ(std::memcmp(dib.GetBMBitsPtr(), packed.data() + 40 + 1024, 64 * 16), 0);
  EXPECT_EQ(std::memcmp(dib.GetBMColorTabPtr(), packed.data() + 40, 1024), 0);
}

TEST(CDIBitmap, PaddedResourceRowsAreTakenAtTheirStride) {
  CDIBitmap dib;
  ASSERT_TRUE(dib.LoadDIB(Self(), IDB_TEST8_61, 0));
  ASSERT_EQ(dib.GetBMWidth(), 64);
  const unsigned char* bits = dib.GetBMBitsPtr();
  for (int y = 0; y < 10; ++y)
    for (int x = 0; x < 61; ++x) ASSERT_EQ(bits[y * 64 + 1 + x], TestPixel(x, y, 8, 256));
}

// Every pixel of a transparent draw at the picture's size: the destination
// where the picture shows its bottom-left colour, the picture elsewhere.
void ExpectTransparent(CDIBitmap& dib, const DibImage& image, uint32_t left) {
  const int W = dib.GetBMWidth(), H = dib.GetBMHeight();
  Canvas canvas(W, H);
  canvas.Fill(kDest);
  CRect rc(0, 0, W, H);
  ASSERT_TRUE(dib.DrawTransparentBitmap(&canvas.dc, rc));
  const uint32_t key = image.At(0, 0);
  for (int y = 0; y < H; ++y)
    for (int x = 0; x < W; ++x) {
      bool inside = x >= static_cast<int>(left) && x < static_cast<int>(left) + image.width;
      uint32_t v = inside ? image.At(x - left, y) : key;
      uint32_t want = v == key ? kDest : TestColor(v);
      ASSERT_EQ(canvas.At(x, H - 1 - y), want) << x << "," << y;
    }
}

TEST(CDIBitmap, TransparentDrawKeepsDestinationUnderWhiteMask) {
  CDIBitmap dib;
  ASSERT_TRUE(dib.LoadDIB(Self(), IDB_TEST8_372, 0));
  ExpectTransparent(dib, MakeTestPicture(372, 20, 8), 2);
  ASSERT_TRUE(dib.LoadDIB(Self(), IDB_TEST4_61, 0));
  EXPECT_EQ(dib.GetBMWidth(), 64);
  ExpectTransparent(dib, MakeTestPicture(61, 9, 4), 1);
}

TEST(CDIBitmap, TransparentDrawWithMaskResource) {
  CDIBitmap dib;
  ASSERT_TRUE(dib.LoadDIB(Self(), IDB_TEST8_64, IDB_TESTMASK_64));
  Canvas canvas(64, 16);
  canvas.Fill(kDest);
  CRect rc(0, 0, 64, 16);
  ASSERT_TRUE(dib.DrawTransparentBitmap(&canvas.dc, rc));
  for (int y = 0; y < 16; ++y)
    for (int x = 0; x < 64; ++x) {
      bool white = TestPixel(x, y, 1, 2) == 1;
      uint32_t want = white ? kDest : TestColor(TestPixel(x, y, 8, 256));
      ASSERT_EQ(canvas.At(x, 15 - y), want) << x << "," << y;
    }
}

TEST(CDIBitmap, OneAnd24BitResourcesGetNoMask) {
  CDIBitmap dib;
  Canvas canvas(64, 16);
  CRect rc(0, 0, 40, 8);
  ASSERT_TRUE(dib.LoadDIB(Self(), IDB_TEST1_40, 0));
  EXPECT_EQ(dib.GetBMWidth(), 40);
  EXPECT_FALSE(dib.DrawTransparentBitmap(&canvas.dc, rc));
  EXPECT_TRUE(dib.DrawBitmap(&canvas.dc, rc, SRCCOPY));
  EXPECT_EQ(canvas.At(3, 7), TestColor(TestPixel(3, 0, 1, 2)));
  ASSERT_TRUE(dib.LoadDIB(Self(), IDB_TEST24_30, 0));
  EXPECT_EQ(dib.GetBMWidth(), 32);
  EXPECT_EQ(dib.GetEtalonColors(), nullptr);
  EXPECT_FALSE(dib.DrawTransparentBitmap(&canvas.dc, rc));
  CRect rc24(0, 0, 32, 7);
  ASSERT_TRUE(dib.DrawBitmap(&canvas.dc, rc24, SRCCOPY));
  // 24-bit rows widen by pixels: one fill pixel on the left.
  EXPECT_EQ(canvas.At(0, 6), TestPixel(0, 0, 24, 0));
  EXPECT_EQ(canvas.At(1 + 10, 6 - 3), TestPixel(10, 3, 24, 0));
}

TEST(CDIBitmap, FilePictureHasNoMaskUnlessAResourceLeftOne) {
  std::string path = WriteTemp("m.bmp", DibMakeFile(MakeTestPicture(64, 16, 8)));
  Canvas canvas(64, 16);
  CRect rc(0, 0, 64, 16);
  CDIBitmap plain;
  ASSERT_TRUE(plain.LoadDIB(CString(path)));
  EXPECT_FALSE(plain.DrawTransparentBitmap(&canvas.dc, rc));
  CDIBitmap reused;
  ASSERT_TRUE(reused.LoadDIB(Self(), IDB_TEST8_64, 0));
  ASSERT_TRUE(reused.LoadDIB(CString(path)));
  EXPECT_TRUE(reused.DrawTransparentBitmap(&canvas.dc, rc));
}

TEST(CDIBitmap, MissingResourceOrFileFails) {
  CDIBitmap dib;
  EXPECT_FALSE(dib.LoadDIB(Self(), 9999, 0));
  ASSERT_TRUE(dib.LoadDIB(CString(WriteTemp("keep.bmp", DibMakeFile(MakeTestPicture(8, 2, 8))))));
  BITMAPINFO* before = dib.GetBMHdrPtr();
  // A file that cannot be opened changes nothing.
  EXPECT_FALSE(dib.LoadDIB(CString("c:\\no\\such\\picture.bmp")));
  EXPECT_EQ(dib.GetBMHdrPtr(), before);
  Canvas canvas(8, 2);
  CRect rc(0, 0, 8, 2);
  EXPECT_TRUE(dib.DrawBitmap(&canvas.dc, rc, SRCCOPY));
}

}  // namespace
