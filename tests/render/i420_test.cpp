#include "render/i420.h"

#include <gtest/gtest.h>

#include <random>
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

TEST(I420, EveryWidthGivesTheArithmeticOfEachPixelAndBlock) {
  // Random pixels with random padding bytes, at widths that end a row inside and
  // after whole runs of sixteen pixels.
  std::mt19937 random(7);
  for (const int width : {1, 2, 15, 16, 17, 33, 48, 63, 97}) {
    const int height = 5;
    std::vector<std::uint32_t> pixels(static_cast<std::size_t>(width + 1) * height);
    for (std::uint32_t& pixel : pixels)
      pixel = random();
    std::vector<std::uint8_t> frame(i420_frame_size(width, height));
    rgb24_to_i420(reinterpret_cast<const std::uint8_t*>(pixels.data()), 4 * (width + 1), width,
                  height, frame.data());
    const auto at = [&](int x, int y) {
      return pixels[static_cast<std::size_t>(y * (width + 1) + x)];
    };
    for (int y = 0; y < height; ++y) {
      for (int x = 0; x < width; ++x) {
        const std::uint32_t p = at(x, y);
        ASSERT_EQ(frame[static_cast<std::size_t>(y * width + x)],
                  ((66 * red_of(p) + 129 * green_of(p) + 25 * blue_of(p)) >> 8) + 16)
            << width << " wide, at " << x << "," << y;
      }
    }
    const int chroma_width = width / 2;
    const std::uint8_t* u = frame.data() + width * height;
    const std::uint8_t* v = u + chroma_width * (height / 2);
    for (int y = 0; y < height / 2; ++y) {
      for (int x = 0; x < chroma_width; ++x) {
        int r = 0, g = 0, b = 0;
        for (const std::uint32_t p : {at(2 * x, 2 * y), at(2 * x + 1, 2 * y), at(2 * x, 2 * y + 1),
                                      at(2 * x + 1, 2 * y + 1)}) {
          r += red_of(p);
          g += green_of(p);
          b += blue_of(p);
        }
        const std::size_t i = static_cast<std::size_t>(y * chroma_width + x);
        ASSERT_EQ(u[i], ((112 * b - 74 * g - 38 * r) >> 10) + 128) << width << " wide";
        ASSERT_EQ(v[i], ((112 * r - 94 * g - 18 * b) >> 10) + 128) << width << " wide";
      }
    }
  }
}

}  // namespace
}  // namespace pictavo
