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

#include "bench_slideshows.h"
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

}  // namespace

int main() {
  char pattern[] = "/tmp/pictavo-blurred-background-bench-XXXXXX";
  if (::mkdtemp(pattern) == nullptr) return 1;
  const fs::path work = pattern;
  const std::vector<fs::path> photos =
      bench::write_test_photos(work, "portrait", kPhotos, "3000x4000", 36);
  Slideshow slideshow = bench::cross_fade_slideshow(photos, work, 3, 2, ImageEffect::kNone);
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
