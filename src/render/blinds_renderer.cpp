#include <algorithm>
#include <cmath>
#include <vector>

#include "render/strip_tiles.h"
#include "render/transition_frames.h"
#include "render/transition_renderers.h"

namespace pictavo {
namespace {

// Each slat closes over 30 % of the transition and opens until 60 %; the slats
// start one after another across the first 40 %.
constexpr double kClosedAt = 0.3;
constexpr double kOpenAt = 0.6;
constexpr double kStartShare = 0.4;

struct Slat {
  int start = 0;     // first frame of its turn
  double speed = 0;  // pixels per frame its width changes by
  RectF rect;        // where its tile is drawn
};

int start_frame(int transition_frames, int index, int count, bool left_to_right) {
  const int order = left_to_right ? index : count - index;
  return static_cast<int>(transition_frames * order * kStartShare / count);
}

}  // namespace

// The frame is cut into vertical slats that turn over one after another, each
// narrowing to nothing about its centre with the old picture and widening again
// with the new photo, which moves meanwhile.
int render_blinds(RenderContext& context) {
  const FrameCanvas outgoing = snapshot(context);
  const TransitionValues params = current_transition(context);
  const bool left_to_right = params.p1 == 0;
  const int frames = context.transition_frames;
  const int height = context.output.height();
  const std::uint32_t colour = background_colour(context);
  FrameCanvas& output = context.output;
  const FrameCanvas& incoming = context.layer.canvas;

  const std::vector<Strip> strips = strip_partition(output.width(), std::max(params.p2, 1));
  const int count = static_cast<int>(strips.size());
  StripTiles old_tiles(strips, height);
  StripTiles new_tiles(strips, height);
  old_tiles.cut(outgoing);
  std::vector<Slat> slats;
  slats.reserve(strips.size());
  for (int i = 0; i < count; ++i) {
    const Strip& strip = strips[static_cast<std::size_t>(i)];
    slats.push_back(Slat{start_frame(frames, i, count, left_to_right),
                         strip.width / (frames * kClosedAt),
                         RectF{static_cast<float>(strip.x), 0, static_cast<float>(strip.width),
                               static_cast<float>(height)}});
  }
  const double closed = frames * kClosedAt;
  const double open = frames * kOpenAt;

  return render_transition_frames(context, IncomingPhoto::kAnimated, [&](int t) {
    output.fill(colour);
    for (std::size_t i = 0; i < slats.size(); ++i) {
      Slat& slat = slats[i];
      bool shows_new = false;
      if (t >= slat.start && t < slat.start + closed) {
        slat.rect.x += static_cast<float>(slat.speed * 0.5);
        slat.rect.width -= static_cast<float>(slat.speed);
      } else if (t >= slat.start + closed && t < slat.start + open) {
        slat.rect.x -= static_cast<float>(slat.speed * 0.5);
        slat.rect.width += static_cast<float>(slat.speed);
        shows_new = true;
      } else {
        shows_new = t >= slat.start + open;
      }
      // Whole frames can take a slat slightly past zero width; it then shows
      // nothing rather than its tile mirrored.
      if (slat.rect.width <= 0) continue;
      if (shows_new) {
        new_tiles.cut(incoming, i);
        output.draw(new_tiles[i], slat.rect);
      } else {
        output.draw(old_tiles[i], slat.rect);
      }
    }
  });
}

}  // namespace pictavo
