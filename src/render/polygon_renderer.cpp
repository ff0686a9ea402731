#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>
#include <vector>

#include "render/transition_frames.h"
#include "render/transition_renderers.h"

namespace pictavo {
namespace {

constexpr float kRadiansPerDegree = 0.017453292f;
// How far a piece reaches under the pieces drawn over it, so that their smoothed
// edges never show what lies beneath both.
constexpr double kOverlap = 1.0;

struct Point {
  double x = 0;
  double y = 0;
};

// One half-disc of the circle round the frame, cut from a picture, and where it
// has moved. Within the picture a half-disc of that circle is a half-plane: the
// side of the line through the centre that `normal` points to.
struct Piece {
  Point normal;
  PointF offset;
  PointF velocity;
};

// Piece k of n starts at 180 / n − 90 + k × 360 / n degrees (clockwise from 3
// o'clock) and spans half a turn, so that the n cuts meet round the centre as a
// regular n-gon. Each piece moves straight out, away from the centre, by
// `radius` over `frames` frames.
std::vector<Piece> make_pieces(int sides, float radius, int frames) {
  std::vector<Piece> pieces;
  pieces.reserve(static_cast<std::size_t>(sides));
  const float speed = radius / static_cast<float>(frames);
  for (int k = 0; k < sides; ++k) {
    const float start = 180.0f / static_cast<float>(sides) - 90.0f +
                        static_cast<float>(k) * 360.0f / static_cast<float>(sides);
    const float outward = (start + 90.0f) * kRadiansPerDegree;
    pieces.push_back(
        Piece{{std::cos(static_cast<double>(outward)), std::sin(static_cast<double>(outward))},
              {},
              {std::cos(outward) * speed, std::sin(outward) * speed}});
  }
  return pieces;
}

// A convex polygon cut down by half-planes; pieces and frame have few sides.
class ConvexRegion {
 public:
  ConvexRegion(double width, double height)
      : corners_{{{0, 0}, {width, 0}, {width, height}, {0, height}}}, count_(4) {}

  // Keeps the part where (p − origin) · normal ≥ −margin.
  void keep(Point origin, Point normal, double margin) {
    std::array<Point, kMaxCorners> kept;
    int kept_count = 0;
    const auto side = [&](const Point& p) {
      return (p.x - origin.x) * normal.x + (p.y - origin.y) * normal.y + margin;
    };
    for (int i = 0; i < count_ && kept_count + 2 <= kMaxCorners; ++i) {
      const Point& a = corners_[static_cast<std::size_t>(i)];
      const Point& b = corners_[static_cast<std::size_t>((i + 1) % count_)];
      const double side_a = side(a);
      const double side_b = side(b);
      if (side_a >= 0) kept[static_cast<std::size_t>(kept_count++)] = a;
      if ((side_a >= 0) != (side_b >= 0)) {
        const double share = side_a / (side_a - side_b);
        kept[static_cast<std::size_t>(kept_count++)] = {a.x + share * (b.x - a.x),
                                                        a.y + share * (b.y - a.y)};
      }
    }
    corners_ = kept;
    count_ = kept_count;
  }

  bool empty() const { return count_ < 3; }

  // Sets the current path of `cr` to the polygon.
  void trace(cairo_t* cr) const {
    cairo_new_path(cr);
    for (int i = 0; i < count_; ++i) {
      const Point& corner = corners_[static_cast<std::size_t>(i)];
      cairo_line_to(cr, corner.x, corner.y);
    }
    cairo_close_path(cr);
  }

  // Sets the current path of `cr` to the smallest box of whole pixels holding
  // the polygon.
  void trace_box(cairo_t* cr) const {
    double left = corners_[0].x;
    double right = left;
    double top = corners_[0].y;
    double bottom = top;
    for (int i = 1; i < count_; ++i) {
      const Point& corner = corners_[static_cast<std::size_t>(i)];
      left = std::min(left, corner.x);
      right = std::max(right, corner.x);
      top = std::min(top, corner.y);
      bottom = std::max(bottom, corner.y);
    }
    left = std::floor(left);
    top = std::floor(top);
    cairo_new_path(cr);
    cairo_rectangle(cr, left, top, std::ceil(right) - left, std::ceil(bottom) - top);
  }

