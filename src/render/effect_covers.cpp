#include "render/effect_covers.h"

#include <array>

#include "base/event.h"
#include "effects/image_effect.h"
#include "effects/transition_form.h"
#include "render/frame_sink.h"
#include "render/render_context.h"
#include "render/transition_renderers.h"

namespace pictavo {
namespace {

// A two-second transition at 25 frames per second, the program's defaults.
constexpr int kTransitionFrames = 50;

// The frame a cover shows: the middle of the transition, except where the shape
// has gone by then (Spin is a mere point, Shutter's panels have met, Flip's card
// stands edge-on).
int cover_frame(TransitionType type) {
  const bool early = type == TransitionType::kSpin || type == TransitionType::kShutter ||
                     type == TransitionType::kFlip;
  return early ? kTransitionFrames * 3 / 10 : kTransitionFrames / 2;
}

// The transitions that share Random's cover, top left to bottom right.
constexpr std::array<TransitionType, 4> kRandomSamples = {
    TransitionType::kCircle, TransitionType::kBlinds, TransitionType::kClock,
    TransitionType::kPolygon};

// Keeps frame `wanted` (from 0) and then stops the rendering.
class FrameKeeper : public FrameSink {
 public:
  FrameKeeper(int wanted, Event& stop) : wanted_(wanted), stop_(stop) {}

  void show(const FrameCanvas& frame) override {
    if (shown_++ != wanted_) return;
    kept_ = frame.copy();
    stop_.set();
  }
  FrameCanvas take() { return std::move(kept_); }

 private:
  int wanted_;
  Event& stop_;
  int shown_ = 0;
  FrameCanvas kept_;
};

FrameCanvas render_cover(const PhotoDecoder& decoder, const std::filesystem::path& from,
                         const std::filesystem::path& to, TransitionType type, int width,
                         int height) {
  const int id = static_cast<int>(type);
  if (transition_renderer(id) == nullptr) return FrameCanvas();
  const RenderPhoto photos[] = {
      RenderPhoto{from},
      RenderPhoto{to, static_cast<int>(ImageEffect::kNone), id, transition_form(type).defaults()}};
  const RenderJob job{photos, {}, kOpaqueBlack};
  RenderContext context(RenderMode::kSlideshowPreview, width, height);
  Event stop;
  FrameKeeper keeper(cover_frame(type), stop);
  context.job = &job;
  context.decoder = &decoder;
  context.stop_event = &stop;
  context.window_surface = &keeper;
  context.photo_index = 0;
  draw_fitted_photo(context);
  context.photo_index = 1;
  context.frames_total = kTransitionFrames;
  context.transition_frames = kTransitionFrames;
  render_transition(context);
  return keeper.take();
}

FrameCanvas random_cover(const std::vector<EffectCover>& covers, int width, int height) {
  FrameCanvas mosaic(width, height);
  mosaic.fill(kOpaqueBlack);
  const float half_width = static_cast<float>(width) / 2;
  const float half_height = static_cast<float>(height) / 2;
  for (std::size_t i = 0; i < kRandomSamples.size(); ++i) {
    const FrameCanvas& sample =
        covers[static_cast<std::size_t>(picker_index(kRandomSamples[i]))].picture;
    mosaic.draw(sample, RectF{static_cast<float>(i % 2) * half_width,
                              static_cast<float>(i / 2) * half_height, half_width, half_height});
  }
  return mosaic;
}

}  // namespace

std::vector<EffectCover> render_effect_covers(const PhotoDecoder& decoder,
                                              const std::filesystem::path& from,
                                              const std::filesystem::path& to, int width,
                                              int height) {
  std::vector<EffectCover> covers;
  if (!decoder.probe(from) || !decoder.probe(to)) return covers;
  covers.reserve(kPickerCount);
  for (int index = 0; index < kPickerCount; ++index) {
    const TransitionType type = transition_at_picker_index(index);
    covers.push_back(EffectCover{type, type == TransitionType::kRandom
                                           ? FrameCanvas()
                                           : render_cover(decoder, from, to, type, width, height)});
  }
  covers[static_cast<std::size_t>(picker_index(TransitionType::kRandom))].picture =
      random_cover(covers, width, height);
  return covers;
}

}  // namespace pictavo
