#include "render/soft_edge_fade.h"

#include <cmath>

#include "render/transition_frames.h"

namespace pictavo {
namespace {

// What is left of the old picture one falloff behind the edge.
constexpr float kFalloffOpacity = 0.2f;

}  // namespace

SubSteps split_advance(float advance) {
  const float length = std::fabs(advance);
  const int count = length <= 1.0f ? 1 : static_cast<int>(length + 1.0f);
  return SubSteps{count, advance / static_cast<float>(count)};
}

float decay_factor(float size, float falloff) {
  return std::pow(kFalloffOpacity, std::fabs(size) / falloff);
}

std::vector<float> accumulated_edges(float start, float step, int count) {
  std::vector<float> edges;
  edges.reserve(static_cast<std::size_t>(std::max(count, 0)));
  float edge = start;
  for (int k = 0; k < count; ++k) {
    edge += step;
    edges.push_back(edge);
  }
  return edges;
}

void SoftEdgeFade::compose(FrameCanvas& output, const FrameCanvas& incoming,
                           const FrameCanvas& outgoing, int t) {
  const auto sub_steps_done =
      static_cast<std::size_t>(t + 1) * static_cast<std::size_t>(sub_steps_);
  update_opacities(static_cast<std::uint32_t>(std::min(sub_steps_done, edges_.size())));

  std::uint8_t* mask = mask_.mutable_pixels();
  if (mask == nullptr) return;
  const std::uint8_t* opacity = opacity_.data();
  const std::uint32_t* entry = entry_.data();
  for (int y = 0; y < height_; ++y) {
    std::uint8_t* row = mask + static_cast<std::size_t>(y) * mask_.stride();
    for (int x = 0; x < width_; ++x)
      row[x] = opacity[entry[x]];
    entry += width_;
  }
  mask_.pixels_changed();

  output.draw(incoming, 0, 0);
  output.draw_masked(outgoing, mask_);
}

void SoftEdgeFade::update_opacities(std::uint32_t sub_steps_done) {
  // The pixels that entered at sub-step e have been inside for
  // (sub_steps_done − e + 1) sub-steps; the latest entries fade least.
  double opacity = factor_;
  for (std::uint32_t e = sub_steps_done; e > faded_; --e) {
    const long level = std::lround(255.0 * opacity);
    if (level == 0) {
      std::fill(opacity_.begin() + faded_ + 1, opacity_.begin() + e + 1, std::uint8_t{0});
      faded_ = e;
      return;
    }
    opacity_[e] = static_cast<std::uint8_t>(level);
    opacity *= factor_;
  }
}

int render_soft_edge(RenderContext& context, const FrameCanvas& outgoing, SoftEdgeFade& fade) {
  return render_transition_frames(context, IncomingPhoto::kAnimated, [&](int t) {
    fade.compose(context.output, context.layer.canvas, outgoing, t);
  });
}

}  // namespace pictavo
