#include <gtest/gtest.h>

#include "core/screen/fade_cycle.h"
#include "core/screen/screen_geometry.h"

TEST(ScreenGraphics, NeedsVgaSizeAndEightBits) {
  EXPECT_TRUE(ScreenGraphicsSupported(640, 480, 8));
  EXPECT_TRUE(ScreenGraphicsSupported(1024, 768, 24));
  EXPECT_FALSE(ScreenGraphicsSupported(640, 480, 4));
  EXPECT_FALSE(ScreenGraphicsSupported(639, 480, 8));
  EXPECT_FALSE(ScreenGraphicsSupported(640, 479, 32));
}

TEST(ScreenGraphics, TheBigLogoOnlyAbove800Pixels) {
  EXPECT_EQ(ChooseLogo(640).logoId, kSmallLogoId);
  EXPECT_EQ(ChooseLogo(800).logoId, kSmallLogoId);
  EXPECT_EQ(ChooseLogo(800).maskId, kSmallMaskId);
  EXPECT_EQ(ChooseLogo(801).logoId, kBigLogoId);
  EXPECT_EQ(ChooseLogo(801).maskId, kBigMaskId);
}

TEST(LogoAnimation, ZoomOnVgaStartsTinyInTheCentreWithStepOne) {
  const ScreenRect desktop{0, 0, 640, 480};
  const LogoZoom zoom = StartLogoZoom(desktop, 128, 128);
  EXPECT_EQ(zoom.start, (ScreenRect{319, 239, 321, 241}));
  EXPECT_EQ(zoom.step, 1);
  const std::vector<ScreenRect> frames = LogoZoomFrames(desktop, 128, 128);
  ASSERT_FALSE(frames.empty());
  EXPECT_EQ(frames.front(), (ScreenRect{318, 238, 322, 242}));
  // It grows until it is wider than the logo: 2 + 2 * 64 pixels.
  EXPECT_EQ(frames.size(), 64u);
  EXPECT_EQ(frames.back().Width(), 130);
  EXPECT_EQ(frames.back().Height(), 130);
}

TEST(LogoAnimation, SlideOnVgaStartsAbout255PixelsInWithDx3) {
  const ScreenRect desktop{0, 0, 640, 480};
  const ScreenRect zoomed = LogoZoomFrames(desktop, 128, 128).back();
  EXPECT_EQ(zoomed.left, 255);
  const LogoSlide slide = PlanLogoSlide(zoomed);
  EXPECT_EQ(slide.dx, 3);
  EXPECT_EQ(slide.dy, 2);
  EXPECT_EQ(slide.scrollArea, (ScreenRect{0, 0, zoomed.right + 2, zoomed.bottom + 2}));
  ASSERT_FALSE(slide.frames.empty());
  EXPECT_LE(slide.frames.back().left, kSlideStopLeft);
  EXPECT_GT(slide.frames[slide.frames.size() - 2].left, kSlideStopLeft);
  EXPECT_EQ(slide.frames.back().Width(), 130);
}

TEST(LogoAnimation, BigLogoOnAWideScreen) {
  const ScreenRect desktop{0, 0, 1024, 768};
  const LogoZoom zoom = StartLogoZoom(desktop, 257, 256);
  EXPECT_EQ(zoom.start.Width(), 4);
  EXPECT_EQ(zoom.step, 1);
  const ScreenRect zoomed = LogoZoomFrames(desktop, 257, 256).back();
  EXPECT_GT(zoomed.Width(), 257);
  const LogoSlide slide = PlanLogoSlide(zoomed);
  EXPECT_LE(slide.frames.back().left, kSlideStopLeft);
  EXPECT_GE(slide.frames.back().top, -slide.dy);
}

