#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <map>
#include <set>
#include <string>

#include "core/launcher/launch_menu.h"
#include "core/launcher/picture_layout.h"
#include "tools/pictures/pictures.h"

namespace {

// The launcher's pictures by bitmap id.
const std::map<int, DibImage>& Art() {
  static const std::map<int, DibImage> art = [] {
    std::map<int, DibImage> byId;
    for (const NamedPicture& p : LauncherArtPictures()) {
      EXPECT_EQ(p.file.compare(0, 6, "cdmenu"), 0) << p.file;
      EXPECT_EQ(p.file.compare(p.file.size() - 4, 4, ".bmp"), 0) << p.file;
      EXPECT_TRUE(byId.emplace(std::stoi(p.file.substr(6)), p.image).second) << p.file;
    }
    return byId;
  }();
  return art;
}

// Pixel (x, y) from the top left, as a screen shows it.
uint32_t Top(const DibImage& image, int x, int y) { return image.At(x, image.height - 1 - y); }
uint32_t Rgb(const DibImage& image, uint32_t index) {
  const uint8_t* c = &image.colors.at(4 * index);
  return static_cast<uint32_t>(c[2]) << 16 | c[1] << 8 | c[0];
}

int PageOf(const LaunchButtonRow& b) { return ShownOnPage(b.id, 1) ? 108 : 118; }

}  // namespace

TEST(LauncherArt, EveryPictureIsAResourceTheLauncherCanLoad) {
  std::set<int> expected = {108, 118};
  for (const LaunchButtonRow& b : kLaunchButtonTable) expected.insert({b.normal, b.pressed, b.focused});
  std::set<int> made;
  for (const auto& [id, image] : Art()) made.insert(id);
  EXPECT_EQ(made, expected);

  std::map<int, std::pair<int, int>> sizes = {{108, {600, 420}}, {118, {600, 420}}};
  for (const LaunchButtonRow& b : kLaunchButtonTable)
    for (int id : {b.normal, b.pressed, b.focused}) sizes[id] = {b.width, b.height};
  for (const auto& [id, image] : Art()) {
    SCOPED_TRACE(id);
    // The resource compiler keeps the file without its 14-byte header.
    const std::vector<uint8_t> res = DibMakePacked(image);
    PictureLayout l;
    ASSERT_EQ(ReadPictureLayout(res.data(), res.size(), &l), PictureCheck::kOk);
    EXPECT_EQ(l.header.biWidth, sizes[id].first);
    EXPECT_EQ(l.header.biHeight, sizes[id].second);  // positive: bottom-up
    EXPECT_EQ(l.header.biBitCount, 8);
    EXPECT_EQ(l.header.biCompression, kDibRgb);
    EXPECT_EQ(l.pixelOffset + l.imageSize, res.size());
    if (id == 118) {
      EXPECT_EQ(l.header.biClrUsed, 255u);
      EXPECT_EQ(l.header.biSizeImage, 0u);
    } else {
      EXPECT_EQ(l.colors, 256u);
      EXPECT_EQ(l.header.biSizeImage, l.imageSize);
    }
  }
}

TEST(LauncherArt, EachPagesColoursAreDistinctAndPage2UsesAllOfItsOwn) {
  for (int id : {108, 118}) {
    SCOPED_TRACE(id);
    const DibImage& page = Art().at(id);
    const uint32_t count = DibColorCount(page.clrUsed, page.bitCount);
    std::set<uint32_t> colours, used;
    for (uint32_t i = 0; i < count; ++i) colours.insert(Rgb(page, i));
    EXPECT_EQ(colours.size(), count);
    for (uint32_t p : page.pixels) used.insert(p);
    EXPECT_LT(*used.rbegin(), count);
    if (id == 118) {
      EXPECT_EQ(used.size(), 255u);
    }
  }
  // The shared entries, which the buttons and the wall draw with.
  EXPECT_EQ(0, std::memcmp(Art().at(108).colors.data(), Art().at(118).colors.data(), 4 * kLauncherSharedColors));
  EXPECT_NE(Art().at(108).colors, Art().at(118).colors);
}

TEST(LauncherArt, ButtonsCarryTheirPagesTableAndSitOnItsBackground) {
  for (const LaunchButtonRow& b : kLaunchButtonTable) {
    const DibImage& page = Art().at(PageOf(b));
    const size_t pageTable = page.colors.size();
    for (int id : {b.normal, b.pressed, b.focused}) {
      SCOPED_TRACE(id);
      const DibImage& pic = Art().at(id);
      EXPECT_EQ(pic.colors.size(), 4u * 256);
      EXPECT_EQ(std::vector<uint8_t>(pic.colors.begin(), pic.colors.begin() + pageTable), page.colors);
      int inside = 0, differing = 0;
      for (int y = 0; y < b.height; ++y)
        for (int x = 0; x < b.width; ++x) {
          const uint32_t p = Top(pic, x, y), under = Top(page, b.x + x, b.y + y);
          ASSERT_LT(p, pageTable / 4);
          if (b.id == 6) {
            // On both pages: only the shared colours, and both pages
            // alike under it.
            ASSERT_LT(p, kLauncherSharedColors);
            ASSERT_EQ(under, Top(Art().at(118), b.x + x, b.y + y));
          }
          if (!PtInEllipse(0, 0, b.width, b.height, x, y)) {
            ASSERT_EQ(p, under) << x << "," << y;
          } else {
            ++inside;
            differing += p != under;
          }
        }
      EXPECT_GT(differing, inside * 9 / 10);  // the button hides what is under it
    }
  }
}

