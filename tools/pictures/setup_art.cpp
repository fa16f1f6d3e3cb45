// The setup program's small pictures: the progress dialog's animations (one
// strip of frames per kind of work), the folder browser's tree pictures and
// the program icon, drawn on the small pictures' canvas; the strips are
// written in 24-bit colour, the icon with its palette.
#include <algorithm>
#include <cmath>

#include "canvas.h"
#include "pictures.h"

namespace {

using namespace small_art;

// A folder in the box (x, y, w, h), its tab on the upper left.
void Folder(Canvas& c, int x, int y, int w, int h, bool open = false) {
  c.Box(x, y, w / 2, h / 5 + 1, kFolderDark, kDarkBrown);
  c.Box(x, y + h / 5, w, h - h / 5, kFolder, kDarkBrown);
  if (open) c.Box(x + w / 6, y + h / 3, w - w / 6, h - h / 3, kFolderDark, kDarkBrown);
}

// A sheet of paper with lines of text and a folded corner.
void Sheet(Canvas& c, int x, int y, int w, int h) {
  c.Box(x, y, w, h, kPaper, kDarkGrey);
  for (int j = y + 3; j < y + h - 2; j += 3) c.Fill(x + 2, j, w - 4, 1, kBlue);
  c.Fill(x + w - 3, y, 3, 3, kClear);
  c.Line(x + w - 3, y, x + w - 1, y + 2, kDarkGrey);
}

// Copying a file: a sheet flies in an arc from the left folder to the right.
Canvas CopyFrame(int f, int n) {
  Canvas c(48, 48, 0xFF00FF);
  Folder(c, 1, 26, 18, 16, true);
  Folder(c, 29, 26, 18, 16, true);
  const double t = static_cast<double>(f) / (n - 1);
  const int x = 4 + static_cast<int>(28 * t), y = 22 - static_cast<int>(18 * std::sin(t * 3.14159));
  Sheet(c, x, y, 12, 15);
  return c;
}

// Decompressing an archive: a strapped box opens and a sheet rises from it.
Canvas ExtractFrame(int f, int n) {
  Canvas c(48, 48, 0xFF00FF);
  const int rise = 24 * f / (n - 1);
  Sheet(c, 17, 24 - rise, 14, 16);
  c.Box(8, 28, 32, 17, kBrown, kDarkBrown);
  c.Fill(22, 28, 4, 17, kDarkBrown);  // the strap
  const int lid = 6 * f / (n - 1);
  c.Box(6, 24 - lid, 16, 5, kBrown, kDarkBrown);  // the two flaps opening
  c.Box(26, 24 - lid, 16, 5, kBrown, kDarkBrown);
  return c;
}

// Creating a directory: a folder grows and a star marks it new.
Canvas CreateDirFrame(int f, int n) {
  Canvas c(48, 48, 0xFF00FF);
  const int w = 14 + 26 * f / (n - 1), h = w * 3 / 4;
  Folder(c, 24 - w / 2, 44 - h, w, h);
  const int r = 2 + (f % 2) * 2;
  c.Line(40 - r, 6, 40 + r, 6, kOrange);
  c.Line(40, 6 - r, 40, 6 + r, kOrange);
  c.Line(40 - r, 6 - r, 40 + r, 6 + r, kOrange);
  c.Line(40 - r, 6 + r, 40 + r, 6 - r, kOrange);
  return c;
}

// Updating the registry: a pile of blocks, one sliding into its place.
Canvas RegistryFrame(int f, int n) {
  Canvas c(48, 48, 0xFF00FF);
  const uint32_t inks[] = {kBlue, kGreen, kCyan, kRed};
  for (int i = 0; i < 3; ++i) c.Box(4 + i * 13, 34, 13, 12, inks[i], kDarkBlue);
  c.Box(4, 22, 13, 12, inks[3], kDarkBlue);
  const int x = 48 - 18 * f / (n - 1);  // its right edge, from off the frame to beside the red one
  c.Box(x - 13, 22 - (f == n - 1 ? 0 : 2), 13, 12, kOrange, kDarkBlue);
  return c;
}

// Running a program: a small window whose bar fills, 32 pixels wide.
Canvas RunFrame(int f, int n) {
  Canvas c(32, 32, 0xFF00FF);
  c.Box(2, 4, 28, 24, kGrey, kBlack);
  c.Fill(3, 5, 26, 4, kDarkBlue);
  c.Fill(25, 6, 3, 2, kGrey);
  c.Box(5, 19, 22, 5, kWhite, kDarkGrey);
  c.Fill(6, 20, 20 * (f + 1) / n, 3, kDarkBlue);
  c.Disc(16, 13, 3 - f % 2, kGreen);
  return c;
}

// The frames of one animation side by side.
template <typename Draw>
DibImage Strip(int frameWidth, int frames, Draw draw) {
  Canvas strip(frameWidth * frames, frameWidth, 0xFF00FF);
  for (int f = 0; f < frames; ++f) {
    Canvas one = draw(f, frames);
    for (int y = 0; y < frameWidth; ++y)
      for (int x = 0; x < frameWidth; ++x)
        strip.image.pixels[static_cast<size_t>(y) * strip.image.width + f * frameWidth + x] =
            one.image.At(x, y);
  }
  return strip.TrueColor();
}

}  // namespace

DibImage MakeProgramIcon() {
  // The splash's ring and light, small: an orange ring round a pale disc
  // on a blue one.
  Canvas c(32, 32, 0x000000);
  c.Disc(16, 16, 15, kDarkBrown);
  c.Disc(16, 16, 14, kOrange);
  c.Disc(16, 16, 10, kDarkBlue);
  c.Disc(16, 16, 9, kBlue);
  c.Disc(14, 14, 5, kCyan);
  c.Disc(13, 13, 2, kWhite);
  return c.image;
}

std::vector<NamedPicture> SetupArtPictures() {
  // The folder browser's pictures, 16 x 16 each on pure red: the computer,
  // a drive, a closed folder, an open (selected) folder.
  Canvas tree(64, 16, 0xFF0000);
  tree.Box(1, 2, 14, 9, kGrey, kBlack);
  tree.Fill(3, 4, 10, 5, kCyan);
  tree.Box(4, 12, 8, 3, kGrey, kBlack);
  tree.Box(17, 5, 14, 7, kGrey, kBlack);
  tree.Fill(19, 9, 3, 1, kGreen);
  tree.Fill(25, 7, 4, 1, kDarkGrey);
  Folder(tree, 33, 3, 14, 11);
  Folder(tree, 49, 3, 14, 11, true);
  return {
      {"anim_copy.bmp", Strip(48, 8, CopyFrame)},
      {"anim_extract.bmp", Strip(48, 8, ExtractFrame)},
      {"anim_mkdir.bmp", Strip(48, 8, CreateDirFrame)},
      {"anim_registry.bmp", Strip(48, 8, RegistryFrame)},
      {"anim_run.bmp", Strip(32, 8, RunFrame)},
      {"tree.bmp", tree.TrueColor()},
  };
}
