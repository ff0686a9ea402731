#include "render/slice_drawer.h"

#include <gtest/gtest.h>

#include <cstring>
#include <limits>

#include "render/edge_path.h"
#include "render_test_support.h"

namespace pictavo {
namespace {

using test::ColourNear;
using test::kBlue;
using test::kRed;

constexpr std::uint32_t kGrey = argb(255, 90, 90, 90);

// A picture of pseudo-random pixels, so that every sample differs.
FrameCanvas noise_canvas(int width, int height) {
  FrameCanvas canvas(width, height);
  std::uint32_t state = 12345;
  std::uint8_t* pixels = canvas.mutable_pixels();
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      state = state * 1103515245u + 12345u;
      const std::uint32_t value = (state >> 8) | 0xFF000000u;
      std::memcpy(pixels + y * canvas.stride() + 4 * x, &value, 4);
    }
  }
  canvas.pixels_changed();
  return canvas;
}

// The largest difference of any channel between the two canvases.
int largest_difference(const FrameCanvas& a, const FrameCanvas& b) {
  int largest = 0;
  for (int y = 0; y < a.height(); ++y) {
    for (int x = 0; x < a.width(); ++x) {
      const std::uint32_t p = a.pixel(x, y);
      const std::uint32_t q = b.pixel(x, y);
      largest = std::max({largest, std::abs(red_of(p) - red_of(q)),
                          std::abs(green_of(p) - green_of(q)), std::abs(blue_of(p) - blue_of(q))});
    }
  }
  return largest;
}

struct Placement {
  float start;
  float length;
};

// Stretched, shrunk to a few pixels or less, hanging over either end.
constexpr Placement kPlacements[] = {{0.3f, 5.7f}, {-2.5f, 12.25f}, {1.0f, 2.0f},  {3.7f, 0.6f},
                                     {4.2f, 9.0f}, {-6.0f, 3.0f},   {0.0f, 12.0f}, {2.45f, 3.3f}};

TEST(SliceDrawer, ColumnsSampleLikeCairoDrawingAOnePixelWidePicture) {
  const FrameCanvas source = noise_canvas(6, 7);
  for (const Placement& placement : kPlacements) {
    for (int k = 0; k < source.width(); ++k) {
      FrameCanvas column(1, source.height());
      column.draw(source, static_cast<float>(-k), 0);
      FrameCanvas cairo = test::solid_canvas(5, 12, kGrey);
      cairo.draw(column, RectF{2, placement.start, 1, placement.length});
      FrameCanvas ours = test::solid_canvas(5, 12, kGrey);
      SliceDrawer(ours, SliceAxis::kColumns)
          .draw(source, 2, static_cast<float>(k), placement.start, placement.length);
      EXPECT_LE(largest_difference(ours, cairo), 2) << placement.start << " " << placement.length;
    }
  }
}

TEST(SliceDrawer, RowsSampleLikeCairoDrawingAOnePixelHighPicture) {
  const FrameCanvas source = noise_canvas(7, 5);
  for (const Placement& placement : kPlacements) {
    for (int k = 0; k < source.height(); ++k) {
      FrameCanvas row(source.width(), 1);
      row.draw(source, 0, static_cast<float>(-k));
      FrameCanvas cairo = test::solid_canvas(12, 4, kGrey);
      cairo.draw(row, RectF{placement.start, 1, placement.length, 1});
      FrameCanvas ours = test::solid_canvas(12, 4, kGrey);
      SliceDrawer(ours, SliceAxis::kRows)
          .draw(source, 1, static_cast<float>(k), placement.start, placement.length);
      EXPECT_LE(largest_difference(ours, cairo), 2) << placement.start << " " << placement.length;
    }
  }
}

