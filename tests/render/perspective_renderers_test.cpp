#include <gtest/gtest.h>

#include "effects/transition_type.h"
#include "render_test_support.h"

namespace pictavo {
namespace {

using test::ColourNear;
using test::kBlue;
using test::kGreen;
using test::kRed;
using test::TransitionRun;

constexpr int kCubeFly = static_cast<int>(TransitionType::kCubeFly);
constexpr int kFlip = static_cast<int>(TransitionType::kFlip);
constexpr int kFly = static_cast<int>(TransitionType::kFly);
constexpr int kRotateIn = static_cast<int>(TransitionType::kRotateIn);
constexpr int kTwist = static_cast<int>(TransitionType::kTwist);

TEST(Twist, TheFirstFrameShowsOnlyTheOldPicturePinchedAtTheEdge) {
  // W = 32, T = 8: the front stands at −2, so only old columns, the first
  // ceil(1.5 W / T) = 6 of them pinched towards it.
  for (const int direction : {0, 1}) {
    TransitionRun run(32, 8, kGreen, kRed, kTwist, {direction, 0});
    EXPECT_EQ(run.render(1, 8, 8), 0);
    const FrameCanvas& frame = run.frames[0];
    const auto column = [direction](int x) { return direction == 0 ? x : 31 - x; };
    for (int x = 0; x < 32; ++x) {
      for (int y = 0; y < 8; ++y)
        EXPECT_EQ(red_of(frame.pixel(x, y)), 0) << x << "," << y;
    }
    // Column 0 is 2.76 pixels high about the middle; column 5 nearly full.
    EXPECT_EQ(frame.pixel(column(0), 1), kOpaqueBlack);
    EXPECT_EQ(frame.pixel(column(0), 4), kGreen);
    EXPECT_EQ(frame.pixel(column(0), 6), kOpaqueBlack);
    EXPECT_EQ(frame.pixel(column(5), 1), kGreen);
    for (int x = 6; x < 32; ++x) {
      EXPECT_EQ(frame.pixel(column(x), 0), kGreen) << x;
      EXPECT_EQ(frame.pixel(column(x), 7), kGreen) << x;
    }
  }
}

TEST(Twist, TheFrontPinchesBothPicturesToALine) {
  // W = 32, T = 4: the second frame has the front at 16, 8 columns pinched on
  // either side, the new photo on the left.
  TransitionRun run(32, 8, kGreen, kRed, kTwist);
  EXPECT_EQ(run.render(1, 4, 4), 0);
  const FrameCanvas& frame = run.frames[1];
  EXPECT_EQ(frame.pixel(7, 0), kRed);
  EXPECT_EQ(frame.pixel(15, 0), kOpaqueBlack);
  EXPECT_EQ(frame.pixel(15, 4), kRed);
  EXPECT_EQ(frame.pixel(16, 0), kOpaqueBlack);
  EXPECT_EQ(frame.pixel(17, 4), kGreen);
  EXPECT_EQ(frame.pixel(24, 0), kGreen);
}

TEST(RotateIn, TheFarSideIsShorterWhileThePhotoSwingsIn) {
  // W = 32, H = 20, T = 4, second frame: the photo spans x = 8 … 24, its near
  // edge 0 … 20 and its far edge 2 … 18.
  for (const int direction : {0, 1}) {
    TransitionRun run(32, 20, kGreen, kRed, kRotateIn, {direction, 0});
    EXPECT_EQ(run.render(1, 4, 4), 0);
    const FrameCanvas& frame = run.frames[1];
    const int near = direction == 0 ? 8 : 23;
    const int far = direction == 0 ? 23 : 8;
    EXPECT_EQ(frame.pixel(near, 1), kRed) << direction;
    EXPECT_EQ(frame.pixel(near, 18), kRed) << direction;
    EXPECT_EQ(frame.pixel(far, 1), kGreen) << direction;
    EXPECT_EQ(frame.pixel(far, 10), kRed) << direction;
    EXPECT_EQ(frame.pixel(far, 18), kGreen) << direction;
    EXPECT_EQ(frame.pixel(7, 10), kGreen) << direction;
    EXPECT_EQ(frame.pixel(24, 10), kGreen) << direction;
  }
}

TEST(Flip, TheCardIsEdgeOnAtTheMiddleAndTurnsWithItsNearSideTaller) {
  // 40 × 40, T = 4: the old picture in frames 0 and 1, the new photo in 2 and 3.
  for (const int axis : {0, 1}) {
    TransitionRun run(40, 40, kGreen, kRed, kFlip, {axis, 0});
    EXPECT_EQ(run.render(1, 4, 4), 0);
    // (across, along): x and y for the vertical axis, exchanged for the horizontal.
    const auto at = [&](int frame, int across, int along) {
      return axis == 0 ? run.frames[frame].pixel(across, along)
                       : run.frames[frame].pixel(along, across);
    };
    // Frame 0 spans 10 … 30: the near edge −3 … 43, the far edge 7 … 33.
    EXPECT_EQ(at(0, 10, 0), kGreen);
    EXPECT_EQ(at(0, 10, 39), kGreen);
    EXPECT_EQ(at(0, 29, 4), kOpaqueBlack);
    EXPECT_EQ(at(0, 29, 20), kGreen);
    EXPECT_EQ(at(0, 29, 36), kOpaqueBlack);
    EXPECT_EQ(at(0, 9, 20), kOpaqueBlack);
    EXPECT_EQ(at(0, 30, 20), kOpaqueBlack);
    // Frame 1: edge-on at the centre line, nothing to see.
    EXPECT_TRUE(test::ShowsPicture(run.frames[1], test::solid_canvas(40, 40, kOpaqueBlack)));
    // Frame 2, from the mid-point edges 0.35 … 0.65 and −0.15 … 1.15 of 40:
    // the first edge 7 … 33, the second −3 … 43.
    EXPECT_EQ(at(2, 10, 4), kOpaqueBlack);
    EXPECT_EQ(at(2, 10, 20), kRed);
    EXPECT_EQ(at(2, 10, 36), kOpaqueBlack);
    EXPECT_EQ(at(2, 29, 0), kRed);
    EXPECT_EQ(at(2, 29, 39), kRed);
    EXPECT_EQ(at(2, 9, 20), kOpaqueBlack);
    EXPECT_EQ(at(2, 30, 20), kOpaqueBlack);
  }
}

TEST(Fly, FlyInLaysThePhotoBackAtTheEndOfTheFirstPhase) {
  // 32 × 32, T = 8: after 4 frames the photo lies between a far edge at y = 24,
  // x = 8 … 24, and a near edge along the bottom.
  TransitionRun run(32, 32, kGreen, kRed, kFly);
  EXPECT_EQ(run.render(1, 8, 8), 0);
  const FrameCanvas& frame = run.frames[3];
  EXPECT_EQ(frame.pixel(16, 22), kGreen);
  EXPECT_EQ(frame.pixel(16, 26), kRed);
  EXPECT_EQ(frame.pixel(1, 31), kRed);
  EXPECT_EQ(frame.pixel(2, 25), kGreen);
  // The first frame: a small plane just below the centre, rows 18 … 20.
  EXPECT_EQ(run.frames[0].pixel(16, 19), kRed);
  EXPECT_EQ(run.frames[0].pixel(16, 14), kGreen);
  EXPECT_EQ(run.frames[0].pixel(8, 19), kGreen);
}

TEST(Fly, FlyOutLeavesOverTheMovingNewPhoto) {
  TransitionRun run(32, 32, kGreen, kRed, kFly, {1, 0});
  EXPECT_EQ(run.render(1, 8, 8), 0);
  // Falling back: the old picture still on the bottom edge, the new photo above.
  EXPECT_EQ(run.frames[1].pixel(16, 2), kRed);
  EXPECT_EQ(run.frames[1].pixel(16, 31), kGreen);
  // Shrinking towards the centre: rows 18 … 20.
  EXPECT_EQ(run.frames[6].pixel(16, 14), kRed);
  EXPECT_EQ(run.frames[6].pixel(16, 19), kGreen);
  EXPECT_EQ(run.frames[6].pixel(16, 24), kRed);
}

TEST(CubeFly, TheFacesMeetWithoutAGapOnTheSharedEdge) {
  // Old red, new blue, black behind: between the outer edges every pixel is one
  // face or the other, or both blended on the seam.
  for (const int direction : {0, 1, 2, 3}) {
    TransitionRun run(32, 32, kRed, kBlue, kCubeFly, {direction, 0});
    EXPECT_EQ(run.render(1, 10, 10), 0);
    for (int t = 0; t < 10; ++t) {
      const bool rows = direction < 2;
      for (int along = 3; along < 29; ++along) {
        const std::uint32_t pixel =
            rows ? run.frames[t].pixel(16, along) : run.frames[t].pixel(along, 16);
        EXPECT_GE(red_of(pixel) + blue_of(pixel), 254)
            << direction << " frame " << t << " at " << along;
      }
    }
  }
}

TEST(CubeFly, TheSharedEdgeCrossesTheFrameSteadily) {
  // Bottom to up, H = 40, T = 10: after frame t the new face starts at
  // 40 − 4 (t + 1), and the old face is above it.
  TransitionRun run(32, 40, kRed, kBlue, kCubeFly);
  EXPECT_EQ(run.render(1, 10, 10), 0);
  for (int t = 0; t < 9; ++t) {
    const int edge = 40 - 4 * (t + 1);
    EXPECT_EQ(run.frames[t].pixel(16, edge - 2), kRed) << t;
    EXPECT_EQ(run.frames[t].pixel(16, edge + 1), kBlue) << t;
  }
  // Left to right: the new face comes in from the left.
  TransitionRun sideways(40, 32, kRed, kBlue, kCubeFly, {2, 0});
  EXPECT_EQ(sideways.render(1, 10, 10), 0);
  EXPECT_EQ(sideways.frames[2].pixel(10, 16), kBlue);
  EXPECT_EQ(sideways.frames[2].pixel(13, 16), kRed);
}

}  // namespace
}  // namespace pictavo
