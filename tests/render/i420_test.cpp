#include "render/i420.h"

#include <gtest/gtest.h>

#include <vector>

#include "render/frame_canvas.h"
#include "render_test_support.h"

namespace pictavo {
namespace {

struct Planes {
  std::vector<std::uint8_t> y, u, v;
};

Planes convert(const FrameCanvas& canvas) {
  const int w = canvas.width();
  const int h = canvas.height();
  std::vector<std::uint8_t> frame(i420_frame_size(w, h));
  rgb24_to_i420(canvas.pixels(), canvas.stride(), w, h, frame.data());
  const auto luma_end = frame.begin() + w * h;
  const auto u_end = luma_end + (w / 2) * (h / 2);
  return {{frame.begin(), luma_end}, {luma_end, u_end}, {u_end, frame.end()}};
}

TEST(I420, WhiteBlackAndRedGiveTheStudioRangeValues) {
  const Planes white = convert(test::solid_canvas(4, 2, kOpaqueWhite));
  EXPECT_EQ(white.y, std::vector<std::uint8_t>(8, 235));
  EXPECT_EQ(white.u, std::vector<std::uint8_t>(2, 128));
  EXPECT_EQ(white.v, std::vector<std::uint8_t>(2, 128));

  const Planes black = convert(test::solid_canvas(4, 2, kOpaqueBlack));
  EXPECT_EQ(black.y, std::vector<std::uint8_t>(8, 16));
  EXPECT_EQ(black.u, std::vector<std::uint8_t>(2, 128));
  EXPECT_EQ(black.v, std::vector<std::uint8_t>(2, 128));

  // U = ((-38 * 1020) >> 10) + 128: the shift rounds -37.85 down to -38.
  const Planes red = convert(test::solid_canvas(2, 2, argb(255, 255, 0, 0)));
  EXPECT_EQ(red.y, std::vector<std::uint8_t>(4, 81));
  EXPECT_EQ(red.u, std::vector<std::uint8_t>{90});
  EXPECT_EQ(red.v, std::vector<std::uint8_t>{239});
}

TEST(I420, ChromaSumsTheBlockAndRoundsTowardMinusInfinity) {
  FrameCanvas canvas = test::solid_canvas(2, 2, kOpaqueBlack);
  // One pixel of blue 1: V = (-18 >> 10) + 128 = 127, where truncation would give 128.
  cairo_rectangle(canvas.cr(), 1, 1, 1, 1);
  cairo_set_source_rgb(canvas.cr(), 0, 0, 1 / 255.0);
  cairo_fill(canvas.cr());
  const Planes planes = convert(canvas);
  EXPECT_EQ(planes.y, (std::vector<std::uint8_t>{16, 16, 16, 16}));
  EXPECT_EQ(planes.u, std::vector<std::uint8_t>{128});
  EXPECT_EQ(planes.v, std::vector<std::uint8_t>{127});

  // Four different pixels (0xRRGGBB): sums R 300, G 100, B 100.
  const std::uint32_t pixels[] = {0x640000, 0xC80064, 0x006400, 0x000000};
  std::vector<std::uint8_t> frame(i420_frame_size(2, 2));
  rgb24_to_i420(reinterpret_cast<const std::uint8_t*>(pixels), 8, 2, 2, frame.data());
  EXPECT_EQ(frame[0], ((66 * 100) >> 8) + 16);
  EXPECT_EQ(frame[1], ((66 * 200 + 25 * 100) >> 8) + 16);
  EXPECT_EQ(frame[2], ((129 * 100) >> 8) + 16);
  EXPECT_EQ(frame[3], 16);
  EXPECT_EQ(frame[4], ((112 * 100 - 74 * 100 - 38 * 300) >> 10) + 128);
  EXPECT_EQ(frame[5], ((112 * 300 - 94 * 100 - 18 * 100) >> 10) + 128);
}

TEST(I420, TheTopRowComesFirstAndRowsMayBePadded) {
  // 2 × 4 pixels, rows 12 bytes apart: rows 0-1 white, rows 2-3 black.
  std::vector<std::uint32_t> rows(3 * 4, 0);
  for (int row = 0; row < 2; ++row)
    rows[3 * row] = rows[3 * row + 1] = 0x00FFFFFF;
  std::vector<std::uint8_t> frame(i420_frame_size(2, 4));
  rgb24_to_i420(reinterpret_cast<const std::uint8_t*>(rows.data()), 12, 2, 4, frame.data());
  EXPECT_EQ(std::vector<std::uint8_t>(frame.begin(), frame.begin() + 8),
            (std::vector<std::uint8_t>{235, 235, 235, 235, 16, 16, 16, 16}));
}

}  // namespace
}  // namespace pictavo
