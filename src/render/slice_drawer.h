#pragma once

#include <cstddef>
#include <cstdint>

#include "render/frame_canvas.h"

namespace pictavo {

// Which way pictures are cut: into columns one pixel wide, each scaled along y,
// or into rows one pixel high, each scaled along x.
enum class SliceAxis { kColumns, kRows };

// How the source lines of a plane are spread between its two edges.
enum class PlaneSpacing {
  kEven,         // evenly, as if the plane were scaled flat between its edges
  kPerspective,  // closer together towards the shorter (farther) edge
};

// One edge of a plane drawn by slices: the line across the slices on which it
// lies (x of a column edge, y of a row edge) and where it starts and ends along
// them. A hard edge meets another plane: the picture's last line reaches one
// pixel past it, so a plane drawn over it next leaves no gap between them.
struct PlaneEdge {
  float position = 0;
  float start = 0;
  float end = 0;
  bool hard = false;
};

// Draws pictures cut into slices, each slice scaled on its own, straight onto a
// canvas: the perspective transitions' way of making a picture look turned in
// space, and a quick way to draw a picture sheared along its slices. Sampling
// is bilinear at pixel centres with transparent samples beyond the picture's
// edges, like FrameCanvas::draw, so the slices' ends and the outer slices blend
// into what lies below. Pictures are opaque (kRgb24, or kArgb32 without
// transparent parts); the target is kRgb24.
//
// Open a drawer for a frame after its Cairo drawing and close it (destroy it)
// before any Cairo drawing that follows; it allocates nothing.
class SliceDrawer {
 public:
  SliceDrawer(FrameCanvas& target, SliceAxis axis);
  ~SliceDrawer();
  SliceDrawer(const SliceDrawer&) = delete;
  SliceDrawer& operator=(const SliceDrawer&) = delete;

  // Draws slice `source_line` of `source` (a fractional position blends the two
  // slices around it) into slice `line` of the target, scaled to run from
  // `start` over `length` pixels along it.
  void draw(const FrameCanvas& source, int line, float source_line, float start, float length);

  // Copies slices `first` … `last` − 1 of `source` unscaled into the same slices.
  void copy(const FrameCanvas& source, int first, int last);

  // Draws all of `source` as a plane between two edges: its first slice lies on
  // `first`, its last on `last`, and each slice between is as long as the
  // straight lines joining the edges' ends make it.
  void draw_plane(const FrameCanvas& source, const PlaneEdge& first, const PlaneEdge& last,
                  PlaneSpacing spacing);

  // Draws all of `source` mapped onto `target` as FrameCanvas::draw maps it, for
  // a parallelogram that keeps the picture's slices on the target's: its side
  // upper_left → lower_left runs straight down for columns, its side upper_left
  // → upper_right straight right for rows (any sideways part of that side is
  // ignored, and one running up or left draws nothing). Every slice then lands
  // on target slices unturned, only moved and scaled along them.
  void draw(const FrameCanvas& source, const Parallelogram& target);

 private:
  // A canvas's pixels seen along this drawer's axis.
  struct Grid {
    const std::uint8_t* pixels = nullptr;
    std::ptrdiff_t line_step = 0;   // bytes from one slice to the next
    std::ptrdiff_t along_step = 0;  // bytes from one pixel of a slice to the next
    int lines = 0;                  // slices
    int length = 0;                 // pixels in a slice
  };
  Grid grid(const FrameCanvas& canvas) const;

  FrameCanvas& target_;
  SliceAxis axis_;
  Grid grid_;
  std::uint8_t* pixels_ = nullptr;
};

}  // namespace pictavo
