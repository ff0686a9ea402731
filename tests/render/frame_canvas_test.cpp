#include "render/frame_canvas.h"

#include <gtest/gtest.h>

#include "render_test_support.h"

namespace pictavo {
namespace {

using test::ColourNear;
using test::kBlue;
using test::kGreen;
using test::kRed;

TEST(FrameCanvas, APictureShrunkToASliverDrawsNothingAndLeavesTheCanvasUsable) {
  FrameCanvas canvas(16, 8);
  canvas.fill(kGreen);
  const FrameCanvas wide = test::solid_canvas(720, 8, kRed);
  for (const float width : {0.02f, 1e-4f, 0.0f, -1e-3f})
    canvas.draw(wide, RectF{4.3f, 0, width, 8});
  canvas.draw(wide, Parallelogram{{4, 0}, {4.001f, 0}, {4, 8}});
  EXPECT_EQ(canvas.pixel(4, 4), kGreen);
  // Cairo refuses such a draw for good; the canvas must still take the next one.
  canvas.draw(test::solid_canvas(4, 4, kBlue), 0, 0);
  EXPECT_EQ(canvas.pixel(1, 1), kBlue);
}

// The one-pass draw over black must leave every pixel as clearing and then
// drawing does (but for the rounding of the blend), the picture's blended edges
// included, turned or not.
TEST(FrameCanvas, DrawingOnBlackEqualsClearingThenDrawing) {
  const FrameCanvas picture =
      test::quadrant_canvas(7, 5, {kRed, kGreen, kBlue, argb(255, 200, 180, 20)});
  for (const double degrees : {0.0, 17.0}) {
    FrameCanvas cleared(24, 16);
    FrameCanvas replaced(24, 16);
    cleared.fill(kGreen);
    replaced.fill(kGreen);
    for (FrameCanvas* canvas : {&cleared, &replaced})
      canvas->rotate_about(degrees, 12, 8);
    cleared.fill(kOpaqueBlack);
    cleared.draw(picture, RectF{3.3f, 2.6f, 15.5f, 9.2f});
    replaced.draw_on_black(picture, RectF{3.3f, 2.6f, 15.5f, 9.2f});
    for (int y = 0; y < 16; ++y) {
      for (int x = 0; x < 24; ++x)
        ASSERT_TRUE(ColourNear(replaced.pixel(x, y), cleared.pixel(x, y)))
            << x << "," << y << " " << degrees;
    }
  }
}

TEST(FrameCanvas, DrawsAPictureIntoAParallelogramByThreeCorners) {
  FrameCanvas canvas(32, 16);
  canvas.fill(kOpaqueBlack);
  const FrameCanvas quadrants = test::quadrant_canvas(16, 16, {kRed, kGreen, kBlue, kOpaqueWhite});
  // Leaning right by one pixel per pixel down, twice as wide.
  canvas.draw(quadrants, Parallelogram{{0, 0}, {32, 0}, {16, 16}});
  EXPECT_EQ(canvas.pixel(8, 2), kRed);
  EXPECT_EQ(canvas.pixel(24, 2), kGreen);
  EXPECT_EQ(canvas.pixel(16, 13), kBlue);
  EXPECT_EQ(canvas.pixel(2, 13), kOpaqueBlack);  // left of the leaning edge
  // Mirrored: upper right left of upper left.
  canvas.fill(kOpaqueBlack);
  canvas.draw(quadrants, Parallelogram{{16, 0}, {0, 0}, {16, 16}});
  EXPECT_EQ(canvas.pixel(12, 4), kRed);
  EXPECT_EQ(canvas.pixel(3, 4), kGreen);
  EXPECT_EQ(canvas.pixel(20, 4), kOpaqueBlack);
}

// An 8 × 2 mask with opacity `alpha` (0 to 255) over its first `columns` columns, 0 beyond.
FrameCanvas left_mask(int columns, std::uint32_t alpha) {
  FrameCanvas mask(8, 2, FrameCanvas::Format::kAlpha8);
  mask.fill(0);
  cairo_rectangle(mask.cr(), 0, 0, columns, 2);
  cairo_clip(mask.cr());
  mask.fill(argb(alpha, 0, 0, 0));
  cairo_reset_clip(mask.cr());
  return mask;
}

TEST(FrameCanvas, DrawsThroughAnAlphaMask) {
  const FrameCanvas mask = left_mask(4, 128);
  EXPECT_EQ(mask.pixel(0, 0), argb(128, 0, 0, 0));
  EXPECT_EQ(mask.pixel(7, 1), 0u);

  FrameCanvas canvas = test::solid_canvas(8, 2, kOpaqueBlack);
  canvas.draw_masked(test::solid_canvas(8, 2, kOpaqueWhite), mask);
  EXPECT_TRUE(ColourNear(canvas.pixel(1, 1), test::grey(128), 1));
  EXPECT_EQ(canvas.pixel(6, 0), kOpaqueBlack);
}

TEST(FrameCanvas, DrawsThroughAMaskShiftedByFractionsOfAPixel) {
  const FrameCanvas mask = left_mask(7, 255);
  // White over [3.5, 7.5): its outer pixels half covered; the mask stops at 7.
  FrameCanvas canvas = test::solid_canvas(8, 2, kOpaqueBlack);
  canvas.draw_masked(test::solid_canvas(4, 2, kOpaqueWhite), mask, 3.5f, 0);
  EXPECT_EQ(canvas.pixel(2, 0), kOpaqueBlack);
  EXPECT_TRUE(ColourNear(canvas.pixel(3, 1), test::grey(128), 1));
  EXPECT_EQ(canvas.pixel(5, 0), kOpaqueWhite);
  EXPECT_TRUE(ColourNear(canvas.pixel(6, 1), kOpaqueWhite, 1));
  EXPECT_EQ(canvas.pixel(7, 0), kOpaqueBlack);
}

}  // namespace
}  // namespace pictavo