TEST(SliceDrawer, LongSlicesSampleLikeCairoAllAlong) {
  // Longer than the drawer blends at once; at their own length, stretched, and
  // shrunk a little and a lot. Column 2 samples the picture 0.4 of the way from
  // its column 1 to column 2, as Cairo does with the picture drawn from x = 0.6.
  const FrameCanvas source = noise_canvas(3, 700);
  for (const float length : {700.0f, 650.5f, 930.0f, 420.0f, 200.0f}) {
    FrameCanvas cairo = test::solid_canvas(4, 1000, kGrey);
    cairo_rectangle(cairo.cr(), 2, 0, 1, 1000);
    cairo_clip(cairo.cr());
    cairo.draw(source, RectF{0.6f, 3.3f, 3, length});
    FrameCanvas ours = test::solid_canvas(4, 1000, kGrey);
    SliceDrawer(ours, SliceAxis::kColumns).draw(source, 2, 1.4f, 3.3f, length);
    // Cairo's bilinear weights have 7 bits, ours 8; blending both ways, a
    // channel may come out 3 apart.
    EXPECT_LE(largest_difference(ours, cairo), 3) << length;
  }
}

TEST(SliceDrawer, APositionBetweenSlicesBlendsThemAndFadesBeyondTheOuterOnes) {
  FrameCanvas source = test::solid_canvas(2, 4, kRed);
  cairo_rectangle(source.cr(), 1, 0, 1, 4);
  cairo_set_source_rgb(source.cr(), 0, 0, 1);
  cairo_fill(source.cr());
  FrameCanvas target = test::solid_canvas(4, 4, kOpaqueBlack);
  {
    SliceDrawer columns(target, SliceAxis::kColumns);
    columns.draw(source, 0, 0.5f, 0, 4);    // half red, half blue
    columns.draw(source, 1, -0.25f, 0, 4);  // three quarters of red over black
    columns.draw(source, 2, 1.5f, 0, 4);    // half of blue over black
    columns.draw(source, 3, 2.0f, 0, 4);    // past the last column: nothing
  }
  EXPECT_TRUE(ColourNear(target.pixel(0, 2), argb(255, 128, 0, 128), 1));
  EXPECT_TRUE(ColourNear(target.pixel(1, 2), argb(255, 191, 0, 0), 1));
  EXPECT_TRUE(ColourNear(target.pixel(2, 2), argb(255, 0, 0, 128), 1));
  EXPECT_EQ(target.pixel(3, 2), kOpaqueBlack);
}

TEST(SliceDrawer, PlacementsWithoutAreaOrFiniteNumbersDrawNothing) {
  const FrameCanvas source = noise_canvas(4, 4);
  FrameCanvas target = test::solid_canvas(4, 4, kGrey);
  const float nan = std::numeric_limits<float>::quiet_NaN();
  const float huge = std::numeric_limits<float>::infinity();
  {
    SliceDrawer columns(target, SliceAxis::kColumns);
    columns.draw(source, 1, nan, 0, 4);
    columns.draw(source, 1, 1, nan, 4);
    columns.draw(source, 1, 1, 0, huge);
    columns.draw(source, 1, 1, -huge, 4);
    columns.draw(source, 1, 1, 0, 0);
    columns.draw(source, 1, 1, 0, -3);
    columns.draw(source, 4, 1, 0, 4);
    columns.draw_plane(source, {nan, 0, 4}, {3, 0, 4}, PlaneSpacing::kPerspective);
    columns.draw_plane(source, {2, 0, 4}, {2, 0, 4}, PlaneSpacing::kEven);
    columns.draw_plane(source, {0, nan, 4}, {3, 0, 4}, PlaneSpacing::kPerspective);
  }
  EXPECT_EQ(largest_difference(target, test::solid_canvas(4, 4, kGrey)), 0);
}

TEST(SliceDrawer, CopyPutsSlicesInPlaceUnscaled) {
  const FrameCanvas source = noise_canvas(6, 4);
  FrameCanvas target = test::solid_canvas(6, 4, kGrey);
  SliceDrawer(target, SliceAxis::kColumns).copy(source, 2, 9);  // clamped to the picture
  for (int y = 0; y < 4; ++y) {
    EXPECT_EQ(target.pixel(1, y), kGrey);
    for (int x = 2; x < 6; ++x)
      EXPECT_EQ(target.pixel(x, y), source.pixel(x, y)) << x << "," << y;
  }
  FrameCanvas rows = test::solid_canvas(6, 4, kGrey);
  SliceDrawer(rows, SliceAxis::kRows).copy(source, -1, 1);
  EXPECT_EQ(rows.pixel(5, 0), source.pixel(5, 0));
  EXPECT_EQ(rows.pixel(5, 1), kGrey);
}

