#pragma once

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <initializer_list>
#include <string>

#include "image/image.h"
#include "support/temp_program_folder.h"

// The pattern every checked-in test picture shows (scripts/make-test-images), and
// tiny pictures built in the tests.
namespace pictavo::test {

inline constexpr int kPatternWidth = 8;
inline constexpr int kPatternHeight = 6;

inline RgbQuad pattern_colour(int x, int y) {
  return rgb(static_cast<std::uint8_t>(x * 36), static_cast<std::uint8_t>(y * 50),
             static_cast<std::uint8_t>((x + y) * 20));
}

inline std::uint8_t pattern_grey(int x, int y) {
  return static_cast<std::uint8_t>(x * 30 + y * 5);
}

inline bool pattern_bit(int x, int y) {
  return (x + y) % 3 == 0;
}

// The alpha of the pictures with alpha: opaque on the left half, transparent in the
// last column, half-transparent between.
inline std::uint8_t pattern_alpha(int x) {
  return x == kPatternWidth - 1 ? 0 : x < kPatternWidth / 2 ? 255 : 128;
}

inline std::filesystem::path valid_picture(const std::string& name) {
  return test_data_folder() / "images" / "valid" / name;
}

inline std::filesystem::path broken_picture(const std::string& name) {
  return test_data_folder() / "images" / "broken" / name;
}

// The colour pattern as a 24-bit picture.
inline Image pattern_image() {
  Image image = *Image::create(kPatternWidth, kPatternHeight, 24);
  for (int y = 0; y < kPatternHeight; ++y) {
    for (int x = 0; x < kPatternWidth; ++x)
      image.set_pixel(x, y, pattern_colour(x, y));
  }
  return image;
}

// A 24-bit picture of one colour.
inline Image filled_image(int width, int height, RgbQuad colour) {
  Image image = *Image::create(width, height, 24);
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x)
      image.set_pixel(x, y, colour);
  }
  return image;
}

// A 24-bit picture whose rows are given as grey levels.
inline Image grey_image(std::initializer_list<std::initializer_list<int>> rows) {
  const int height = static_cast<int>(rows.size());
  const int width = static_cast<int>(rows.begin()->size());
  Image image = *Image::create(width, height, 24);
  int y = 0;
  for (const auto& row : rows) {
    int x = 0;
    for (const int level : row) {
      const auto v = static_cast<std::uint8_t>(level);
      image.set_pixel(x++, y, rgb(v, v, v));
    }
    ++y;
  }
  return image;
}

inline int channel_difference(RgbQuad a, RgbQuad b) {
  return std::max(
      {std::abs(a.red - b.red), std::abs(a.green - b.green), std::abs(a.blue - b.blue)});
}

// Every pixel of `image` lies within `tolerance` of `expected(x, y)` in each colour.
template <typename Expected>
::testing::AssertionResult pixels_match(const Image& image, Expected expected, int tolerance = 0) {
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) {
      const RgbQuad got = image.pixel(x, y);
      const RgbQuad want = expected(x, y);
      if (channel_difference(got, want) > tolerance) {
        return ::testing::AssertionFailure()
               << "pixel (" << x << ", " << y << ") is " << int{got.red} << "," << int{got.green}
               << "," << int{got.blue} << " instead of " << int{want.red} << "," << int{want.green}
               << "," << int{want.blue};
      }
    }
  }
  return ::testing::AssertionSuccess();
}

inline int grey_at(const Image& image, int x, int y) {
  return image.pixel(x, y).green;
}

}  // namespace pictavo::test
