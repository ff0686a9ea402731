// 160 × 120 thumbnails of 50 camera-sized JPEGs, made as the PSP thumbnails are
// (the photo fitted on black, a baseline JPEG), against vipsthumbnail (the speed
// reference) and ImageMagick's convert -thumbnail, on the same files in the same
// run. The photos are generated into a temporary folder and removed after.
#include <stdlib.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "image/image_file.h"
#include "image/small_pictures.h"
#include "ratio.h"

namespace {

namespace fs = std::filesystem;

constexpr int kPhotos = 50;
constexpr int kWidth = 4000;  // 12 megapixels, 4:3 like a camera
constexpr int kHeight = 3000;

// Smooth shapes with grain, so that the files compress like photos (4-6 MB each)
// rather than like flat colour.
pictavo::Image photo_like_picture() {
  pictavo::Image image = *pictavo::Image::allocate(kWidth, kHeight, pictavo::PixelLayout::kBgrx);
  std::uint32_t grain = 1;
  for (int y = 0; y < kHeight; ++y) {
    std::uint8_t* p = image.row(y);
    for (int x = 0; x < kWidth; ++x, p += 4) {
      grain = grain * 1664525u + 1013904223u;
      const int noise = static_cast<int>(grain >> 27) - 16;
      const int wave = ((x / 7 + y / 5) % 160) - 80;
      p[0] = static_cast<std::uint8_t>(std::clamp(x * 255 / kWidth + noise, 0, 255));
      p[1] = static_cast<std::uint8_t>(std::clamp(y * 255 / kHeight + noise + wave / 4, 0, 255));
      p[2] = static_cast<std::uint8_t>(std::clamp(128 + wave + noise, 0, 255));
      p[3] = 255;
    }
  }
  return image;
}

std::vector<fs::path> write_photos(const fs::path& folder) {
  pictavo::Image picture = photo_like_picture();
  pictavo::EncodeOptions camera;
  camera.jpeg_quality = 92;
  std::vector<fs::path> photos;
  for (int i = 0; i < kPhotos; ++i) {
    // Each photo differs a little, so no file is a copy of another.
    picture.row(i * 7)[0] = static_cast<std::uint8_t>(i);
    const fs::path path = folder / ("IMG_" + std::to_string(1000 + i) + ".JPG");
    if (!pictavo::save_image(picture, path, pictavo::ImageFormat::kJpeg, camera)) {
      std::fprintf(stderr, "cannot write %s\n", path.c_str());
      std::exit(1);
    }
    photos.push_back(path);
  }
  return photos;
}

void make_thumbnails(const std::vector<fs::path>& photos, const fs::path& out) {
  for (const fs::path& photo : photos) {
    pictavo::Result<pictavo::Image> thumbnail = pictavo::make_thm_picture(photo);
    if (!thumbnail ||
        !pictavo::save_image(*thumbnail, out / photo.filename(), pictavo::ImageFormat::kJpeg)) {
      std::fprintf(stderr, "cannot make the thumbnail of %s\n", photo.c_str());
      std::exit(1);
    }
  }
}

void run(const std::string& command) {
  if (std::system(command.c_str()) != 0) {
    std::fprintf(stderr, "failed: %s\n", command.c_str());
    std::exit(1);
  }
}

bool have(const char* program) {
  return std::system(("command -v " + std::string(program) + " > /dev/null").c_str()) == 0;
}

}  // namespace

int main() {
  using pictavo::bench::best_seconds;
  using pictavo::bench::report;

  std::string pattern = (fs::temp_directory_path() / "pictavo-thumbnail-bench-XXXXXX").string();
  if (!::mkdtemp(pattern.data())) return 1;
  const fs::path folder = pattern;
  const fs::path photos_folder = folder / "photos";
  const fs::path out = folder / "out";
  fs::create_directories(photos_folder);
  fs::create_directories(out);

  std::printf("writing %d photos of %d x %d into %s ...\n", kPhotos, kWidth, kHeight,
              photos_folder.c_str());
  const std::vector<fs::path> photos = write_photos(photos_folder);
  std::uintmax_t bytes = 0;
  for (const fs::path& photo : photos)
    bytes += fs::file_size(photo);
  std::printf("%.1f MB a photo\n", static_cast<double>(bytes) / kPhotos / (1 << 20));
  std::string files;
  for (const fs::path& photo : photos)
    files += " '" + photo.string() + "'";

  const double ours = best_seconds(3, [&] { make_thumbnails(photos, out); });
  std::printf("pictavo: %.1f ms a photo\n", ours * 1e3 / kPhotos);

  if (have("vipsthumbnail")) {
    const std::string vips =
        "vipsthumbnail -s 160x120 -o '" + (out / "%s_vips.jpg").string() + "'" + files;
    const double theirs = best_seconds(3, [&] { run(vips); });
    report("50 thumbnails 160x120 of 12 Mpx JPEGs", ours, "vips", theirs);
    const double single = best_seconds(3, [&] { run("VIPS_CONCURRENCY=1 " + vips); });
    report("  the same, vips on one thread", ours, "vips x1", single);
  } else {
    std::printf("vipsthumbnail is not installed: no comparison with libvips\n");
  }

  if (have("convert")) {
    std::string magick;
    for (const fs::path& photo : photos) {
      magick += "convert '" + photo.string() + "' -thumbnail 160x120 '" +
                (out / (photo.stem().string() + "_magick.jpg")).string() + "' && ";
    }
    magick += "true";
    const double theirs = best_seconds(1, [&] { run(magick); });
    report("50 thumbnails 160x120 of 12 Mpx JPEGs", ours, "ImageMagick", theirs);
  } else {
    std::printf("ImageMagick's convert is not installed: no comparison with it\n");
  }

  fs::remove_all(folder);
  return 0;
}
