#include <gtest/gtest.h>

#include <cmath>

#include "effects/transition_type.h"
#include "render/strip_tiles.h"
#include "render_test_support.h"

namespace pictavo {
namespace {

using test::ColourNear;
using test::kBlue;
using test::kGreen;
using test::kRed;
using test::TransitionRun;

constexpr int kAccordion = static_cast<int>(TransitionType::kAccordion);
constexpr int kBlinds = static_cast<int>(TransitionType::kBlinds);
constexpr int kDoor = static_cast<int>(TransitionType::kDoor);
constexpr int kPolygon = static_cast<int>(TransitionType::kPolygon);

// A run that brings a blue photo in over a red picture on a green background.
struct RedToBlue : TransitionRun {
  RedToBlue(int width, int height, int type, TransitionValues values)
      : TransitionRun(width, height, kRed, kBlue, type, values) {
    job.background_argb = kGreen;
  }
};

// True when no pixel of `frame` in columns [from, to) has `colour`'s red or blue.
bool columns_lack(const FrameCanvas& frame, int from, int to, std::uint32_t colour) {
  for (int x = from; x < to; ++x) {
    for (int y = 0; y < frame.height(); ++y) {
      const std::uint32_t pixel = frame.pixel(x, y);
      if ((red_of(colour) > 0 && red_of(pixel) > 8) || (blue_of(colour) > 0 && blue_of(pixel) > 8))
        return false;
    }
  }
  return true;
}

TEST(StripPartition, TheFirstStripsTakeTheRemainder) {
  const std::vector<Strip> strips = strip_partition(368, 6);
  ASSERT_EQ(strips.size(), 6u);
  const int widths[] = {62, 62, 61, 61, 61, 61};
  int x = 0;
  for (std::size_t i = 0; i < strips.size(); ++i) {
    EXPECT_EQ(strips[i].x, x);
    EXPECT_EQ(strips[i].width, widths[i]);
    x += strips[i].width;
  }
  EXPECT_EQ(x, 368);
  for (const Strip& strip : strip_partition(480, 6))
    EXPECT_EQ(strip.width, 80);
  EXPECT_TRUE(strip_partition(0, 6).empty());
}

// The first frame on which strip `index` of four 16-pixel strips is no longer
// whole: its outer columns show the background.
int first_narrow_frame(const RedToBlue& run, int index) {
  for (std::size_t t = 0; t < run.frames.size(); ++t) {
    if (run.frames[t].pixel(16 * index, 0) == kGreen) return static_cast<int>(t);
  }
  return -1;
}

TEST(Blinds, SlatsStartOneAfterAnotherFromTheirSide) {
  // Four strips, T = 20: starts trunc(20 × i × 0.4 / 4) = 2 i.
  RedToBlue left(64, 2, kBlinds, {0, 4});
  EXPECT_EQ(left.render(1, 20, 20), 0);
  for (int i = 0; i < 4; ++i)
    EXPECT_EQ(first_narrow_frame(left, i), 2 * i) << i;
  // Before its start a slat is whole and old, narrowing about its centre.
  EXPECT_EQ(left.frames[5].pixel(16 * 3 + 8, 1), kRed);
  EXPECT_EQ(left.frames[6].pixel(16 * 3 + 8, 1), kRed);

  // Right to left: trunc(20 × (4 − i) × 0.4 / 4); the rightmost starts at 2, not 0,
  // the leftmost at trunc(T × 0.4).
  RedToBlue right(64, 2, kBlinds, {1, 4});
  EXPECT_EQ(right.render(1, 20, 20), 0);
  for (int i = 0; i < 4; ++i)
    EXPECT_EQ(first_narrow_frame(right, i), 2 * (4 - i)) << i;
}

TEST(Blinds, EachSlatTurnsOverWithinSixtyPercent) {
  RedToBlue run(64, 2, kBlinds, {0, 4});
  EXPECT_EQ(run.render(1, 21, 20), 0);
  // Strip 0 closes over frames 0-5 and opens with the new photo over 6-11.
  EXPECT_TRUE(columns_lack(run.frames[5], 0, 16, kBlue));
  EXPECT_EQ(run.frames[6].pixel(8, 0), kBlue);
  EXPECT_TRUE(columns_lack(run.frames[6], 0, 16, kRed));
  for (int x = 0; x < 16; ++x)
    EXPECT_TRUE(ColourNear(run.frames[11].pixel(x, 0), kBlue)) << x;
  // The last slat finishes on frame 17; the frame after the transition is the photo.
  for (int x = 0; x < 64; ++x)
    EXPECT_TRUE(ColourNear(run.frames[19].pixel(x, 1), kBlue)) << x;
  EXPECT_EQ(run.frames[20].pixel(63, 0), kBlue);
}

TEST(Blinds, ASlatClosedPastZeroWidthShowsNothing) {
  // T = 25: closing spans 7.5 frames but takes 8 whole ones, ending at −1/15 of
  // the slat's width; that frame shows only the background, never a mirrored tile.
  RedToBlue run(64, 2, kBlinds, {0, 4});
  EXPECT_EQ(run.render(1, 25, 25), 0);
  EXPECT_NE(run.frames[6].pixel(8, 0), kGreen);  // a sliver of the old picture
  for (int x = 0; x < 16; ++x)
    EXPECT_EQ(run.frames[7].pixel(x, 0), kGreen) << x;
  // It opens again from that width: about one pixel of the new photo.
  EXPECT_TRUE(ColourNear(run.frames[8].pixel(7, 0), kBlue));
  EXPECT_EQ(run.frames[8].pixel(5, 0), kGreen);
}

TEST(Accordion, OddStripsDarkenAsTheyFold) {
  // Six strips of 80 pixels, T = 10, left to right: every frame old strip i moves
  // by 8 pixels for each strip from i on, new strip i by 8 for each before it.
  RedToBlue run(480, 40, kAccordion, {0, 0});
  EXPECT_EQ(run.render(1, 10, 10), 0);
  // Frame 0: old strip 1 spans 120-192, shaded by 25 / 255; old strip 2 spans
  // 192-264 unshaded; the new strips lie 8 pixels wide from 0, the odd ones dark.
  const FrameCanvas& first = run.frames[0];
  EXPECT_TRUE(ColourNear(first.pixel(156, 20), argb(255, 230, 0, 0)));
  EXPECT_EQ(first.pixel(228, 20), kRed);
  EXPECT_EQ(first.pixel(4, 20), kBlue);
  EXPECT_TRUE(ColourNear(first.pixel(30, 20), argb(255, 0, 0, 25)));
  // Frame 4: new strip 3 spans 120-160 under black at 255 − 127.
  EXPECT_TRUE(ColourNear(run.frames[4].pixel(140, 20), argb(255, 0, 0, 127)));
}

TEST(Accordion, TheLastFrameShowsOnlyTheNewPhoto) {
  for (const int direction : {0, 1}) {
    RedToBlue run(480, 40, kAccordion, {direction, 0});
    EXPECT_EQ(run.render(1, 10, 10), 0);
    // The old strips have folded to nothing at one edge, the new ones lie flat.
    const FrameCanvas& last = run.frames[9];
    for (int x = 0; x < 480; x += 7) {
      EXPECT_TRUE(ColourNear(last.pixel(x, 1), kBlue, 3)) << direction << ": " << x;
      EXPECT_TRUE(ColourNear(last.pixel(x, 38), kBlue, 3)) << direction << ": " << x;
    }
  }
}

TEST(Accordion, RightToLeftFoldsTowardsTheLeftEdge) {
  RedToBlue run(480, 40, kAccordion, {1, 0});
  EXPECT_EQ(run.render(1, 10, 10), 0);
  // Frame 0: the new strips lie 8 pixels wide from the right edge, old strip 5
  // spans 360-432.
  EXPECT_TRUE(ColourNear(run.frames[0].pixel(476, 20), argb(255, 0, 0, 25)));
  EXPECT_EQ(run.frames[0].pixel(452, 20), kBlue);
  EXPECT_TRUE(ColourNear(run.frames[0].pixel(400, 20), argb(255, 230, 0, 0)));
  EXPECT_EQ(run.frames[4].pixel(2, 20), kRed);  // old strip 0 stays at the left edge
}

TEST(Door, CloseMeetsInTheMiddleOnTheLastTransitionFrame) {
  RedToBlue run(40, 20, kDoor, {1, 0});
  EXPECT_EQ(run.render(1, 10, 10), 0);
  // Frame 0: leaves 2 pixels wide at the sides, the old picture between them.
  EXPECT_EQ(run.frames[0].pixel(20, 10), kRed);
  EXPECT_TRUE(ColourNear(run.frames[0].pixel(0, 10), kBlue));
  EXPECT_TRUE(ColourNear(run.frames[0].pixel(39, 10), kBlue));
  // Last frame: the free edges stand at x = 20, y = 0; nothing old is left.
  for (int x = 0; x < 40; ++x) {
    EXPECT_TRUE(ColourNear(run.frames[9].pixel(x, 0), kBlue)) << x;
    EXPECT_TRUE(ColourNear(run.frames[9].pixel(x, 19), kBlue)) << x;
  }
}

TEST(Door, OpenSwingsTheOldHalvesAwayOverTheNewPhoto) {
  RedToBlue run(40, 20, kDoor, {0, 0});
  EXPECT_EQ(run.render(1, 11, 10), 0);
  // Frame 0: a gap of 4 pixels in the middle; the free edges have sunk a little.
  EXPECT_EQ(run.frames[0].pixel(19, 10), kBlue);
  EXPECT_EQ(run.frames[0].pixel(20, 10), kBlue);
  EXPECT_EQ(run.frames[0].pixel(10, 10), kRed);
  // Half way: the leaves are half as wide and hang 0.15 H lower at their free edge.
  EXPECT_EQ(run.frames[4].pixel(2, 10), kRed);
  EXPECT_EQ(run.frames[4].pixel(12, 10), kBlue);
  // The last transition frame: both leaves have swung flat against the sides.
  for (int x = 1; x < 39; ++x)
    EXPECT_TRUE(ColourNear(run.frames[9].pixel(x, 10), kBlue)) << x;
}

TEST(Polygon, FlyOutOpensARegularHoleRoundTheCentre) {
  // Three pieces moving outwards by r / T = 3.6 pixels a frame on 60 × 40; the
  // triangular hole has a vertical side on the left and a corner on the right.
  RedToBlue run(60, 40, kPolygon, {3, 1});
  EXPECT_EQ(run.render(1, 11, 10), 0);
  EXPECT_EQ(run.frames[0].pixel(30, 20), kBlue);
  EXPECT_EQ(run.frames[0].pixel(0, 0), kRed);
  // Frame 4: the sides stand 18 pixels from the centre.
  EXPECT_EQ(run.frames[4].pixel(30 - 24, 20), kRed);
  EXPECT_EQ(run.frames[4].pixel(30 + 24, 20), kBlue);
  EXPECT_EQ(run.frames[4].pixel(30 - 14, 20), kBlue);
  // After T frames every piece has moved by r and the frame is clear.
  for (const auto& [x, y] : {std::pair{0, 0}, {59, 0}, {0, 39}, {59, 39}})
    EXPECT_TRUE(ColourNear(run.frames[9].pixel(x, y), kBlue)) << x << "," << y;
}

TEST(Polygon, NinePiecesOpenANineSidedHole) {
  RedToBlue run(60, 60, kPolygon, {9, 1});
  EXPECT_EQ(run.render(1, 10, 10), 0);
  // Frame 3: sides at 4 × 4.24 ≈ 17 pixels; the corners of a nonagon reach only
  // 1.064 times as far, so the hole is nearly round.
  for (int angle = 0; angle < 360; angle += 20) {
    const double radians = angle * 3.14159265 / 180;
    const int near_x = static_cast<int>(30 + 15 * std::cos(radians));
    const int near_y = static_cast<int>(30 + 15 * std::sin(radians));
    const int far_x = static_cast<int>(30 + 20 * std::cos(radians));
    const int far_y = static_cast<int>(30 + 20 * std::sin(radians));
    EXPECT_EQ(run.frames[3].pixel(near_x, near_y), kBlue) << angle;
    EXPECT_EQ(run.frames[3].pixel(far_x, far_y), kRed) << angle;
  }
}

TEST(Polygon, FlyInClosesOverTheOldPicture) {
  RedToBlue run(60, 40, kPolygon, {5, 0});
  EXPECT_EQ(run.render(1, 10, 10), 0);
  EXPECT_EQ(run.frames[0].pixel(30, 20), kRed);
  for (const auto& [x, y] : {std::pair{0, 0}, {59, 0}, {30, 20}, {0, 39}, {59, 39}})
    EXPECT_TRUE(ColourNear(run.frames[9].pixel(x, y), kBlue)) << x << "," << y;
}

}  // namespace
}  // namespace pictavo
