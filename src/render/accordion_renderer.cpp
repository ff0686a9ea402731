#include <algorithm>
#include <vector>

#include "render/slice_drawer.h"
#include "render/strip_tiles.h"
#include "render/transition_frames.h"
#include "render/transition_renderers.h"

namespace pictavo {
namespace {

constexpr int kStrips = 6;
// How far a folded strip's corner stands off, relative to the frame's height.
constexpr float kFold = 0.2f;

// A tile drawn as a parallelogram whose corners move every frame: its left
// corners (upper and lower) together, its upper-right corner on its own.
struct FoldingTile {
  Parallelogram shape;
  float left_dx = 0;
  float left_dy = 0;
  float right_dx = 0;
  float right_dy = 0;

  void step() {
    shape.upper_left.x += left_dx;
    shape.upper_left.y += left_dy;
    shape.lower_left.x += left_dx;
    shape.lower_left.y += left_dy;
    shape.upper_right.x += right_dx;
    shape.upper_right.y += right_dy;
  }
};

// Lays black at `alpha` (0 to 255) over the parallelogram.
void shade(FrameCanvas& canvas, const Parallelogram& shape, int alpha) {
  if (alpha <= 0) return;
  cairo_t* cr = canvas.cr();
  const PointF& a = shape.upper_left;
  const PointF& b = shape.upper_right;
  const PointF& c = shape.lower_left;
  cairo_move_to(cr, a.x, a.y);
  cairo_line_to(cr, b.x, b.y);
  cairo_line_to(cr, b.x + c.x - a.x, b.y + c.y - a.y);
  cairo_line_to(cr, c.x, c.y);
  cairo_close_path(cr);
  cairo_set_source_rgba(cr, 0, 0, 0, alpha / 255.0);
  cairo_fill(cr);
}

}  // namespace

// The old picture folds up like an accordion against one side while the new
// photo unfolds from the other; every other strip is shaded as it turns away.
int render_accordion(RenderContext& context) {
  const FrameCanvas outgoing = snapshot(context);
  const bool left_to_right = current_transition(context).p1 == 0;
  const int frames = std::max(context.transition_frames, 1);
  const int width = context.output.width();
  const float height = static_cast<float>(context.output.height());
  const std::uint32_t colour = background_colour(context);
  FrameCanvas& output = context.output;

  const std::vector<Strip> strips = strip_partition(width, kStrips);
  const std::size_t count = strips.size();
  StripTiles old_tiles(strips, context.output.height());
  StripTiles new_tiles(strips, context.output.height());
  old_tiles.cut(outgoing);

  // Strip i moves by the shares of the strips that must pass it: c_j = w_j / T
  // per frame, summed over the strips before it (before[i]) or up to and with it
  // (through[i]); the whole width is through[count − 1].
  std::vector<float> before(count);
  std::vector<float> through(count);
  float sum = 0;
  for (std::size_t i = 0; i < count; ++i) {
    before[i] = sum;
    sum += static_cast<float>(strips[i].width) / static_cast<float>(frames);
    through[i] = sum;
  }
  const float all = sum;
  const float tilt = kFold * height / static_cast<float>(frames);
  const float start_x = left_to_right ? 0.0f : static_cast<float>(width);

  std::vector<FoldingTile> old_folds(count);
  std::vector<FoldingTile> new_folds(count);
  for (std::size_t i = 0; i < count; ++i) {
    const bool odd = i % 2 == 1;
    const float x = static_cast<float>(strips[i].x);
    const float right = x + static_cast<float>(strips[i].width);
    FoldingTile& old_fold = old_folds[i];
    old_fold.shape = {{x, 0}, {right, 0}, {x, height}};
    // Left to right the old strips pile up at the right edge, the new ones open
    // from the left; the other way round everything is mirrored.
    old_fold.left_dx = left_to_right ? all - before[i] : -before[i];
    old_fold.right_dx = left_to_right ? all - through[i] : -through[i];
    (odd ? old_fold.left_dy : old_fold.right_dy) = tilt;

    FoldingTile& new_fold = new_folds[i];
    new_fold.shape =
        odd ? Parallelogram{{start_x, kFold * height},
                            {start_x, 0},
                            {start_x, (1 + kFold) * height}}
            : Parallelogram{{start_x, 0}, {start_x, kFold * height}, {start_x, height}};
    new_fold.left_dx = left_to_right ? before[i] : -(all - before[i]);
    new_fold.right_dx = left_to_right ? through[i] : -(all - through[i]);
    (odd ? new_fold.left_dy : new_fold.right_dy) = -tilt;
  }

  return render_transition_frames(context, IncomingPhoto::kFrozen, [&](int t) {
    if (t == 0) new_tiles.cut(context.layer.canvas);
    const int shading = std::min(255, (t + 1) * 255 / frames);
    output.fill(colour);
    for (std::size_t i = 0; i < count; ++i) {
      const bool odd = i % 2 == 1;
      old_folds[i].step();
      new_folds[i].step();
      // The folds keep every column of a tile upright, so the slice drawer draws
      // them, several times faster than Cairo draws a sheared picture.
      SliceDrawer(output, SliceAxis::kColumns).draw(old_tiles[i], old_folds[i].shape);
      if (odd) shade(output, old_folds[i].shape, shading);
      SliceDrawer(output, SliceAxis::kColumns).draw(new_tiles[i], new_folds[i].shape);
      if (odd) shade(output, new_folds[i].shape, 255 - shading);
    }
  });
}

}  // namespace pictavo
