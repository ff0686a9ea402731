#pragma once

#include "render/slice_drawer.h"

namespace pictavo {

// The way of one edge of a turning plane through a transition of two phases,
// each of fixed per-frame steps: from `start` to `middle` over the first `split`
// frames, then on to `end` over the rest, so the two phases meet without a jump.
struct EdgePath {
  PlaneEdge start;
  PlaneEdge middle;
  PlaneEdge end;

  // Where the edge is once frame t (from 0) of `frames` has taken its step.
  PlaneEdge at(int t, int split, int frames) const {
    if (t < split) return between(start, middle, static_cast<float>(t + 1) / split);
    return between(middle, end, static_cast<float>(t + 1 - split) / (frames - split));
  }

  static PlaneEdge between(const PlaneEdge& from, const PlaneEdge& to, float fraction) {
    const auto mix = [fraction](float a, float b) { return a + (b - a) * fraction; };
    return {mix(from.position, to.position), mix(from.start, to.start), mix(from.end, to.end),
            from.hard};
  }
};

}  // namespace pictavo
