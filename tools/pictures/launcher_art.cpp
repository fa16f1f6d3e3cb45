// The CD launcher's pictures: the backgrounds of its two pages, the three
// pictures of each button, its icon and its hand cursor.
//
// The pages' palettes. Entries 0 to 72 are the same on both pages, so that
// what is drawn only in them (the buttons, the brick wall along the bottom,
// the word mark) looks the same whichever page's palette is realised: the
// gold of the wall and the buttons (0..47, dark to light), the mortar and
// the buttons' outlines (48..55, dark to light), the light of the word mark
// and the labels (56..71, white to pale gold) and the shadow (72). The rest
// is the page's own sky, dark at the top: 183 shades on page 1 (73..255),
// 182 on page 2, whose table ends at 254.
#include <algorithm>
#include <cmath>
#include <cstring>
#include <string>

#include "canvas.h"
#include "core/launcher/launch_menu.h"
#include "pictures.h"

namespace {

enum : uint32_t {
  kGold = 0, kGoldSteps = 48,
  kMortar = 48, kMortarSteps = 8,
  kLight = 56, kLightSteps = 16,
  kShadow = 72,
  kSky = 73,
};
static_assert(kSky == kLauncherSharedColors, "the sky follows the shared entries");

constexpr int kWidth = 600, kHeight = 420;
constexpr int kWallTop = 372;  // the brick wall along the bottom, the same on both pages

uint32_t PageColorCount(int page) { return page == 1 ? 256 : 255; }

struct Rgb {
  int r, g, b;
};

// `n` shades from `from` to `to`; every ramp here has a channel that
// changes by at least n - 1, so that its shades are all different.
void PutRamp(std::vector<uint8_t>& table, Rgb from, Rgb to, int n) {
  for (int i = 0; i < n; ++i) {
    const auto mix = [&](int a, int b) { return static_cast<uint8_t>(a + (b - a) * i / (n - 1)); };
    table.insert(table.end(), {mix(from.b, to.b), mix(from.g, to.g), mix(from.r, to.r), 0});
  }
}

std::vector<uint8_t> PageColors(int page) {
  std::vector<uint8_t> table;
  PutRamp(table, {56, 22, 4}, {236, 128, 24}, 28);  // the gold: dark brown to orange,
  PutRamp(table, {240, 136, 30}, {255, 230, 120}, kGoldSteps - 28);  // then to pale yellow
  PutRamp(table, {24, 12, 6}, {96, 62, 40}, kMortarSteps);
  PutRamp(table, {255, 255, 255}, {255, 216, 140}, kLightSteps);
  table.insert(table.end(), {0, 0, 0, 0});  // the shadow
  const int sky = static_cast<int>(PageColorCount(page) - kSky);
  if (page == 1)
    PutRamp(table, {6, 16, 58}, {54, 128, 244}, sky);  // night blue to day blue
  else
    PutRamp(table, {30, 8, 56}, {132, 66, 242}, sky);  // indigo to violet
  return table;
}

// Shade `t` (0 dark .. 1 light) of a ramp of `steps` entries.
uint32_t Shade(double t, uint32_t steps) {
  return static_cast<uint32_t>(std::clamp(t, 0.0, 1.0) * (steps - 1) + 0.5);
}

// Pixel (x, y) from the top left of a picture stored bottom-up.
uint32_t& TopLeft(DibImage& image, int x, int y) {
  return image.pixels[static_cast<size_t>(image.height - 1 - y) * image.width + x];
}
uint32_t TopLeft(const DibImage& image, int x, int y) { return image.At(x, image.height - 1 - y); }

// The page's words: the word mark and a line under it, centred.
struct Caption {
  const char* text;
  int scale, y;
};
constexpr Caption kCaptions[2][2] = {
    {{"BRIGHTWALL", 6, 190}, {"INTERNET SETUP", 2, 252}},
    {{"BRIGHTWALL", 4, 210}, {"MORE SOFTWARE", 2, 254}},
};

int TextWidth(const char* text, int scale) {
  return static_cast<int>(std::strlen(text)) * 6 * scale - scale;
}

// A letter is lit from above: white at its top to pale gold at its foot,
// with its shadow down and to the right. `none` where the words are not.
uint32_t CaptionAt(const Caption& c, int x, int y, uint32_t none) {
  const int left = (kWidth - TextWidth(c.text, c.scale)) / 2, drop = std::max(1, c.scale / 2);
  if (InWordmark(x - left, y - c.y, c.text, c.scale))
    return kLight + static_cast<uint32_t>((y - c.y) * (kLightSteps - 1) / (7 * c.scale - 1));
  if (InWordmark(x - left - drop, y - c.y - drop, c.text, c.scale)) return kShadow;
  return none;
}

// The light rising behind the wall: a half disc on the wall's top, white
// in the middle, and a halo of rays around it in the sky's lighter shades.
constexpr int kSunX = 300, kSunY = kWallTop + 8, kSunRadius = 64, kHalo = 200;

double SunDistance(int x, int y) { return std::hypot(x - kSunX, y - kSunY); }

// The sky grows lighter towards the wall and around the light.
uint32_t SkyAt(int page, int x, int y) {
  const double d = SunDistance(x, y), angle = std::atan2(y - kSunY, x - kSunX);
  const double halo = std::max(0.0, 1.0 - (d - kSunRadius) / kHalo);
  const double rays = 0.8 + 0.2 * std::cos(16 * angle);
  const double t = static_cast<double>(y) / (kWallTop - 1) * 0.85 + 0.5 * halo * halo * rays;
  return kSky + Shade(t, PageColorCount(page) - kSky);
}

// The bright wall: courses of bricks, lit in the middle and darker to the
// sides and downwards, each brick a little different from its neighbours.
uint32_t WallAt(int x, int y) {
  constexpr int kCourse = 12, kJoint = 2, kBrick = 40;
  const int row = y - kWallTop, course = row / kCourse, inCourse = row % kCourse;
  const int along = x + (course % 2) * (kBrick / 2), inBrick = along % kBrick;
  const double across = std::fabs(x - 299.5) / 300.0;  // 0 in the middle, 1 at the sides
  if (inCourse >= kCourse - kJoint || inBrick >= kBrick - kJoint) return kMortar + Shade(1.0 - across, kMortarSteps);
  const double grain = ((along / kBrick * 7 + course * 3) % 5 - 2) * 0.04;
  return kGold + Shade(1.15 - 0.9 * across - 0.08 * course - 0.03 * inCourse + grain, kGoldSteps);
}

uint32_t BackgroundAt(int page, int x, int y) {
  if (y >= kWallTop) return WallAt(x, y);
  const double d = SunDistance(x, y);
  uint32_t v = d <= kSunRadius ? kLight + Shade(d / kSunRadius, kLightSteps) : SkyAt(page, x, y);
  for (const Caption& c : kCaptions[page - 1]) v = CaptionAt(c, x, y, v);
  return v;
}

// How a button looks in each of its states: the face's shade at its top and
// bottom, a gloss on its upper half, the dark outline and a bright ring
// inside it (widths in pixels), the label's ink and how far it moves down
// and to the right.
enum Look { kNormal, kPressed, kFocused };
struct ButtonStyle {
  double top, bottom;
  bool gloss;
  int outline, ring;
  uint32_t ink;
  int shift;
};
constexpr ButtonStyle kStyles[] = {
    {0.75, 0.30, true, 2, 0, kMortar, 0},                        // normal
    {0.12, 0.45, false, 2, 0, kLight + kLightSteps - 1, 2},      // pressed: sunken, darker
    {1.00, 0.55, true, 1, 3, kMortar, 0},                        // focused: lighter, ringed
};
constexpr const char* kLabels[kLaunchButtons] = {"INSTALL VANTORA", "MORE SOFTWARE", "PW SETUP", "BROWSER",
                                                 "CORVANE", "BACK", "EXIT"};

// The largest scale (at most 3) at which the label's box lies inside the
// ellipse, 4 pixels in from its edge.
int LabelScale(const char* label, int w, int h) {
  for (int scale = 3; scale > 1; --scale) {
    const int lw = TextWidth(label, scale), lh = 7 * scale;
    const int left = (w - lw) / 2, top = (h - lh) / 2;
    if (PtInEllipse(4, 4, w - 4, h - 4, left, top) && PtInEllipse(4, 4, w - 4, h - 4, left + lw - 1, top))
      return scale;
  }
  return 1;
}

// A pixel inside the button's ellipse (the launcher's own hit test: the
// button answers the mouse exactly where it is drawn).
uint32_t FaceAt(const ButtonStyle& s, const char* label, int scale, int w, int h, int x, int y) {
  const int o = s.outline, r = s.outline + s.ring;
  if (!PtInEllipse(o, o, w - o, h - o, x, y)) return kMortar;
  if (!PtInEllipse(r, r, w - r, h - r, x, y)) return kLight + 2;
  const int left = (w - TextWidth(label, scale)) / 2 + s.shift, top = (h - 7 * scale) / 2 + s.shift;
  if (InWordmark(x - left, y - top, label, scale)) return s.ink;
  double t = s.top + (s.bottom - s.top) * y / (h - 1);
  if (s.gloss && PtInEllipse(w * 3 / 20, h / 10, w * 17 / 20, h * 11 / 20, x, y)) t += 0.15;
  return kGold + Shade(t, kGoldSteps);
}

// The button picture carries its page's colour table, padded to 256 entries
// (page 2's last one is never used), and the page's background where the
// ellipse does not reach.
DibImage ButtonPicture(const DibImage& page, const LaunchButtonRow& b, Look look) {
  DibImage pic;
  pic.width = b.width;
  pic.height = b.height;
  pic.bitCount = 8;
  pic.colors = page.colors;
  pic.colors.resize(4 * 256, 0);
  pic.pixels.resize(static_cast<size_t>(b.width) * b.height);
  const char* label = kLabels[b.id];
  const int scale = LabelScale(label, b.width, b.height);
  for (int y = 0; y < b.height; ++y)
    for (int x = 0; x < b.width; ++x)
      TopLeft(pic, x, y) = PtInEllipse(0, 0, b.width, b.height, x, y)
                               ? FaceAt(kStyles[look], label, scale, b.width, b.height, x, y)
                               : TopLeft(page, b.x + x, b.y + y);
  return pic;
}

}  // namespace

