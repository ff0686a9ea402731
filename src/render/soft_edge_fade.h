#pragma once

#include <algorithm>
#include <cstdint>
#include <limits>
#include <vector>

#include "render/frame_canvas.h"
#include "render/render_context.h"

namespace pictavo {

// How a soft edge covers one frame's advance: in `count` sub-steps of `size` each
// (signed like the advance), none longer than one pixel or degree.
struct SubSteps {
  int count = 1;
  float size = 0;
};
SubSteps split_advance(float advance);

// The factor by which one sub-step of `size` multiplies the opacity of the old
// picture where the shape has already passed, so that it falls to 0.2 at
// `falloff` behind the edge.
float decay_factor(float size, float falloff);

// The fade of a soft-edged transition. A shape grows over the old picture by
// sub-steps; every sub-step multiplies the old picture's opacity inside the shape
// by the factor f, so a pixel that has been inside for j sub-steps shows the old
// picture at opacity f^j over the new photo, and the moving edge trails a soft
// gradient. The opacity is worked out from j directly, not by multiplying an
// 8-bit layer again and again: repeated 8-bit products stick at a floor (with f
// near 1, at a quarter of the old picture, washed to grey) instead of reaching 0.
//
// A shape is described by one number per pixel and the sequence of its edge: the
// pixel whose centre has coordinate u is inside after sub-step k when
// u < edges[k − 1]. Edges never decrease; +infinity covers every pixel.
class SoftEdgeFade {
 public:
  // Sets up the fade for a W × H frame and `sub_steps` sub-steps per frame, and
  // finds for every pixel the sub-step that brings it inside. `coordinate(x, y)`
  // gives u for the pixel centre (x, y).
  template <typename Coordinate>
  SoftEdgeFade(int width, int height, int sub_steps, float factor, std::vector<float> edges,
               Coordinate&& coordinate);

  // Composes transition frame t (from 0) on `output`: `incoming` with `outgoing`
  // laid over it at each pixel's opacity after the frame's sub-steps.
  void compose(FrameCanvas& output, const FrameCanvas& incoming, const FrameCanvas& outgoing,
               int t);

 private:
  void update_opacities(std::uint32_t sub_steps_done);

  int width_;
  int height_;
  int sub_steps_;
  double factor_;
  std::vector<float> edges_;
  // Per pixel, row by row: the sub-step (from 1) that first covers its centre;
  // never() when none does.
  std::vector<std::uint32_t> entry_;
  // Per entry sub-step: the old picture's opacity in the current frame, 0 to 255.
  std::vector<std::uint8_t> opacity_;
  // Entries up to here are already 0 and stay so.
  std::uint32_t faded_ = 0;
  FrameCanvas mask_;

  std::uint32_t never() const { return static_cast<std::uint32_t>(edges_.size()) + 1; }
};

template <typename Coordinate>
SoftEdgeFade::SoftEdgeFade(int width, int height, int sub_steps, float factor,
                           std::vector<float> edges, Coordinate&& coordinate)
    : width_(width),
      height_(height),
      sub_steps_(sub_steps),
      factor_(factor),
      edges_(std::move(edges)),
      entry_(static_cast<std::size_t>(std::max(width, 0)) * std::max(height, 0)),
      opacity_(edges_.size() + 2, 255),
      mask_(width, height, FrameCanvas::Format::kAlpha8) {
  std::size_t pixel = 0;
  for (int y = 0; y < height_; ++y) {
    for (int x = 0; x < width_; ++x) {
      const float u = coordinate(static_cast<float>(x) + 0.5f, static_cast<float>(y) + 0.5f);
      const auto first = std::upper_bound(edges_.begin(), edges_.end(), u);
      entry_[pixel++] = static_cast<std::uint32_t>(first - edges_.begin()) + 1;
    }
  }
}

// The edge after each of `count` sub-steps of a shape whose edge starts at `start`
// and moves by `step`, added up in single precision as the shape's own state is.
std::vector<float> accumulated_edges(float start, float step, int count);

inline constexpr float kCoversEverything = std::numeric_limits<float>::infinity();

// Renders photo `photo_index` with the new photo moving under `fade`, which
// uncovers it from `outgoing`, the picture on screen when the transition began.
int render_soft_edge(RenderContext& context, const FrameCanvas& outgoing, SoftEdgeFade& fade);

}  // namespace pictavo
