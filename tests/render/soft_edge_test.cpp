#include <gtest/gtest.h>

#include <cmath>

#include "effects/transition_type.h"
#include "render/soft_edge_fade.h"
#include "render_test_support.h"

namespace pictavo {
namespace {

using test::ColourNear;
using test::grey;
using test::TransitionRun;

constexpr int kCircle = static_cast<int>(TransitionType::kCircle);
constexpr int kClock = static_cast<int>(TransitionType::kClock);
constexpr int kDiagonalSweep = static_cast<int>(TransitionType::kDiagonalSweep);
constexpr int kShutter = static_cast<int>(TransitionType::kShutter);
constexpr int kSweep = static_cast<int>(TransitionType::kSweep);

// The runs bring a black photo in over a white picture, so that every pixel's
// grey level is the old picture's opacity: this grey for `opacity`.
std::uint32_t old_at(double opacity) {
  return grey(static_cast<int>(std::lround(255 * opacity)));
}

int level(std::uint32_t colour) {
  return green_of(colour);
}

TEST(SoftEdge, AFrameAdvanceIsSplitIntoSubStepsOfAtMostOnePixel) {
  const SubSteps sweep = split_advance(520.0f / 50);
  EXPECT_EQ(sweep.count, 11);
  EXPECT_NEAR(sweep.size, 0.94545, 1e-5);
  EXPECT_NEAR(decay_factor(sweep.size, 40), 0.963, 5e-4);

  EXPECT_EQ(split_advance(1.0f).count, 1);
  EXPECT_FLOAT_EQ(split_advance(0.25f).size, 0.25f);
  const SubSteps backwards = split_advance(-2.5f);
  EXPECT_EQ(backwards.count, 3);
  EXPECT_NEAR(backwards.size, -2.5 / 3, 1e-6);
  // One falloff behind the edge the old picture is down to a fifth.
  EXPECT_NEAR(std::pow(decay_factor(0.5f, 30), 60), 0.2, 1e-6);
}

TEST(Sweep, EachPixelShowsTheOldPictureAtTheFactorToTheSubStepsItHasBeenInside) {
  TransitionRun run(480, 2, kOpaqueWhite, kOpaqueBlack, kSweep, {0, 40});
  EXPECT_EQ(run.render(1, 51, 50), 0);
  ASSERT_EQ(run.frames.size(), 51u);
  const double f = std::pow(0.2, (10.4 / 11) / 40);
  // Frame 0 took 11 sub-steps to x = 10.4: the first pixel has been inside for all
  // of them, the pixel centred at 9.5 for the last one only.
  EXPECT_TRUE(ColourNear(run.frames[0].pixel(0, 1), old_at(std::pow(f, 11)), 1));
  EXPECT_TRUE(ColourNear(run.frames[0].pixel(9, 1), old_at(f), 1));
  EXPECT_EQ(run.frames[0].pixel(10, 1), kOpaqueWhite);
  EXPECT_TRUE(ColourNear(run.frames[1].pixel(0, 0), old_at(std::pow(f, 22)), 1));
  // The last transition frame: the far edge has been inside for 43 sub-steps,
  // about a fifth of the old picture; then the new photo alone.
  EXPECT_TRUE(ColourNear(run.frames[49].pixel(479, 0), old_at(std::pow(f, 43)), 1));
  EXPECT_NEAR(level(run.frames[49].pixel(479, 0)), 0.2 * 255, 2);
  EXPECT_EQ(run.frames[49].pixel(0, 0), kOpaqueBlack);
  EXPECT_EQ(run.frames[50].pixel(479, 0), kOpaqueBlack);
}

TEST(Sweep, RunsFromTheSideItsDirectionNames) {
  TransitionRun right_to_left(480, 2, kOpaqueWhite, kOpaqueBlack, kSweep, {1, 40});
  EXPECT_EQ(right_to_left.render(1, 50, 50), 0);
  const double f = std::pow(0.2, (10.4 / 11) / 40);
  EXPECT_TRUE(ColourNear(right_to_left.frames[0].pixel(479, 0), old_at(std::pow(f, 11)), 1));
  EXPECT_EQ(right_to_left.frames[0].pixel(469, 0), kOpaqueWhite);

  // Upwards on 40 rows with width 10 in 5 frames: 10 pixels a frame, 11 sub-steps.
  TransitionRun upwards(2, 40, kOpaqueWhite, kOpaqueBlack, kSweep, {2, 10});
  EXPECT_EQ(upwards.render(1, 5, 5), 0);
  const double g = std::pow(0.2, (10.0 / 11) / 10);
  EXPECT_TRUE(ColourNear(upwards.frames[0].pixel(0, 39), old_at(std::pow(g, 11)), 1));
  EXPECT_TRUE(ColourNear(upwards.frames[0].pixel(0, 30), old_at(g), 1));
  EXPECT_EQ(upwards.frames[0].pixel(0, 29), kOpaqueWhite);

  TransitionRun downwards(2, 40, kOpaqueWhite, kOpaqueBlack, kSweep, {3, 10});
  EXPECT_EQ(downwards.render(1, 5, 5), 0);
  EXPECT_TRUE(ColourNear(downwards.frames[0].pixel(1, 0), old_at(std::pow(g, 11)), 1));
  EXPECT_EQ(downwards.frames[0].pixel(1, 10), kOpaqueWhite);
}

TEST(DiagonalSweep, TheEdgeSpansTheWidthOverTheHeightAndFadesOverThreeWidths) {
  // 40 × 20, width 10, 10 frames: 9 pixels a frame in 10 sub-steps of 0.9; the
  // edge leans two pixels across per pixel down.
  TransitionRun run(40, 20, kOpaqueWhite, kOpaqueBlack, kDiagonalSweep, {0, 10});
  EXPECT_EQ(run.render(1, 10, 10), 0);
  const double f = std::pow(0.2, 0.9 / 30);
  // (0, 0) lies 1.5 along the top from the edge's start: inside from sub-step 2.
  EXPECT_TRUE(ColourNear(run.frames[0].pixel(0, 0), old_at(std::pow(f, 9)), 1));
  EXPECT_TRUE(ColourNear(run.frames[0].pixel(3, 2), old_at(f), 1));  // at 8.5
  EXPECT_EQ(run.frames[0].pixel(4, 2), kOpaqueWhite);                // at 9.5
  EXPECT_EQ(run.frames[0].pixel(0, 5), kOpaqueWhite);                // at 11.5

  TransitionRun mirrored(40, 20, kOpaqueWhite, kOpaqueBlack, kDiagonalSweep, {1, 10});
  EXPECT_EQ(mirrored.render(1, 10, 10), 0);
  EXPECT_TRUE(ColourNear(mirrored.frames[0].pixel(39, 0), old_at(std::pow(f, 9)), 1));
  EXPECT_TRUE(ColourNear(mirrored.frames[0].pixel(36, 2), old_at(f), 1));
  EXPECT_EQ(mirrored.frames[0].pixel(35, 2), kOpaqueWhite);
}

TEST(Circle, SmallToBigGrowsFromTheCentre) {
  TransitionRun run(40, 40, kOpaqueWhite, kOpaqueBlack, kCircle, {0, 40});
  EXPECT_EQ(run.render(1, 21, 20), 0);
  // The radius grows by √2 × 80 / 20 × 0.5 ≈ 2.83 a frame.
  EXPECT_LT(level(run.frames[0].pixel(20, 20)), 255);
  EXPECT_EQ(run.frames[0].pixel(20, 24), kOpaqueWhite);
  EXPECT_EQ(run.frames[0].pixel(0, 0), kOpaqueWhite);
  EXPECT_LT(level(run.frames[19].pixel(0, 0)), 255);
  // Nearer the centre the old picture has faded longer.
  EXPECT_LT(level(run.frames[10].pixel(20, 20)), level(run.frames[10].pixel(20, 30)));
  EXPECT_EQ(run.frames[20].pixel(0, 0), kOpaqueBlack);
}

TEST(Circle, BigToSmallClosesARingAndThenFadesTheWholeInside) {
  TransitionRun run(40, 30, kOpaqueWhite, kOpaqueBlack, kCircle, {1, 20});
  EXPECT_EQ(run.render(1, 20, 20), 0);
  // The ring starts at the circle round the frame (radius 25): the corners go
  // first, the centre last.
  EXPECT_LT(level(run.frames[0].pixel(0, 0)), 255);
  EXPECT_EQ(run.frames[0].pixel(20, 15), kOpaqueWhite);
  EXPECT_LT(level(run.frames[2].pixel(0, 0)), level(run.frames[0].pixel(0, 0)));
  // Once the hole has closed every pixel fades by the same factor per frame.
  const double per_frame = static_cast<double>(level(run.frames[19].pixel(20, 15))) /
                           level(run.frames[18].pixel(20, 15));
  const double edge_per_frame = static_cast<double>(level(run.frames[19].pixel(10, 15))) /
                                level(run.frames[18].pixel(10, 15));
  EXPECT_NEAR(per_frame, edge_per_frame, 0.05);
  EXPECT_LT(per_frame, 1.0);
}

TEST(Shutter, PanelsMeetInTheMiddleEarlyWhenTheEdgeIsWide) {
  // Width 80: the panels travel 1.2 frame widths, so they meet after 10 of 24
  // frames (about 42 %).
  TransitionRun run(48, 2, kOpaqueWhite, kOpaqueBlack, kShutter, {0, 80});
  EXPECT_EQ(run.render(1, 24, 24), 0);
  EXPECT_LT(level(run.frames[0].pixel(0, 0)), 255);
  EXPECT_LT(level(run.frames[0].pixel(47, 0)), 255);
  EXPECT_EQ(run.frames[8].pixel(23, 0), kOpaqueWhite);
  EXPECT_EQ(run.frames[8].pixel(24, 0), kOpaqueWhite);
  EXPECT_LT(level(run.frames[9].pixel(23, 0)), 255);
  EXPECT_LT(level(run.frames[9].pixel(24, 0)), 255);
  // The rest of the transition only fades, the middle last.
  EXPECT_LT(level(run.frames[23].pixel(0, 0)), level(run.frames[23].pixel(23, 0)));

  TransitionRun across(2, 48, kOpaqueWhite, kOpaqueBlack, kShutter, {1, 80});
  EXPECT_EQ(across.render(1, 24, 24), 0);
  EXPECT_LT(level(across.frames[0].pixel(0, 47)), 255);
  EXPECT_EQ(across.frames[8].pixel(0, 24), kOpaqueWhite);
}

TEST(Clock, WithoutSmoothingFourFingersUncoverSharpPiesInAQuarterTurn) {
  TransitionRun run(40, 40, kOpaqueWhite, kOpaqueBlack, kClock, {2, 0});
  EXPECT_EQ(run.render(1, 5, 4), 0);
  ASSERT_EQ(run.frames.size(), 5u);
  // After 22.5 degrees: just clockwise of twelve o'clock is new, just before it old.
  EXPECT_EQ(run.frames[0].pixel(23, 2), kOpaqueBlack);
  EXPECT_EQ(run.frames[0].pixel(16, 2), kOpaqueWhite);
  EXPECT_EQ(run.frames[0].pixel(37, 23), kOpaqueBlack);  // behind three o'clock
  EXPECT_EQ(run.frames[0].pixel(37, 30), kOpaqueWhite);
  // A quarter turn uncovers everything.
  for (const auto& [x, y] : {std::pair{0, 0}, {39, 0}, {0, 39}, {39, 39}, {20, 20}, {21, 5}})
    EXPECT_EQ(run.frames[3].pixel(x, y), kOpaqueBlack) << x << "," << y;
}

TEST(Clock, SmoothFingersFadeOverFiveSubStepsAFrame) {
  TransitionRun run(40, 40, kOpaqueWhite, kOpaqueBlack, kClock, {0, 1});  // one finger
  EXPECT_EQ(run.render(1, 10, 10), 0);
  const double f = std::pow(0.2, 1.0 / 15);
  // Just clockwise of twelve o'clock the pixel is inside from the first sub-step.
  EXPECT_TRUE(ColourNear(run.frames[0].pixel(20, 0), old_at(std::pow(f, 5)), 1));
  EXPECT_TRUE(ColourNear(run.frames[1].pixel(20, 0), old_at(std::pow(f, 10)), 1));
  EXPECT_EQ(run.frames[0].pixel(19, 0), kOpaqueWhite);
  // The finger turns a little past a full turn, so the trail fades out too.
  EXPECT_LT(level(run.frames[9].pixel(19, 0)), 255);
}

}  // namespace
}  // namespace pictavo
