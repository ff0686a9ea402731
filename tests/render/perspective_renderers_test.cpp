#include <gtest/gtest.h>

#include "base/event.h"
#include "effects/transition_type.h"
#include "render/transition_renderers.h"
#include "render_test_support.h"

namespace pictavo {
namespace {

using test::ColourNear;
using test::RecordingRun;

constexpr std::uint32_t kRed = argb(255, 255, 0, 0);
constexpr std::uint32_t kGreen = argb(255, 0, 255, 0);
constexpr std::uint32_t kBlue = argb(255, 0, 0, 255);
constexpr std::uint32_t kYellow = argb(255, 255, 255, 0);

constexpr int kCubeFly = static_cast<int>(TransitionType::kCubeFly);
constexpr int kFlip = static_cast<int>(TransitionType::kFlip);
constexpr int kFly = static_cast<int>(TransitionType::kFly);
constexpr int kRotateIn = static_cast<int>(TransitionType::kRotateIn);
constexpr int kTwist = static_cast<int>(TransitionType::kTwist);

FrameCanvas quadrants(int width, int height) {
  return test::quadrant_canvas(width, height, {kRed, kBlue, kYellow, kOpaqueBlack});
}

// A run over a black background whose output shows `old_picture`, rendering
// photo 1 (`incoming`) with the transition.
struct TransitionRun : RecordingRun {
  TransitionRun(FrameCanvas old_picture, FrameCanvas incoming, int type, int p1)
      : RecordingRun(old_picture.width(), old_picture.height()) {
    add_photo(old_picture.copy());
    add_photo(std::move(incoming), 20, type, {p1, 0});
    context.output = std::move(old_picture);
  }
  // The new photo all red coming in over an old picture all green.
  TransitionRun(int width, int height, int type, int p1)
      : TransitionRun(test::solid_canvas(width, height, kGreen),
                      test::solid_canvas(width, height, kRed), type, p1) {}
};

// True when every pixel of the frame is within `tolerance` of the picture's.
::testing::AssertionResult ShowsPicture(const FrameCanvas& frame, const FrameCanvas& picture,
                                        int tolerance = 0) {
  for (int y = 0; y < frame.height(); ++y) {
    for (int x = 0; x < frame.width(); ++x) {
      if (!ColourNear(frame.pixel(x, y), picture.pixel(x, y), tolerance))
        return ::testing::AssertionFailure() << "differs at " << x << "," << y;
    }
  }
  return ::testing::AssertionSuccess();
}

struct Choice {
  int type;
  int p1;
};

constexpr Choice kAllChoices[] = {{kTwist, 0},   {kTwist, 1},   {kRotateIn, 0}, {kRotateIn, 1},
                                  {kFlip, 0},    {kFlip, 1},    {kFly, 0},      {kFly, 1},
                                  {kCubeFly, 0}, {kCubeFly, 1}, {kCubeFly, 2},  {kCubeFly, 3}};

TEST(Perspective, EveryChoiceEndsOnTheNewPhotoFlatAndFullSize) {
  for (const Choice& choice : kAllChoices) {
    for (const int frames : {1, 2, 7, 12}) {
      TransitionRun run(test::solid_canvas(24, 16, kGreen), quadrants(24, 16), choice.type,
                        choice.p1);
      EXPECT_EQ(run.render(1, frames + 1, frames), 0);
      ASSERT_EQ(run.frames.size(), static_cast<std::size_t>(frames + 1));
      const FrameCanvas expected = quadrants(24, 16);
      EXPECT_TRUE(ShowsPicture(run.frames[frames - 1], expected, 1))
          << choice.type << "/" << choice.p1 << " T = " << frames;
      EXPECT_TRUE(ShowsPicture(run.frames[frames], expected));
    }
  }
}

TEST(Perspective, WithoutTransitionFramesThePhotoShowsAtOnce) {
  for (const Choice& choice : kAllChoices) {
    TransitionRun run(8, 6, choice.type, choice.p1);
    EXPECT_EQ(run.render(1, 3, 0), 0);
    ASSERT_EQ(run.frames.size(), 3u);
    EXPECT_EQ(run.frames[0].pixel(4, 3), kRed) << choice.type;
  }
}

TEST(Perspective, AStopEndsEveryRendererAfterTheFrameInProgress) {
  for (const Choice& choice : kAllChoices) {
    TransitionRun run(16, 12, choice.type, choice.p1);
    Event stop;
    run.context.stop_event = &stop;
    run.encoder_result = [&stop](int frame) {
      if (frame == 2) stop.set();
      return 0;
    };
    EXPECT_EQ(run.render(1, 30, 10), 2) << choice.type << "/" << choice.p1;
    EXPECT_EQ(run.frames.size(), 3u);
  }
}

TEST(Twist, TheFirstFrameShowsOnlyTheOldPicturePinchedAtTheEdge) {
  // W = 32, T = 8: the front stands at −2, so only old columns, the first
  // ceil(1.5 W / T) = 6 of them pinched towards it.
  for (const int direction : {0, 1}) {
    TransitionRun run(32, 8, kTwist, direction);
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
  TransitionRun run(32, 8, kTwist, 0);
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
    TransitionRun run(32, 20, kRotateIn, direction);
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
    TransitionRun run(40, 40, kFlip, axis);
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
    EXPECT_TRUE(ShowsPicture(run.frames[1], test::solid_canvas(40, 40, kOpaqueBlack)));
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
  TransitionRun run(32, 32, kFly, 0);
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
  TransitionRun run(32, 32, kFly, 1);
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
    TransitionRun run(test::solid_canvas(32, 32, kRed), test::solid_canvas(32, 32, kBlue), kCubeFly,
                      direction);
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
  TransitionRun run(test::solid_canvas(32, 40, kRed), test::solid_canvas(32, 40, kBlue), kCubeFly,
                    0);
  EXPECT_EQ(run.render(1, 10, 10), 0);
  for (int t = 0; t < 9; ++t) {
    const int edge = 40 - 4 * (t + 1);
    EXPECT_EQ(run.frames[t].pixel(16, edge - 2), kRed) << t;
    EXPECT_EQ(run.frames[t].pixel(16, edge + 1), kBlue) << t;
  }
  // Left to right: the new face comes in from the left.
  TransitionRun sideways(test::solid_canvas(40, 32, kRed), test::solid_canvas(40, 32, kBlue),
                         kCubeFly, 2);
  EXPECT_EQ(sideways.render(1, 10, 10), 0);
  EXPECT_EQ(sideways.frames[2].pixel(10, 16), kBlue);
  EXPECT_EQ(sideways.frames[2].pixel(13, 16), kRed);
}

}  // namespace
}  // namespace pictavo
