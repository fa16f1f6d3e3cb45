// The pictures our programs and tests carry, all made here by code: the
// splash pictures and a family of test patterns whose every pixel a test
// can recompute.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "core/dib/dib_writer.h"

// The splash: 372 x 237, 8 bits. `accent` 0 is the setup program's own
// (bitmap resource 150), 1 the media's "splash.bmp".
DibImage MakeSplashPicture(int accent);

// A test pattern of any depth (1, 4, 8 or 24 bits). Colour table entries are
// all different; the bottom-left pixel is value 0, which recurs across the
// picture so that a mask made from it has both colours.
DibImage MakeTestPicture(int width, int height, uint16_t bitCount, uint32_t clrUsed = 0);
// A black-and-white mask in the 1-bit test pattern: bit 1 is white.
DibImage MakeMaskPicture(int width, int height);
uint32_t TestPixel(int x, int y, uint16_t bitCount, uint32_t colors);
// Colour table entry i of the test patterns as 0x00RRGGBB.
uint32_t TestColor(uint32_t i);

// Whether (x, y) from the top left of `text`, drawn `scale` times the size
// of the glyphs (5 x 7) with one scaled column between letters, is ink.
// The capital letters A to Z have glyphs; any other character is a blank.
bool InWordmark(int x, int y, const char* text, int scale);

struct NamedPicture {
  std::string file;  // file name of the generated .bmp
  DibImage image;
};
// Every picture the build generates.
std::vector<NamedPicture> GeneratedPictures();

// The setup program's dialog pictures (setup_art.cpp), 24-bit: the progress
// animations as strips of frames on magenta, the folder browser's tree
// pictures on pure red.
std::vector<NamedPicture> SetupArtPictures();
// The program icon, 32 x 32, colour 0 clear.
DibImage MakeProgramIcon();

// Icon and cursor files of one picture (icon_file.cpp). An icon file of an
// image whose colour 0 is clear; a monochrome cursor file of a drawing on
// the small pictures' canvas (colour 0 clear, white white, any other colour
// black) with its hotspot, from the top left.
std::vector<uint8_t> MakeIconFile(const DibImage& image);
std::vector<uint8_t> MakeCursorFile(const DibImage& drawing, int hotX, int hotY);

// The setup screen's logo in a size (black around the emblem), its mask
// (black where the emblem is, white around it), and the four
// pictures the setup program carries: logo156/157 and mask158/159, with the
// background (screen.bmp).
DibImage MakeLogo(int width, int height);
DibImage MakeLogoMask(int width, int height);
// The screen's background, 640 x 480, 8 bits, 176 colours: the media carry
// it packed (VTScreen.z) as Screen.qrm.
DibImage MakeScreenBackground();
std::vector<NamedPicture> ScreenArtPictures();

// The CD launcher's pictures (launcher_art.cpp): the backgrounds of its two
// pages (cdmenu108.bmp, cdmenu118.bmp: 600 x 420, 8 bits, the second with a
// 255-entry table and no image size in its header) and the normal, pressed
// and focused pictures of its buttons, named after their bitmap ids. Every
// button is an ellipse filling its rectangle, drawn on the colour table of
// the page it sits on, with that page's background in the corners; the
// entries below kLauncherSharedColors are the same on both pages, and the
// exit button, which both pages show, uses only those.
constexpr uint32_t kLauncherSharedColors = 73;
DibImage MakeLauncherBackground(int page);
std::vector<NamedPicture> LauncherArtPictures();
// The launcher's icon (cdmenu109.ico), 32 x 32, colour 0 clear: a lit brick
// wall under a rising light.
DibImage MakeLauncherIcon();
// The launcher's hand cursor (cdmenu103.cur) as drawn, 32 x 32 on the small
// pictures' canvas, and its hotspot, the tip of the pointing finger.
DibImage MakeHandCursor();
constexpr int kHandHotX = 5, kHandHotY = 1;
