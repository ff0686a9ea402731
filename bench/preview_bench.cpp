// The preview's frame time at 224x168 for every transition and image effect,
// against the 40 ms a PAL preview frame may take, and a one-minute slideshow
// preview paced by the steady clock against real time.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "camera_photos.h"
#include "effects/image_effect.h"
#include "effects/transition_params.h"
#include "effects/transition_type.h"
#include "model/photo_item.h"
#include "model/slideshow.h"
#include "render/image_layer_photos.h"
#include "render/render_context.h"
#include "render/transition_renderers.h"
#include "video/prefetching_decoder.h"
#include "video/preview_player.h"

namespace {

using namespace pictavo;
using Clock = std::chrono::steady_clock;

constexpr int kWidth = 224;
constexpr int kHeight = 168;
constexpr double kPalIntervalMs = 40.0;

// Times the gaps between frames handed to the window.
class FrameTimer final : public PreviewObserver {
 public:
  void show(const FrameCanvas&) override { shown.push_back(Clock::now()); }
  void preview_ended(PreviewKind, int, bool) override {}
  std::vector<Clock::time_point> shown;
};

double ms(Clock::duration duration) {
  return std::chrono::duration<double, std::milli>(duration).count();
}

struct FrameTimes {
  double first_ms = 0;  // the photo's first frame: decoding it included
  double worst_ms = 0;  // the slowest of the others
};

// One photo coming in by `type` with `effect`: 1 s of transition, 1 s alone. As the
// preview player does, the photo coming in is fetched ahead while the one before
// it is decoded and shown; `ahead` false decodes it when its transition starts.
FrameTimes time_photo(const PhotoDecoder& decoder, const std::filesystem::path& from,
                      const std::filesystem::path& to, TransitionType type, int effect,
                      bool ahead) {
  const std::unique_ptr<TransitionParams> transition = make_transition(type);
  const RenderPhoto photos[] = {{from, static_cast<int>(ImageEffect::kNone), 0, {}},
                                {to, effect, static_cast<int>(type), transition->values()}};
  const RenderJob job{photos, {}, kOpaqueBlack};
  RenderContext context(RenderMode::kSlideshowPreview, kWidth, kHeight);
  FrameTimer timer;
  PrefetchingDecoder prefetching(decoder);
  if (ahead) prefetching.prefetch(photos[1], 50, kWidth, kHeight);
  context.job = &job;
  context.decoder = &prefetching;
  context.window_surface = &timer;
  context.photo_index = 0;
  draw_fitted_photo(context);
  context.photo_index = 1;
  context.frames_total = 50;
  context.transition_frames = 25;
  timer.shown.reserve(50);
  const Clock::time_point start = Clock::now();
  render_transition(context);
  FrameTimes times;
  times.first_ms = ms(timer.shown.front() - start);
  for (std::size_t i = 1; i < timer.shown.size(); ++i)
    times.worst_ms = std::max(times.worst_ms, ms(timer.shown[i] - timer.shown[i - 1]));
  return times;
}

void frame_time_report(const PhotoDecoder& decoder, const std::filesystem::path& from,
                       const std::filesystem::path& to) {
  std::printf("%-24s %14s %14s %14s   (worst over the %d image effects, ms and share of 40 ms)\n",
              "transition", "first frame", "other frames", "not fetched", kImageEffectCount - 1);
  FrameTimes overall;
  double overall_on_the_spot = 0;
  std::string worst_case;
  for (int type = 0; type < kConcreteTransitionCount; ++type) {
    FrameTimes worst;
    double on_the_spot = 0;  // the first frame when the photo was not fetched ahead
    for (int effect = 0; effect < kImageEffectCount - 1; ++effect) {
      on_the_spot = std::max(
          on_the_spot,
          time_photo(decoder, from, to, static_cast<TransitionType>(type), effect, false).first_ms);
      const FrameTimes times =
          time_photo(decoder, from, to, static_cast<TransitionType>(type), effect, true);
      worst.first_ms = std::max(worst.first_ms, times.first_ms);
      if (times.worst_ms > worst.worst_ms) {
        worst.worst_ms = times.worst_ms;
        if (times.worst_ms > overall.worst_ms)
          worst_case = std::string(display_name(static_cast<TransitionType>(type))) + " with " +
                       std::string(display_name(static_cast<ImageEffect>(effect)));
      }
    }
    overall.first_ms = std::max(overall.first_ms, worst.first_ms);
    overall.worst_ms = std::max(overall.worst_ms, worst.worst_ms);
    overall_on_the_spot = std::max(overall_on_the_spot, on_the_spot);
    std::printf("%-24s %8.2f (%3.0f%%) %8.2f (%3.0f%%) %8.2f (%3.0f%%)\n",
                std::string(display_name(static_cast<TransitionType>(type))).c_str(),
                worst.first_ms, 100 * worst.first_ms / kPalIntervalMs, worst.worst_ms,
                100 * worst.worst_ms / kPalIntervalMs, on_the_spot,
                100 * on_the_spot / kPalIntervalMs);
  }
  std::printf(
      "worst first frame %.2f ms (%.0f%% of 40 ms; %.2f ms when not fetched ahead); worst other "
      "frame %.2f ms (%.0f%%), %s\n",
      overall.first_ms, 100 * overall.first_ms / kPalIntervalMs, overall_on_the_spot,
      overall.worst_ms, 100 * overall.worst_ms / kPalIntervalMs, worst_case.c_str());
}

// A PAL slideshow of 62 s (the first photo's 3 s, 11 photos of 5 s, one of 4 s)
// played by the preview player in real time.
void drift_report(const PhotoDecoder& decoder, const std::vector<std::filesystem::path>& files) {
  Slideshow slideshow("bench", std::filesystem::temp_directory_path());
  for (int k = 0; k < 13; ++k) {
    auto photo = std::make_unique<PhotoItem>(files[static_cast<std::size_t>(k) % files.size()],
                                             PhotoSetting{});
    EffectRecord& effect = photo->setting.effect;
    effect.set_transition(
        make_transition(static_cast<TransitionType>(k % kConcreteTransitionCount)));
    effect.image_effect = static_cast<ImageEffect>(k % (kImageEffectCount - 1));
    effect.display_seconds = k == 12 ? 2 : 3;
    effect.transition_seconds = 2;
    slideshow.photos.push_back(std::move(photo));
  }
  FrameTimer timer;
  timer.shown.reserve(2000);
  PreviewPlayer player(decoder, timer);
  SlideshowPreviewRequest request;
  request.slideshow = &slideshow;
  player.start_slideshow_preview(request);
  while (player.running())
    std::this_thread::sleep_for(std::chrono::milliseconds(100));
  player.stop_preview();

  // The paced frames, without photo 0 shown again at the end.
  const std::size_t frames = timer.shown.size() - 1;
  const double slideshow_ms = static_cast<double>(frames - 1) * kPalIntervalMs;
  const double shown_ms = ms(timer.shown[frames - 1] - timer.shown.front());
  std::printf(
      "one-minute slideshow preview: %zu frames, slideshow time %.3f s, shown in %.3f s, "
      "drift %+.2f%% of real time\n",
      frames, (static_cast<double>(frames) * kPalIntervalMs) / 1e3, shown_ms / 1e3,
      100 * (shown_ms - slideshow_ms) / slideshow_ms);
}

}  // namespace

int main() {
  const std::filesystem::path folder =
      std::filesystem::temp_directory_path() / "pictavo_preview_bench";
  std::filesystem::create_directories(folder);
  const std::vector<std::filesystem::path> files = bench::write_camera_photos(folder, 2);
  const ImageLayerPhotos decoder;
  frame_time_report(decoder, files[0], files[1]);
  std::puts("");
  drift_report(decoder, files);
  std::filesystem::remove_all(folder);
  return 0;
}