TEST(SliceDrawer, AnEvenPlaneTapersItsSlicesBetweenTheEdges) {
  // Four columns spread over x = 2 … 6, from full height down to rows 2 … 6.
  const FrameCanvas source = test::solid_canvas(4, 8, kRed);
  FrameCanvas target = test::solid_canvas(8, 8, kOpaqueBlack);
  SliceDrawer(target, SliceAxis::kColumns)
      .draw_plane(source, {2, 0, 8}, {6, 2, 6}, PlaneSpacing::kEven);
  for (int y = 0; y < 8; ++y) {
    EXPECT_EQ(target.pixel(1, y), kOpaqueBlack) << y;
    EXPECT_EQ(target.pixel(2, y), kRed) << y;  // column 0: full height
    EXPECT_EQ(target.pixel(6, y), kOpaqueBlack) << y;
  }
  // Column 3 runs from 1.5 to 6.5: its end rows half covered.
  EXPECT_EQ(target.pixel(5, 0), kOpaqueBlack);
  EXPECT_TRUE(ColourNear(target.pixel(5, 1), argb(255, 128, 0, 0), 1));
  EXPECT_EQ(target.pixel(5, 2), kRed);
  EXPECT_EQ(target.pixel(5, 5), kRed);
  EXPECT_TRUE(ColourNear(target.pixel(5, 6), argb(255, 128, 0, 0), 1));
}

TEST(SliceDrawer, APerspectivePlaneCrowdsTheFarSlicesTogether) {
  // Top half red, bottom half blue, from a full-width top edge to a half-width
  // bottom edge: drawn in perspective, the far (bottom) half takes a third of
  // the height.
  FrameCanvas source = test::solid_canvas(8, 8, kRed);
  cairo_rectangle(source.cr(), 0, 4, 8, 4);
  cairo_set_source_rgb(source.cr(), 0, 0, 1);
  cairo_fill(source.cr());
  FrameCanvas even = test::solid_canvas(8, 12, kOpaqueBlack);
  SliceDrawer(even, SliceAxis::kRows)
      .draw_plane(source, {0, 0, 8}, {12, 2, 6}, PlaneSpacing::kEven);
  FrameCanvas perspective = test::solid_canvas(8, 12, kOpaqueBlack);
  SliceDrawer(perspective, SliceAxis::kRows)
      .draw_plane(source, {0, 0, 8}, {12, 2, 6}, PlaneSpacing::kPerspective);
  // Evenly the colours meet half way down; in perspective two thirds down.
  EXPECT_EQ(even.pixel(4, 4), kRed);
  EXPECT_EQ(even.pixel(4, 7), kBlue);
  EXPECT_EQ(perspective.pixel(4, 6), kRed);
  EXPECT_GT(red_of(perspective.pixel(4, 7)), 200);
  EXPECT_EQ(perspective.pixel(4, 9), kBlue);
  // Both taper the rows between the edges: row 9 spans about 1.5 … 6.5.
  for (const FrameCanvas* plane : {&even, &perspective}) {
    EXPECT_EQ(plane->pixel(0, 9), kOpaqueBlack);
    EXPECT_EQ(plane->pixel(2, 9), kBlue);
    EXPECT_EQ(plane->pixel(5, 9), kBlue);
    EXPECT_EQ(plane->pixel(7, 9), kOpaqueBlack);
  }
}