DibImage MakeLauncherBackground(int page) {
  DibImage image;
  image.width = kWidth;
  image.height = kHeight;
  image.bitCount = 8;
  image.colors = PageColors(page);
  if (page == 2) {
    image.clrUsed = PageColorCount(2);
    image.writeSizeImage = false;
  }
  image.pixels.resize(static_cast<size_t>(kWidth) * kHeight);
  for (int y = 0; y < kHeight; ++y)
    for (int x = 0; x < kWidth; ++x) TopLeft(image, x, y) = BackgroundAt(page, x, y);
  return image;
}

std::vector<NamedPicture> LauncherArtPictures() {
  const DibImage pages[2] = {MakeLauncherBackground(1), MakeLauncherBackground(2)};
  std::vector<NamedPicture> out = {{"cdmenu108.bmp", pages[0]}, {"cdmenu118.bmp", pages[1]}};
  for (const LaunchButtonRow& b : kLaunchButtonTable) {
    // The exit button, on both pages, takes page 1's table.
    const DibImage& page = pages[ShownOnPage(b.id, 1) ? 0 : 1];
    const int ids[] = {b.normal, b.pressed, b.focused};
    for (Look look : {kNormal, kPressed, kFocused})
      out.push_back({"cdmenu" + std::to_string(ids[look]) + ".bmp", ButtonPicture(page, b, look)});
  }
  return out;
}

