// 160 × 120 thumbnails of 50 camera-sized JPEGs, made as the PSP thumbnails are
// (the photo fitted on black, a baseline JPEG), against vipsthumbnail (the speed
// reference) and ImageMagick's convert -thumbnail, on the same files in the same
// run; then `pictavo-cli thm` of 20 of them in one run against vipsthumbnail of the
// same 20, as whole commands. The photos are generated into a temporary folder and
// removed after.
#include <stdlib.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "camera_photos.h"
#include "image/image_file.h"
#include "image/small_pictures.h"
#include "peer_command.h"
#include "ratio.h"

namespace {

namespace fs = std::filesystem;

constexpr int kPhotos = 50;
constexpr int kCommandPhotos = 20;

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

}  // namespace

int main() {
  using pictavo::bench::best_seconds;
  using pictavo::bench::have;
  using pictavo::bench::report;
  using pictavo::bench::run;

  std::string pattern = (fs::temp_directory_path() / "pictavo-thumbnail-bench-XXXXXX").string();
  if (!::mkdtemp(pattern.data())) return 1;
  const fs::path folder = pattern;
  const fs::path photos_folder = folder / "photos";
  const fs::path out = folder / "out";
  fs::create_directories(photos_folder);
  fs::create_directories(out);

  std::printf("writing %d photos of %d x %d into %s ...\n", kPhotos, pictavo::bench::kCameraWidth,
              pictavo::bench::kCameraHeight, photos_folder.c_str());
  const std::vector<fs::path> photos = pictavo::bench::write_camera_photos(photos_folder, kPhotos);
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

  // The command line as a user runs it: one process for all the photos.
  const fs::path cli =
      fs::read_symlink("/proc/self/exe").parent_path().parent_path() / "app" / "pictavo-cli";
  if (fs::exists(cli) && have("vipsthumbnail")) {
    std::string twenty;
    for (int i = 0; i < kCommandPhotos; ++i)
      twenty += " '" + photos[static_cast<std::size_t>(i)].string() + "'";
    const fs::path cli_out = folder / "cli";
    fs::create_directories(cli_out);
    const double command = best_seconds(3, [&] {
      run("'" + cli.string() + "' thm" + twenty + " -o '" + cli_out.string() + "' > /dev/null");
    });
    const double vips = best_seconds(3, [&] {
      run("vipsthumbnail -s 160x120 -o '" + (cli_out / "%s_vips.jpg").string() + "'" + twenty);
    });
    report("pictavo-cli thm of 20 photos, one run", command, "vips", vips);
  } else {
    std::printf("no %s or no vipsthumbnail: no comparison of the commands\n", cli.c_str());
  }

  fs::remove_all(folder);
  return 0;
}