TEST(SliceDrawer, PlanesMeetingOnAHardEdgeLeaveNoGap) {
  const FrameCanvas red = test::solid_canvas(6, 6, kRed);
  const FrameCanvas blue = test::solid_canvas(6, 6, kBlue);
  for (const float seam : {3.0f, 3.25f, 3.5f, 3.8f}) {
    FrameCanvas target = test::solid_canvas(6, 8, kOpaqueBlack);
    {
      SliceDrawer rows(target, SliceAxis::kRows);
      rows.draw_plane(red, {0, 0, 6}, {seam, 0, 6, true}, PlaneSpacing::kPerspective);
      rows.draw_plane(blue, {seam, 0, 6}, {8, 1, 5}, PlaneSpacing::kPerspective);
    }
    for (int y = 0; y < 8; ++y) {
      const std::uint32_t pixel = target.pixel(3, y);
      EXPECT_GE(red_of(pixel) + blue_of(pixel), 254) << seam << " row " << y;
    }
  }
}

TEST(SliceDrawer, ParallelogramsAlongTheSlicesMapLikeCairo) {
  const FrameCanvas source = noise_canvas(6, 7);
  struct Case {
    SliceAxis axis;
    Parallelogram shape;
  };
  const Case cases[] = {
      // Columns: the left side straight down. In place on whole pixels; sheared
      // and stretched across at the picture's own height (the pairwise path);
      // mirrored and hanging over the top; squeezed across and stretched along.
      {SliceAxis::kColumns, {{2, 0}, {8, 0}, {2, 7}}},
      {SliceAxis::kColumns, {{1.3f, 2.6f}, {11.1f, -1.2f}, {1.3f, 9.6f}}},
      {SliceAxis::kColumns, {{10.5f, -2.3f}, {3.2f, 4.4f}, {10.5f, 4.7f}}},
      {SliceAxis::kColumns, {{0.4f, 1.1f}, {3.9f, 2.0f}, {0.4f, 12.5f}}},
      // Rows: the top side straight right.
      {SliceAxis::kRows, {{0.7f, 1.4f}, {6.7f, 1.4f}, {4.1f, 8.9f}}},
      {SliceAxis::kRows, {{2.2f, 10.6f}, {11.5f, 10.6f}, {0.5f, 3.1f}}},
  };
  for (const Case& item : cases) {
    FrameCanvas cairo = test::solid_canvas(12, 12, kGrey);
    cairo.draw(source, item.shape);
    FrameCanvas ours = test::solid_canvas(12, 12, kGrey);
    SliceDrawer(ours, item.axis).draw(source, item.shape);
    // Cairo's bilinear weights have 7 bits, ours 8; blending both ways, a
    // channel may come out 3 apart.
    EXPECT_LE(largest_difference(ours, cairo), 3) << item.shape.upper_left.x;
  }
}

TEST(SliceDrawer, ParallelogramsWithoutWidthDrawNothing) {
  const FrameCanvas source = noise_canvas(4, 4);
  FrameCanvas target = test::solid_canvas(4, 4, kGrey);
  {
    SliceDrawer columns(target, SliceAxis::kColumns);
    columns.draw(source, Parallelogram{{2, 0}, {2, 3}, {2, 4}});
    columns.draw(source, Parallelogram{{1, 4}, {3, 4}, {1, 0}});  // upside down
    columns.draw(FrameCanvas(), Parallelogram{{0, 0}, {4, 0}, {0, 4}});
  }
  EXPECT_EQ(largest_difference(target, test::solid_canvas(4, 4, kGrey)), 0);
}

TEST(EdgePath, PhasesMeetWithoutAJumpAndEndOnTheLastEdge) {
  const EdgePath path{{0, 0, 10}, {6, 2, 8}, {3, 0, 10}};
  // 4 frames to the middle edge, then 2 more.
  EXPECT_FLOAT_EQ(path.at(0, 4, 6).position, 1.5f);
  EXPECT_FLOAT_EQ(path.at(3, 4, 6).position, 6);
  EXPECT_FLOAT_EQ(path.at(3, 4, 6).start, 2);
  EXPECT_FLOAT_EQ(path.at(4, 4, 6).position, 4.5f);
  EXPECT_FLOAT_EQ(path.at(5, 4, 6).position, 3);
  EXPECT_FLOAT_EQ(path.at(5, 4, 6).end, 10);
  // Without a first phase the edge goes straight from the middle to the end.
  EXPECT_FLOAT_EQ(path.at(0, 0, 1).position, 3);
}

}  // namespace
}  // namespace pictavo
