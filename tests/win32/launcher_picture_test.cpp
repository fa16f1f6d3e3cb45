// The launcher's picture module under Wine's GDI: what LoadPicture makes of
// a resource (header, palette, stride, pixels), what it refuses, and what
// BlitPicture puts on a device context.
#include <gtest/gtest.h>
#include <windows.h>

#include <cstring>
#include <string>
#include <vector>

#include "picture.h"
#include "report.h"

namespace {

std::vector<std::string> g_reports;
void Collect(int level, const char* text) { g_reports.push_back(std::to_string(level) + " " + text); }

struct Resource {
  const uint8_t* data = nullptr;
  DWORD size = 0;
};
Resource BitmapResource(int id) {
  HRSRC found = FindResourceA(nullptr, MAKEINTRESOURCEA(id), reinterpret_cast<LPCSTR>(RT_BITMAP));
  Resource r;
  if (found) {
    r.data = static_cast<const uint8_t*>(LockResource(LoadResource(nullptr, found)));
    r.size = SizeofResource(nullptr, found);
  }
  return r;
}

// A 24-bit DIB section to draw on, and its pixels as 0x00RRGGBB.
struct Canvas {
  HDC dc = CreateCompatibleDC(nullptr);
  void* bits = nullptr;
  HBITMAP bitmap;
  HGDIOBJ old;
  int width, height;
  Canvas(int w, int h) : width(w), height(h) {
    BITMAPINFO bi{};
    bi.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    bi.bmiHeader.biWidth = w;
    bi.bmiHeader.biHeight = -h;
    bi.bmiHeader.biPlanes = 1;
    bi.bmiHeader.biBitCount = 32;
    bitmap = CreateDIBSection(dc, &bi, DIB_RGB_COLORS, &bits, nullptr, 0);
    old = SelectObject(dc, bitmap);
  }
  ~Canvas() {
    SelectObject(dc, old);
    DeleteObject(bitmap);
    DeleteDC(dc);
  }
  uint32_t At(int x, int y) const { return static_cast<const uint32_t*>(bits)[y * width + x] & 0xFFFFFF; }
};

// The colour of the picture's pixel (x, y) from the top, from its own
// resource, as 0x00RRGGBB.
uint32_t ResourceColor(const Resource& r, const Picture& p, int x, int y) {
  const BITMAPINFOHEADER& h = *reinterpret_cast<const BITMAPINFOHEADER*>(r.data);
  const uint32_t colors = h.biClrUsed ? h.biClrUsed : 1u << h.biBitCount;
  const uint8_t* row = r.data + h.biSize + 4 * colors + (p.height - 1 - y) * p.stride;
  const int bits = h.biBitCount;
  const int index = (row[x * bits / 8] >> (8 - bits - (x * bits % 8))) & ((1 << bits) - 1);
  const uint8_t* q = r.data + h.biSize + 4 * index;
  return (q[2] << 16) | (q[1] << 8) | q[0];
}

class LauncherPicture : public ::testing::Test {
 protected:
  void SetUp() override {
    g_reports.clear();
    SetReportSink(Collect);
  }
  void TearDown() override { SetReportSink(nullptr); }
};

TEST_F(LauncherPicture, LoadsHeaderPaletteStrideAndPixels) {
  for (int id : {1, 3, 118}) {
    SCOPED_TRACE(id);
    const Resource r = BitmapResource(id);
    ASSERT_TRUE(r.data);
    Picture* p = LoadPicture(nullptr, MAKEINTRESOURCEA(id), 0);
    ASSERT_NE(p, nullptr);
    const BITMAPINFOHEADER& h = *reinterpret_cast<const BITMAPINFOHEADER*>(r.data);
    const uint32_t colors = h.biClrUsed ? h.biClrUsed : 1u << h.biBitCount;
    EXPECT_EQ(p->width, h.biWidth);
    EXPECT_EQ(p->height, h.biHeight);
    EXPECT_EQ(p->stride, ((h.biBitCount * h.biWidth + 31) / 32) * 4);
    EXPECT_EQ(p->imageSize, p->height * p->stride);
    EXPECT_EQ(std::memcmp(&p->info.bmiHeader, r.data, sizeof(BITMAPINFOHEADER)), 0);
    EXPECT_EQ(std::memcmp(p->info.bmiColors, r.data + 40, 4 * colors), 0);
    // The palette: the colour table's entries, in order, flags 0.
    PALETTEENTRY entries[256];
    ASSERT_EQ(GetPaletteEntries(p->palette, 0, 256, entries), colors);
    for (uint32_t i = 0; i < colors; ++i) {
      const RGBQUAD& q = p->info.bmiColors[i];
      EXPECT_EQ(entries[i].peRed, q.rgbRed);
      EXPECT_EQ(entries[i].peGreen, q.rgbGreen);
      EXPECT_EQ(entries[i].peBlue, q.rgbBlue);
      EXPECT_EQ(entries[i].peFlags, 0);
    }
    // The section's pixels are the resource's rows, byte for byte.
    EXPECT_EQ(std::memcmp(p->pixels, r.data + 40 + 4 * colors, p->imageSize), 0);
    EXPECT_EQ(p->memoryDc, nullptr);
    FreePicture(p);
  }
  Picture* p61 = LoadPicture(nullptr, MAKEINTRESOURCEA(1), 0);
  ASSERT_NE(p61, nullptr);
  EXPECT_EQ(p61->width, 61);
  EXPECT_EQ(p61->stride, 64);
  FreePicture(p61);
  // The launcher's page 2 picture: 255 colours and no image size in its
  // header; the copy goes by the computed size.
  Picture* page2 = LoadPicture(nullptr, MAKEINTRESOURCEA(118), 0);
  ASSERT_NE(page2, nullptr);
  EXPECT_EQ(page2->info.bmiHeader.biClrUsed, 255u);
  EXPECT_EQ(page2->info.bmiHeader.biSizeImage, 0u);
  EXPECT_EQ(page2->stride, 600);
  EXPECT_EQ(page2->imageSize, 600 * 420);
  FreePicture(page2);
  EXPECT_TRUE(g_reports.empty());
}

TEST_F(LauncherPicture, RefusesWhatItCannotDraw) {
  // 24 bits: no colour table, so no palette.
  EXPECT_EQ(LoadPicture(nullptr, MAKEINTRESOURCEA(2), 0), nullptr);
  // A resource that ends inside its colour table is not read past its end.
  EXPECT_EQ(LoadPicture(nullptr, MAKEINTRESOURCEA(5), 0), nullptr);
  EXPECT_TRUE(g_reports.empty());
  // A missing resource is reported, by number or by name.
  EXPECT_EQ(LoadPicture(nullptr, MAKEINTRESOURCEA(999), 0), nullptr);
  EXPECT_EQ(LoadPicture(nullptr, "NOSUCHPICTURE", 0), nullptr);
  ASSERT_EQ(g_reports.size(), 2u);
  EXPECT_EQ(g_reports[0], "1 UtGraphics:143 File Not Found #999.");
  EXPECT_EQ(g_reports[1], "1 UtGraphics:143 File Not Found NOSUCHPICTURE.");
  FreePicture(nullptr);
}

TEST_F(LauncherPicture, BlitsWholeAndStretched) {
  const Resource r = BitmapResource(1);
  Picture* p = LoadPicture(nullptr, MAKEINTRESOURCEA(1), 0);
  ASSERT_NE(p, nullptr);
  Canvas canvas(200, 200);
  const RECT dest = {0, 0, p->width, p->height};
  // The memory context must be open.
  EXPECT_FALSE(BlitPicture(canvas.dc, &dest, p, nullptr, SRCCOPY));
  HPALETTE before = static_cast<HPALETTE>(GetCurrentObject(canvas.dc, OBJ_PAL));
  ASSERT_NE(BeginPictureDraw(canvas.dc, p), nullptr);
  EXPECT_EQ(GetCurrentObject(canvas.dc, OBJ_PAL), p->palette);
  // Same size: a block copy of the whole picture.
  ASSERT_TRUE(BlitPicture(canvas.dc, &dest, p, nullptr, SRCCOPY));
  for (int y = 0; y < p->height; y += 7)
    for (int x = 0; x < p->width; x += 5) ASSERT_EQ(canvas.At(x, y), ResourceColor(r, *p, x, y)) << x << "," << y;
  // A part of the picture, twice its size, colour on colour: no blending.
  const RECT part = {10, 2, 30, 8};
  const RECT big = {100, 100, 140, 112};
  ASSERT_TRUE(BlitPicture(canvas.dc, &big, p, &part, SRCCOPY));
  EXPECT_EQ(GetStretchBltMode(canvas.dc), COLORONCOLOR);
  for (int y = 0; y < 12; ++y)
    for (int x = 0; x < 40; x += 3)
      ASSERT_EQ(canvas.At(100 + x, 100 + y), ResourceColor(r, *p, 10 + x / 2, 2 + y / 2)) << x << "," << y;
  EndPictureDraw(canvas.dc, p);
  EXPECT_EQ(p->memoryDc, nullptr);
  EXPECT_EQ(GetCurrentObject(canvas.dc, OBJ_PAL), before);
  EndPictureDraw(canvas.dc, p);  // closed already: nothing to do
  FreePicture(p);
}

TEST_F(LauncherPicture, ReportsAnswerTheirLevel) {
  EXPECT_EQ(ReportError(1, LAUNCH_REPORT_REGISTER_CLASS, LAUNCH_REPORT_FILE_MAIN, 550), 1);
  EXPECT_EQ(ReportError(3, LAUNCH_REPORT_CREATE_WINDOW, LAUNCH_REPORT_FILE_MAIN, 566), 3);
  ASSERT_EQ(g_reports.size(), 2u);
  EXPECT_EQ(g_reports[0], "1 main:550 RegisterClass failed");
  EXPECT_EQ(g_reports[1], "3 main:566 CreateWindow failed");
  SetReportSink(nullptr);
  EXPECT_EQ(ReportError(1, LAUNCH_REPORT_MALLOC, LAUNCH_REPORT_FILE_GRAPHICS, 130), 1);
  EXPECT_EQ(g_reports.size(), 2u);
}

}  // namespace
