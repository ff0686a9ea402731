#pragma once

#include <cairo.h>

#include <cstdint>
#include <filesystem>

namespace pictavo {

// A float rectangle in canvas pixels: origin top left, y pointing down.
struct RectF {
  float x = 0;
  float y = 0;
  float width = 0;
  float height = 0;
};

struct PointF {
  float x = 0;
  float y = 0;
};

// A parallelogram given by three corners; the fourth is upper_right + lower_left −
// upper_left.
struct Parallelogram {
  PointF upper_left;
  PointF upper_right;
  PointF lower_left;
};

// A raster with the drawing surface bound to it: the frames being composed, the
// photo layer's canvas, resampled photos and the temporary pictures of the
// renderers. kRgb24 holds opaque pixels (4 bytes each, B G R x in memory);
// kArgb32 holds premultiplied alpha for layers with transparent parts; kAlpha8
// holds one opacity byte a pixel, for masks. Pixels are touched directly only by
// the frame hand-off, by decoders that fill a fresh canvas, by the soft-edge fade,
// which writes its mask, and by the slice drawer, which writes one-pixel slices
// where Cairo would take its slow general path; everything else draws through
// Cairo.
class FrameCanvas {
 public:
  enum class Format { kRgb24, kArgb32, kAlpha8 };

  FrameCanvas() = default;  // no pixels; drawing into or from it does nothing
  FrameCanvas(int width, int height, Format format = Format::kRgb24);
  ~FrameCanvas();
  FrameCanvas(FrameCanvas&& other) noexcept;
  FrameCanvas& operator=(FrameCanvas&& other) noexcept;
  FrameCanvas(const FrameCanvas&) = delete;
  FrameCanvas& operator=(const FrameCanvas&) = delete;

  // False for a default-constructed canvas and for one Cairo could not allocate.
  bool valid() const { return valid_; }
  int width() const { return width_; }
  int height() const { return height_; }
  Format format() const { return format_; }

  cairo_surface_t* surface() const { return surface_; }
  // The drawing surface; its transform, clip and operator are the caller's to set
  // and to restore.
  cairo_t* cr() const { return cr_; }

  // Sets every pixel inside the current clip to `argb` (replacing, not blending;
  // on kRgb24 a translucent colour lands as if laid over black).
  void fill(std::uint32_t argb);
  // Lays `argb`'s colour, taken as opaque, over the canvas at constant opacity
  // `alpha`, inside the current clip.
  void paint_colour(std::uint32_t argb, double alpha);
  // Draws all of `source` scaled into `rect` with the bilinear filter, at constant
  // opacity `alpha` (result = alpha × source + (1 − alpha) × destination for
  // opaque sources), under the current transform and clip. A rectangle without
  // area draws nothing; a negative width or height mirrors the picture.
  void draw(const FrameCanvas& source, const RectF& rect, double alpha = 1.0);
  // The same at `source`'s own size with its top-left corner at (x, y).
  void draw(const FrameCanvas& source, float x, float y, double alpha = 1.0);
  // fill(kOpaqueBlack) and then draw(source, rect) in one pass: every pixel inside
  // the clip is replaced, by the picture or, around it, by black (transparent on
  // kArgb32).
  void draw_on_black(const FrameCanvas& source, const RectF& rect);
  // Draws all of `source` mapped onto `target`: its top edge onto upper_left →
  // upper_right, its left edge onto upper_left → lower_left. A parallelogram too
  // thin to show anything draws nothing.
  void draw(const FrameCanvas& source, const Parallelogram& target, double alpha = 1.0);
  // Lays `source`, its top-left corner at (x, y) (sampled bilinearly between
  // pixels), over the canvas through `mask` (kAlpha8, placed at (0, 0)): each
  // pixel at the opacity its mask byte gives, 255 being opaque.
  void draw_masked(const FrameCanvas& source, const FrameCanvas& mask, float x = 0, float y = 0);

  // Prepends to the world transform a rotation by `degrees` (clockwise on screen)
  // about the point (centre_x, centre_y); reset_transform goes back to identity.
  void rotate_about(double degrees, double centre_x, double centre_y);
  void reset_transform();

  // A new canvas of the same size and format with the same pixels.
  FrameCanvas copy() const;

  // Direct pixel access. Reading flushes pending drawing; after writing through
  // mutable_pixels, call pixels_changed before drawing again.
  int stride() const;
  const std::uint8_t* pixels() const;
  std::uint8_t* mutable_pixels();
  void pixels_changed();
  // The stored 32-bit value of one pixel: 0xFFRRGGBB on kRgb24, premultiplied
  // ARGB on kArgb32, the opacity in the top byte on kAlpha8.
  std::uint32_t pixel(int x, int y) const;

  // Writes the canvas as a PNG file; false when that fails.
  bool write_png(const std::filesystem::path& path) const;

 private:
  void release();
  // Paints `source` mapped by `source_to_canvas`, unless that map shrinks it beyond
  // what the rasteriser represents (such a picture would not cover a pixel).
  void paint_mapped(const FrameCanvas& source, const cairo_matrix_t& source_to_canvas,
                    double alpha);

  cairo_surface_t* surface_ = nullptr;
  cairo_t* cr_ = nullptr;
  // The canvas as a drawing source, made once so that drawing it allocates nothing
  // of ours; its matrix is set by every draw.
  cairo_pattern_t* pattern_ = nullptr;
  int width_ = 0;
  int height_ = 0;
  Format format_ = Format::kRgb24;
  bool valid_ = false;
};

}  // namespace pictavo
