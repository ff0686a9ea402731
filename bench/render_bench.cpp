// Frame composition speed of the opening, the image-effect families and the
// transitions, and the I420 conversion against libswscale on the same frames.
extern "C" {
#include <libavutil/pixfmt.h>
#include <libswscale/swscale.h>
}

#include <cairo.h>

#include <cstdio>
#include <vector>

#include "effects/image_effect.h"
#include "effects/transition_type.h"
#include "ratio.h"
#include "render/i420.h"
#include "render/photo_decoder.h"
#include "render/render_context.h"
#include "render/transition_renderers.h"

namespace {

using namespace pictavo;

constexpr int kFrames = 60;

// A camera-sized photo, decoded straight at the size asked for: a colour gradient
// with detail, so the bilinear filter has real work.
class GradientPhotos : public PhotoDecoder {
 public:
  std::optional<PhotoSize> probe(const std::filesystem::path&) const override {
    return PhotoSize{1600, 1200};
  }
  FrameCanvas decode(const std::filesystem::path&, int width, int height) const override {
    FrameCanvas canvas(width, height);
    cairo_pattern_t* gradient = cairo_pattern_create_linear(0, 0, width, height);
    cairo_pattern_add_color_stop_rgb(gradient, 0, 0.9, 0.3, 0.1);
    cairo_pattern_add_color_stop_rgb(gradient, 0.5, 0.1, 0.7, 0.3);
    cairo_pattern_add_color_stop_rgb(gradient, 1, 0.2, 0.2, 0.9);
    cairo_set_source(canvas.cr(), gradient);
    cairo_paint(canvas.cr());
    cairo_pattern_destroy(gradient);
    for (int x = 0; x < width; x += 16) {
      cairo_rectangle(canvas.cr(), x, 0, 1, height);
    }
    cairo_set_source_rgb(canvas.cr(), 1, 1, 1);
    cairo_fill(canvas.cr());
    return canvas;
  }
};

struct Case {
  const char* name;
  int transition;  // -1: the opening
  TransitionValues values;
  int image_effect;
  int transition_frames;
};

// Frames per second of composing one photo of kFrames frames (no conversion, no
// encoding: the preview path without pacing or window).
double frames_per_second(const Case& item, int width, int height) {
  const GradientPhotos photos;
  const RenderPhoto list[] = {{"a", 20, 0, {}},
                              {"b", item.image_effect, item.transition, item.values}};
  const RenderJob job{list, {}, kOpaqueBlack};
  RenderContext context(RenderMode::kSlideshowPreview, width, height);
  context.job = &job;
  context.decoder = &photos;
  context.frames_total = kFrames;
  context.transition_frames = item.transition_frames;
  context.output.fill(argb(255, 40, 120, 200));
  const double seconds = bench::best_seconds(3, [&] {
    if (item.transition < 0) {
      context.photo_index = 0;
      render_first_photo(context);
    } else {
      context.photo_index = 1;
      render_transition(context);
    }
  });
  return kFrames / seconds;
}

void compose_report() {
  constexpr int kAlpha = static_cast<int>(TransitionType::kAlpha);
  const Case cases[] = {
      {"opening (fade from white)", -1, {}, 20, 0},
      {"photo alone, still (20)", kAlpha, {}, 20, 0},
      {"photo alone, pan (0)", kAlpha, {}, 0, 0},
      {"photo alone, zoom (8)", kAlpha, {}, 8, 0},
      {"photo alone, zoom and rotate (18)", kAlpha, {}, 18, 0},
      {"Alpha normal", kAlpha, {0, 0}, 20, kFrames},
      {"Alpha through black", kAlpha, {2, 0}, 20, kFrames},
      {"Zoom in", static_cast<int>(TransitionType::kZoom), {0, 0}, 20, kFrames},
      {"Zoom out", static_cast<int>(TransitionType::kZoom), {1, 0}, 20, kFrames},
      {"Wipe with push", static_cast<int>(TransitionType::kWipe), {0, 1}, 20, kFrames},
      {"Spin", static_cast<int>(TransitionType::kSpin), {0, 0}, 20, kFrames},
      {"Twist", static_cast<int>(TransitionType::kTwist), {0, 0}, 20, kFrames},
      {"Rotate in", static_cast<int>(TransitionType::kRotateIn), {0, 0}, 20, kFrames},
      {"Flip, vertical axis", static_cast<int>(TransitionType::kFlip), {0, 0}, 20, kFrames},
      {"Flip, horizontal axis", static_cast<int>(TransitionType::kFlip), {1, 0}, 20, kFrames},
      {"Fly in", static_cast<int>(TransitionType::kFly), {0, 0}, 20, kFrames},
      {"Fly out", static_cast<int>(TransitionType::kFly), {1, 0}, 20, kFrames},
      {"Cube fly, bottom to up", static_cast<int>(TransitionType::kCubeFly), {0, 0}, 20, kFrames},
      {"Cube fly, left to right", static_cast<int>(TransitionType::kCubeFly), {2, 0}, 20, kFrames},
      {"Alpha normal, pan (0)", kAlpha, {0, 0}, 0, kFrames},
      {"Sweep, width 40", static_cast<int>(TransitionType::kSweep), {0, 40}, 20, kFrames},
      {"Sweep, width 80", static_cast<int>(TransitionType::kSweep), {0, 80}, 20, kFrames},
      {"Diagonal sweep, width 40",
       static_cast<int>(TransitionType::kDiagonalSweep),
       {0, 40},
       20,
       kFrames},
      {"Circle small to big", static_cast<int>(TransitionType::kCircle), {0, 40}, 20, kFrames},
      {"Circle big to small", static_cast<int>(TransitionType::kCircle), {1, 40}, 20, kFrames},
      {"Shutter vertical", static_cast<int>(TransitionType::kShutter), {0, 40}, 20, kFrames},
      {"Clock, four smooth fingers", static_cast<int>(TransitionType::kClock), {2, 1}, 20, kFrames},
      {"Clock, one sharp finger", static_cast<int>(TransitionType::kClock), {0, 0}, 20, kFrames},
      {"Blinds, 8 slats", static_cast<int>(TransitionType::kBlinds), {0, 8}, 20, kFrames},
      {"Accordion", static_cast<int>(TransitionType::kAccordion), {0, 0}, 20, kFrames},
      {"Door open", static_cast<int>(TransitionType::kDoor), {0, 0}, 20, kFrames},
      {"Door close", static_cast<int>(TransitionType::kDoor), {1, 0}, 20, kFrames},
      {"Polygon, 7 pieces fly in", static_cast<int>(TransitionType::kPolygon), {7, 0}, 20, kFrames},
      {"Polygon, 9 pieces fly out",
       static_cast<int>(TransitionType::kPolygon),
       {9, 1},
       20,
       kFrames},
      {"Sweep, pan (0)", static_cast<int>(TransitionType::kSweep), {0, 40}, 0, kFrames},
  };
  std::printf("%-36s %12s %12s %12s\n", "composing (frames per second)", "320x240", "720x480",
              "1920x1080");
  for (const Case& item : cases) {
    std::printf("%-36s %12.0f %12.0f %12.0f\n", item.name, frames_per_second(item, 320, 240),
                frames_per_second(item, 720, 480), frames_per_second(item, 1920, 1080));
  }
}

void conversion_report(int width, int height) {
  FrameCanvas frame = GradientPhotos().decode("", width, height);
  std::vector<std::uint8_t> ours(i420_frame_size(width, height));
  std::vector<std::uint8_t> theirs(ours.size());
  constexpr int kRepeats = 200;
  const double ours_seconds = bench::best_seconds(5, [&] {
    for (int i = 0; i < kRepeats; ++i)
      rgb24_to_i420(frame.pixels(), frame.stride(), width, height, ours.data());
  });

  SwsContext* sws = sws_getContext(width, height, AV_PIX_FMT_BGR0, width, height,
                                   AV_PIX_FMT_YUV420P, SWS_POINT, nullptr, nullptr, nullptr);
  const std::uint8_t* source[] = {frame.pixels()};
  const int source_stride[] = {frame.stride()};
  std::uint8_t* planes[] = {theirs.data(), theirs.data() + width * height,
                            theirs.data() + width * height * 5 / 4};
  const int plane_strides[] = {width, width / 2, width / 2};
  const double sws_seconds = bench::best_seconds(5, [&] {
    for (int i = 0; i < kRepeats; ++i)
      sws_scale(sws, source, source_stride, 0, height, planes, plane_strides);
  });
  sws_freeContext(sws);

  const double megapixels = static_cast<double>(width) * height * kRepeats / 1e6;
  char what[64];
  std::snprintf(what, sizeof what, "RGB24 to I420 %dx%d, %d frames", width, height, kRepeats);
  std::printf("%s: pictavo %.0f Mpx/s, libswscale %.0f Mpx/s\n", what, megapixels / ours_seconds,
              megapixels / sws_seconds);
  bench::report(what, ours_seconds, "libswscale", sws_seconds);
}

}  // namespace

int main() {
  compose_report();
  std::puts("");
  conversion_report(320, 240);
  conversion_report(720, 480);
  conversion_report(1920, 1080);
  return 0;
}