DibImage MakeLauncherIcon() {
  using namespace small_art;
  // A round night sky with the light rising behind a wall of orange bricks.
  Canvas c(32, 32, 0x000000);
  for (int y = 0; y < 32; ++y)
    for (int x = 0; x < 32; ++x) {
      const double d = std::hypot(x - 15.5, y - 15.5), sun = std::hypot(x - 15.5, y - 18.0);
      const int course = (y - 18) / 4, along = x + (course % 2) * 4;
      uint32_t ink = kDarkBlue;
      if (d > 15.5) continue;
      if (d > 14.2) ink = kDarkBrown;
      else if (y >= 18) ink = (y - 18) % 4 == 0 || along % 8 == 0 ? kDarkBrown : kOrange;
      else if (sun <= 5.5) ink = kWhite;
      else if (sun <= 8.5) ink = kFolder;
      c.Put(x, y, ink);
    }
  return c.image;
}

DibImage MakeHandCursor() {
  // '#' black, '.' white, the rest clear.
  static const char* const kHand[] = {
      "",
      "     ##",
      "    #..#",
      "    #..#",
      "    #..#",
      "    #..#",
      "    #..###",
      "    #..#..###",
      "    #..#..#..###",
      "    #..#..#..#..#",
      " ## #..#..#..#..#",
      "#..##..#..#..#..#",
      "#...#...........#",
      " #..............#",
      "  #.............#",
      "  #.............#",
      "   #............#",
      "   #...........#",
      "    #..........#",
      "    #..........#",
      "     #........#",
      "     ##########",
  };
  using namespace small_art;
  Canvas c(32, 32, 0x000000);
  for (int y = 0; y < static_cast<int>(sizeof kHand / sizeof kHand[0]); ++y)
    for (int x = 0; kHand[y][x]; ++x)
      if (kHand[y][x] != ' ') c.Put(x, y, kHand[y][x] == '#' ? kBlack : kWhite);
  return c.image;
}