TEST(LogoAnimation, ASlideCloseToTheEdgeStillEnds) {
  // left / 64 is 0 here: one pixel a step, at most `left` steps.
  const LogoSlide near = PlanLogoSlide({60, 10, 190, 140});
  EXPECT_EQ(near.dx, 1);
  EXPECT_EQ(near.dy, 0);
  EXPECT_EQ(near.frames.size(), 35u);
  EXPECT_EQ(near.frames.back().left, kSlideStopLeft);
  // Already in the corner: no slide at all.
  EXPECT_TRUE(PlanLogoSlide({25, 10, 155, 140}).frames.empty());
  EXPECT_TRUE(PlanLogoSlide({-300, -300, 10, 10}).frames.empty());
}

TEST(LogoAnimation, AZeroSizedLogoStillEnds) {
  const std::vector<ScreenRect> frames = LogoZoomFrames({0, 0, 640, 480}, 0, 0);
  EXPECT_EQ(frames.size(), 1u);
}

TEST(LogoResource, PixelsFollowTheColourTable) {
  EXPECT_EQ(PackedPixelOffset(40, 0, 8), 40u + 1024u);
  EXPECT_EQ(PackedPixelOffset(40, 48, 8), 40u + 192u);
  EXPECT_EQ(PackedPixelOffset(40, 0, 24), 40u);
  EXPECT_EQ(PackedPixelOffset(40, 0, 16), 40u);
  EXPECT_EQ(PackedPixelOffset(40, 3, 24), 52u);
}

namespace {
std::vector<FadeEntry> Black(size_t n) { return std::vector<FadeEntry>(n, FadeEntry{0, 0, 0, kFadeReserved}); }
}  // namespace

TEST(FadeIn, RisesOneStepACycleToThePictureColours) {
  std::vector<FadeEntry> entries = Black(3);
  const std::vector<FadeColor> reference = {{255, 0, 10}, {3, 200, 1}, {0, 0, 0}};
  std::vector<std::vector<FadeEntry>> seen;
  const int cycles = RunFade(entries, reference, [&](const std::vector<FadeEntry>& e) { seen.push_back(e); });
  EXPECT_EQ(cycles, 255);
  ASSERT_EQ(seen.size(), 255u);
  EXPECT_EQ(seen[0][0].red, 1);
  EXPECT_EQ(seen[0][0].blue, 1);
  EXPECT_EQ(seen[0][1].green, 1);
  EXPECT_EQ(seen[9][0].blue, 10);
  EXPECT_EQ(seen[20][0].blue, 10);  // stays at its colour
  for (size_t c = 1; c < seen.size(); ++c)
    for (size_t i = 0; i < 3; ++i) EXPECT_GE(seen[c][i].red, seen[c - 1][i].red);
  EXPECT_EQ(entries[0].red, 255);
  EXPECT_EQ(entries[1].green, 200);
  EXPECT_EQ(entries[1].blue, 1);
  EXPECT_EQ(entries[2].red, 0);
}

TEST(FadeIn, EntriesThatAreNotReservedStayAndBrighterOnesAreNotDimmed) {
  std::vector<FadeEntry> entries = Black(2);
  entries.push_back({40, 50, 60, 0});  // a logo entry
  entries[1] = {200, 200, 200, kFadeReserved};
  const std::vector<FadeColor> reference = {{2, 2, 2}, {100, 100, 100}, {0, 0, 0}};
  const int cycles = RunFade(entries, reference, [](const std::vector<FadeEntry>&) {});
  EXPECT_EQ(cycles, 2);
  EXPECT_EQ(entries[1].red, 200);
  EXPECT_EQ(entries[2].red, 40);
  EXPECT_EQ(entries[2].blue, 60);
}

TEST(FadeIn, NothingToDoIsNoCycleAndShortReferencesAreSafe) {
  std::vector<FadeEntry> entries = Black(4);
  EXPECT_EQ(RunFade(entries, {}, [](const std::vector<FadeEntry>&) {}), 0);
  EXPECT_EQ(RunFade(entries, {{5, 0, 0}}, [](const std::vector<FadeEntry>&) {}), 5);
  EXPECT_EQ(entries[1].red, 0);
}