TEST(LauncherArt, FocusedIsLighterAndPressedDarkerThanNormal) {
  // The face's brightness: the middle one of the pixels inside the ellipse,
  // whatever the label's ink.
  const auto light = [](const DibImage& pic) {
    std::vector<double> inside;
    for (int y = 0; y < pic.height; ++y)
      for (int x = 0; x < pic.width; ++x) {
        if (!PtInEllipse(0, 0, pic.width, pic.height, x, y)) continue;
        const uint32_t c = Rgb(pic, Top(pic, x, y));
        inside.push_back((c >> 16) * 0.3 + (c >> 8 & 255) * 0.59 + (c & 255) * 0.11);
      }
    std::nth_element(inside.begin(), inside.begin() + inside.size() / 2, inside.end());
    return inside[inside.size() / 2];
  };
  const auto differ = [](const DibImage& a, const DibImage& b) {
    int n = 0;
    for (size_t i = 0; i < a.pixels.size(); ++i) n += Rgb(a, a.pixels[i]) != Rgb(b, b.pixels[i]);
    return n;
  };
  for (const LaunchButtonRow& b : kLaunchButtonTable) {
    SCOPED_TRACE(b.id);
    const DibImage &normal = Art().at(b.normal), &pressed = Art().at(b.pressed), &focused = Art().at(b.focused);
    const int least = std::max(300, b.width * b.height / 4);
    EXPECT_GE(differ(normal, pressed), least);
    EXPECT_GE(differ(normal, focused), least);
    EXPECT_GE(differ(pressed, focused), least);
    EXPECT_GT(light(focused), light(normal) + 20);
    EXPECT_LT(light(pressed), light(normal) - 20);
  }
}

TEST(LauncherArt, TheWordMarkHasEveryCapitalAndTheOldLettersStayAsTheyWere) {
  std::set<std::vector<bool>> shapes;
  for (char c = 'A'; c <= 'Z'; ++c) {
    const char text[] = {c, 0};
    std::vector<bool> ink;
    for (int y = 0; y < 7; ++y)
      for (int x = 0; x < 5; ++x) ink.push_back(InWordmark(x, y, text, 1));
    EXPECT_GT(std::count(ink.begin(), ink.end(), true), 6) << c;
    shapes.insert(ink);
  }
  EXPECT_EQ(shapes.size(), 26u);
  // The splash's "V": its point at the foot of the middle column.
  EXPECT_TRUE(InWordmark(2, 6, "V", 1));
  EXPECT_FALSE(InWordmark(0, 6, "V", 1));
  EXPECT_FALSE(InWordmark(0, 0, "-", 1));
}

TEST(LauncherCursor, IsAMonochromeCursorWithItsHotspotOnTheFinger) {
  const DibImage hand = MakeHandCursor();
  const std::vector<uint8_t> file = MakeCursorFile(hand, kHandHotX, kHandHotY);
  const auto word = [&](size_t at) { return file.at(at) | file.at(at + 1) << 8; };
  const auto dword = [&](size_t at) { return static_cast<uint32_t>(word(at) | word(at + 2) << 16); };
  EXPECT_EQ(word(0), 0);
  EXPECT_EQ(word(2), 2);  // a cursor
  EXPECT_EQ(word(4), 1);
  EXPECT_EQ(file[6], 32);
  EXPECT_EQ(file[7], 32);
  EXPECT_EQ(word(10), kHandHotX);
  EXPECT_EQ(word(12), kHandHotY);
  EXPECT_EQ(dword(18), 22u);
  EXPECT_EQ(22 + dword(14), file.size());
  const DibInfoHeader h = DibReadInfoHeader(&file[22]);
  EXPECT_EQ(h.biWidth, 32);
  EXPECT_EQ(h.biHeight, 64);  // the colour rows and the mask rows
  EXPECT_EQ(h.biBitCount, 1);
  ASSERT_EQ(file.size(), 22u + 40 + 8 + 2 * 32 * 4);

  // Rows are bottom-up; a mask bit 1 lets what is behind show.
  const auto bit = [&](size_t rows, int x, int y) {
    return file[rows + static_cast<size_t>(31 - y) * 4 + x / 8] >> (7 - x % 8) & 1;
  };
  const size_t colour = 22 + 40 + 8, mask = colour + 32 * 4;
  ASSERT_TRUE(kHandHotX >= 0 && kHandHotX < 32 && kHandHotY >= 0 && kHandHotY < 32);
  EXPECT_EQ(bit(mask, kHandHotX, kHandHotY), 0);  // the tip is drawn, not clear
  EXPECT_EQ(bit(mask, 31, 31), 1);
  EXPECT_EQ(bit(mask, kHandHotX, 0), 1);  // nothing above the tip
  int white = 0, black = 0;
  for (int y = 0; y < 32; ++y)
    for (int x = 0; x < 32; ++x) {
      if (bit(mask, x, y)) continue;
      bit(colour, x, y) ? ++white : ++black;
    }
  EXPECT_GT(white, 100);  // a filled hand ...
  EXPECT_GT(black, 50);   // ... with its outline
}

TEST(LauncherIcon, IsA32PixelIconClearAroundItsDisc) {
  const std::vector<uint8_t> file = MakeIconFile(MakeLauncherIcon());
  EXPECT_EQ(file[2], 1);  // an icon
  EXPECT_EQ(file[6], 32);
  EXPECT_EQ(file[7], 32);
  const DibInfoHeader h = DibReadInfoHeader(&file[22]);
  EXPECT_EQ(h.biHeight, 64);
  const DibImage icon = MakeLauncherIcon();
  EXPECT_EQ(Top(icon, 0, 0), 0u);
  EXPECT_EQ(Top(icon, 31, 31), 0u);
  EXPECT_NE(Top(icon, 16, 16), 0u);
}
