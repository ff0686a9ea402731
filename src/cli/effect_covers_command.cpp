#include <cstdio>
#include <filesystem>
#include <optional>
#include <string>
#include <system_error>
#include <vector>

#include "base/program_folder.h"
#include "cli/commands.h"
#include "image/cairo_image.h"
#include "image/image_file.h"
#include "render/effect_covers.h"
#include "render/image_layer_photos.h"

namespace pictavo::cli {
namespace {

// Four by three, like the frames of most photos; the pickers scale them.
constexpr int kCoverWidth = 160;
constexpr int kCoverHeight = 120;
constexpr int kCoverQuality = 90;

Status save_jpeg(const FrameCanvas& picture, const std::filesystem::path& path) {
  const std::optional<Image> image = image_from_cairo_surface(picture.surface());
  if (!image) return Failure{"out of memory"};
  return save_image(*image, path, ImageFormat::kJpeg, EncodeOptions{kCoverQuality});
}

}  // namespace

int run_effect_covers(Arguments& args) {
  const std::filesystem::path home = program_folder();
  const std::filesystem::path from = args.take_value("--from").value_or(home / "menu_pic/0.jpg");
  const std::filesystem::path to = args.take_value("--to").value_or(home / "menu_pic/1.jpg");
  const std::filesystem::path folder = args.take_value("--folder").value_or(home / "EffectCover");
  if (!args.finish().empty()) throw UsageError{"takes no positional arguments"};

  const std::vector<EffectCover> covers =
      render_effect_covers(ImageLayerPhotos(), from, to, kCoverWidth, kCoverHeight);
  if (covers.empty()) {
    std::fprintf(stderr, "pictavo-cli effect-covers: cannot decode %s or %s\n", from.c_str(),
                 to.c_str());
    return 1;
  }
  std::error_code error;
  std::filesystem::create_directories(folder, error);
  int written = 0;
  for (const EffectCover& cover : covers) {
    const std::string name(cover_file_name(cover.type));
    if (!cover.picture.valid()) {
      std::printf("%s: not rendered yet\n", name.c_str());
      continue;
    }
    if (const Status saved = save_jpeg(cover.picture, folder / name); !saved) {
      std::fprintf(stderr, "pictavo-cli effect-covers: cannot write %s: %s\n",
                   (folder / name).c_str(), saved.reason().c_str());
      return 1;
    }
    ++written;
  }
  std::printf("%d cover pictures of %dx%d written to %s\n", written, kCoverWidth, kCoverHeight,
              folder.c_str());
  return 0;
}

}  // namespace pictavo::cli
