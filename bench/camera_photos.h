#pragma once

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "image/image_file.h"

// Camera-sized JPEGs for the thumbnail benches, written into a folder of the
// bench's own.
namespace pictavo::bench {

inline constexpr int kCameraWidth = 4000;  // 12 megapixels, 4:3 like a camera
inline constexpr int kCameraHeight = 3000;

// Smooth shapes with grain, so that the files compress like photos (4-6 MB each)
// rather than like flat colour.
inline Image photo_like_picture() {
  Image image = *Image::allocate(kCameraWidth, kCameraHeight, PixelLayout::kBgrx);
  std::uint32_t grain = 1;
  for (int y = 0; y < kCameraHeight; ++y) {
    std::uint8_t* p = image.row(y);
    for (int x = 0; x < kCameraWidth; ++x, p += 4) {
      grain = grain * 1664525u + 1013904223u;
      const int noise = static_cast<int>(grain >> 27) - 16;
      const int wave = ((x / 7 + y / 5) % 160) - 80;
      p[0] = static_cast<std::uint8_t>(std::clamp(x * 255 / kCameraWidth + noise, 0, 255));
      p[1] =
          static_cast<std::uint8_t>(std::clamp(y * 255 / kCameraHeight + noise + wave / 4, 0, 255));
      p[2] = static_cast<std::uint8_t>(std::clamp(128 + wave + noise, 0, 255));
      p[3] = 255;
    }
  }
  return image;
}

// Writes `count` photos IMG_1000.JPG, IMG_1001.JPG, ... that all differ a little,
// so no file is a copy of another; exits when one cannot be written.
inline std::vector<std::filesystem::path> write_camera_photos(const std::filesystem::path& folder,
                                                              int count) {
  Image picture = photo_like_picture();
  EncodeOptions camera;
  camera.jpeg_quality = 92;
  std::vector<std::filesystem::path> photos;
  for (int i = 0; i < count; ++i) {
    picture.row(i * 7 % kCameraHeight)[0] = static_cast<std::uint8_t>(i);
    const std::filesystem::path path = folder / ("IMG_" + std::to_string(1000 + i) + ".JPG");
    if (!save_image(picture, path, ImageFormat::kJpeg, camera)) {
      std::fprintf(stderr, "cannot write %s\n", path.c_str());
      std::exit(1);
    }
    photos.push_back(path);
  }
  return photos;
}

}  // namespace pictavo::bench