 private:
  // The frame's four sides and one per piece at most, with room to spare.
  static constexpr int kMaxCorners = 16;
  std::array<Point, kMaxCorners> corners_;
  int count_;
};

// Draws a picture through convex regions with smoothed edges. Clipped to such a
// region, a shifted picture would be drawn row by row, several rasteriser calls
// for each; drawn through the region's coverage in a mask it takes one call.
class RegionPainter {
 public:
  RegionPainter(int width, int height) : mask_(width, height, FrameCanvas::Format::kAlpha8) {}

  // Draws `picture` with its top-left corner at `offset` inside `region`.
  void draw(FrameCanvas& output, const FrameCanvas& picture, PointF offset,
            const ConvexRegion& region) {
    if (region.empty()) return;
    // Only the region's box of the mask is cleared and used.
    cairo_t* mask = mask_.cr();
    region.trace_box(mask);
    cairo_set_operator(mask, CAIRO_OPERATOR_CLEAR);
    cairo_fill(mask);
    cairo_set_operator(mask, CAIRO_OPERATOR_OVER);
    region.trace(mask);
    cairo_set_source_rgb(mask, 0, 0, 0);
    cairo_fill(mask);

    cairo_t* cr = output.cr();
    cairo_save(cr);
    region.trace_box(cr);
    cairo_clip(cr);
    output.draw_masked(picture, mask_, offset.x, offset.y);
    cairo_restore(cr);
  }

 private:
  FrameCanvas mask_;
};

// Moves every piece on and draws it, later pieces over earlier ones: the part of
// `picture` on the piece's side of its cut, shifted by its offset. Each piece is
// drawn only where no later piece covers it, so every pixel is drawn about once.
void move_and_draw(FrameCanvas& output, const FrameCanvas& picture, RegionPainter& painter,
                   std::vector<Piece>& pieces) {
  for (Piece& piece : pieces) {
    piece.offset.x += piece.velocity.x;
    piece.offset.y += piece.velocity.y;
  }
  const double centre_x = output.width() * 0.5;
  const double centre_y = output.height() * 0.5;
  const auto cut_through = [&](const Piece& piece) {
    return Point{centre_x + piece.offset.x, centre_y + piece.offset.y};
  };
  for (std::size_t k = 0; k < pieces.size(); ++k) {
    ConvexRegion region(output.width(), output.height());
    region.keep(cut_through(pieces[k]), pieces[k].normal, 0);
    for (std::size_t later = k + 1; later < pieces.size(); ++later) {
      const Point inward{-pieces[later].normal.x, -pieces[later].normal.y};
      region.keep(cut_through(pieces[later]), inward, kOverlap);
    }
    painter.draw(output, picture, pieces[k].offset, region);
  }
}

}  // namespace

// Fly out: the old picture breaks into n overlapping half-discs that move apart,
// opening a regular n-sided hole round the centre through which the new photo
// shows. Fly in: half-discs of the new photo come in from outside and close over
// the old picture.
int render_polygon(RenderContext& context) {
  const FrameCanvas outgoing = snapshot(context);
  const TransitionValues params = current_transition(context);
  const int sides = std::clamp(params.p1, 3, 9);
  const bool fly_out = params.p2 == 1;
  const int frames = std::max(context.transition_frames, 1);
  const int width = context.output.width();
  const int height = context.output.height();
  const float radius = std::sqrt(static_cast<float>(width * width + height * height)) * 0.5f;
  FrameCanvas& output = context.output;
  const FrameCanvas& incoming = context.layer.canvas;
  std::vector<Piece> pieces = make_pieces(sides, radius, frames);
  // The picture cut up, in 32 bits: moved by fractions of a pixel, such pictures
  // take the rasteriser's vectorised bilinear path.
  FrameCanvas cut(width, height, FrameCanvas::Format::kArgb32);
  RegionPainter painter(width, height);

  if (fly_out) {
    cut.draw(outgoing, 0, 0);
    return render_transition_frames(context, IncomingPhoto::kAnimated, [&](int) {
      output.draw(incoming, 0, 0);
      move_and_draw(output, cut, painter, pieces);
    });
  }

  for (Piece& piece : pieces) {
    piece.offset = {static_cast<float>(frames) * piece.velocity.x,
                    static_cast<float>(frames) * piece.velocity.y};
    piece.velocity = {-piece.velocity.x, -piece.velocity.y};
  }
  return render_transition_frames(context, IncomingPhoto::kFrozen, [&](int t) {
    if (t == 0) cut.draw(incoming, 0, 0);
    output.draw(outgoing, 0, 0);
    move_and_draw(output, cut, painter, pieces);
  });
}

}  // namespace pictavo
