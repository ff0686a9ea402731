// The blurred background behind portrait photos against plain bars, on the same
// work in one run: a slideshow of 10 portrait 3000 x 4000 JPEGs (3 s each after 2 s
// cross-fades, standing still, so that the bars show throughout) rendered to
// 480 x 272 frames at 29.97 frames a second - decoding and rendering, no encoding,
// which would hide the difference.
#include <stdlib.h>

#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "effects/transition_params.h"
#include "model/photo_item.h"
#include "model/slideshow.h"
#include "ratio.h"
#include "render/image_layer_photos.h"
#include "video/video_maker.h"

namespace {

namespace fs = std::filesystem;
using namespace pictavo;

constexpr int kPhotos = 10;
constexpr int kWidth = 480;
constexpr int kHeight = 272;
constexpr int kFramesPerSecond = 30;

std::vector<fs::path> make_portrait_photos(const fs::path& folder) {
  std::vector<fs::path> photos;
  for (int i = 0; i < kPhotos; ++i) {
    const fs::path photo = folder / ("portrait" + std::to_string(i) + ".jpg");
    const std::string command =
        "ffmpeg -hide_banner -loglevel error -nostdin -y -f lavfi -i testsrc2=s=3000x4000 -vf "
        "hue=h=" +
        std::to_string(i * 36) + " -frames:v 1 -q:v 3 '" + photo.string() + "'";
    if (std::system(command.c_str()) != 0) std::exit(1);
    photos.push_back(photo);
  }
  return photos;
}

Slideshow make_slideshow(const std::vector<fs::path>& photos, const fs::path& folder) {
  Slideshow slideshow("bench", folder);
  for (const fs::path& path : photos) {
    auto photo = std::make_unique<PhotoItem>(path, PhotoSetting{});
    EffectRecord& effect = photo->setting.effect;
    effect.display_seconds = 3;
    effect.transition_seconds = 2;
    effect.image_effect = ImageEffect::kNone;
    effect.set_transition(std::make_unique<AlphaParams>(TransitionValues{0, 0}));
    slideshow.photos.push_back(std::move(photo));
  }
  return slideshow;
}

}  // namespace

int main() {
  char pattern[] = "/tmp/pictavo-blurred-background-bench-XXXXXX";
  if (::mkdtemp(pattern) == nullptr) return 1;
  const fs::path work = pattern;
  const std::vector<fs::path> photos = make_portrait_photos(work);
  Slideshow slideshow = make_slideshow(photos, work);
  const ImageLayerPhotos decoder;
  VideoJob job;
  job.slideshow = &slideshow;
  job.decoder = &decoder;

  int frames = 0;
  const auto render = [&](bool blurred) {
    job.blurred_background = blurred;
    return bench::best_seconds(3, [&] {
      frames = 0;
      render_slideshow_frames(job, kWidth, kHeight, kFramesPerSecond,
                              [&frames](const std::uint8_t*) {
                                ++frames;
                                return 0;
                              });
    });
  };
  const double plain = render(false);
  const double blurred = render(true);
  std::printf("%d portrait photos of 3000x4000, %d frames of %dx%d\n", kPhotos, frames, kWidth,
              kHeight);
  bench::report("slideshow frames, blurred background", blurred, "plain bars", plain);
  fs::remove_all(work);
  return 0;
}
