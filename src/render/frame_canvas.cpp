#include "render/frame_canvas.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <numbers>
#include <utility>

#include "render/argb.h"

namespace pictavo {
namespace {

// The rasteriser holds a picture's sampling steps in 16.16 fixed point: a picture
// shrunk further than this cannot be drawn, and asking Cairo to would leave the
// canvas in a lasting error state. Shrunk that far it covers no pixel anyway.
constexpr double kMaxShrink = 16384.0;

cairo_format_t cairo_format(FrameCanvas::Format format) {
  switch (format) {
    case FrameCanvas::Format::kRgb24:
      return CAIRO_FORMAT_RGB24;
    case FrameCanvas::Format::kArgb32:
      return CAIRO_FORMAT_ARGB32;
    case FrameCanvas::Format::kAlpha8:
      break;
  }
  return CAIRO_FORMAT_A8;
}

}  // namespace

FrameCanvas::FrameCanvas(int width, int height, Format format) : format_(format) {
  if (width <= 0 || height <= 0) return;
  surface_ = cairo_image_surface_create(cairo_format(format), width, height);
  cr_ = cairo_create(surface_);
  pattern_ = cairo_pattern_create_for_surface(surface_);
  cairo_pattern_set_filter(pattern_, CAIRO_FILTER_BILINEAR);
  // No extension: sampled beyond its edge the picture is transparent, so drawing
  // it never touches a pixel outside the rectangle it is drawn into.
  cairo_pattern_set_extend(pattern_, CAIRO_EXTEND_NONE);
  valid_ = cairo_surface_status(surface_) == CAIRO_STATUS_SUCCESS &&
           cairo_status(cr_) == CAIRO_STATUS_SUCCESS &&
           cairo_pattern_status(pattern_) == CAIRO_STATUS_SUCCESS;
  if (!valid_) {
    release();
    return;
  }
  width_ = width;
  height_ = height;
}

FrameCanvas::~FrameCanvas() {
  release();
}

FrameCanvas::FrameCanvas(FrameCanvas&& other) noexcept
    : surface_(std::exchange(other.surface_, nullptr)),
      cr_(std::exchange(other.cr_, nullptr)),
      pattern_(std::exchange(other.pattern_, nullptr)),
      width_(std::exchange(other.width_, 0)),
      height_(std::exchange(other.height_, 0)),
      format_(other.format_),
      valid_(std::exchange(other.valid_, false)) {}

FrameCanvas& FrameCanvas::operator=(FrameCanvas&& other) noexcept {
  if (this != &other) {
    release();
    surface_ = std::exchange(other.surface_, nullptr);
    cr_ = std::exchange(other.cr_, nullptr);
    pattern_ = std::exchange(other.pattern_, nullptr);
    width_ = std::exchange(other.width_, 0);
    height_ = std::exchange(other.height_, 0);
    format_ = other.format_;
    valid_ = std::exchange(other.valid_, false);
  }
  return *this;
}

void FrameCanvas::release() {
  if (pattern_ != nullptr) cairo_pattern_destroy(pattern_);
  if (cr_ != nullptr) cairo_destroy(cr_);
  if (surface_ != nullptr) cairo_surface_destroy(surface_);
  pattern_ = nullptr;
  cr_ = nullptr;
  surface_ = nullptr;
  width_ = 0;
  height_ = 0;
  valid_ = false;
}

void FrameCanvas::fill(std::uint32_t colour) {
  if (!valid_) return;
  const cairo_operator_t previous = cairo_get_operator(cr_);
  cairo_set_operator(cr_, CAIRO_OPERATOR_SOURCE);
  cairo_set_source_rgba(cr_, red_of(colour) / 255.0, green_of(colour) / 255.0,
                        blue_of(colour) / 255.0, alpha_of(colour) / 255.0);
  cairo_paint(cr_);
  cairo_set_operator(cr_, previous);
}

void FrameCanvas::paint_colour(std::uint32_t colour, double alpha) {
  if (!valid_ || alpha <= 0.0) return;
  cairo_set_source_rgb(cr_, red_of(colour) / 255.0, green_of(colour) / 255.0,
                       blue_of(colour) / 255.0);
  cairo_paint_with_alpha(cr_, std::min(alpha, 1.0));
}

void FrameCanvas::paint_mapped(const FrameCanvas& source, const cairo_matrix_t& source_to_canvas,
                               double alpha) {
  if (!valid_ || !source.valid_ || alpha <= 0.0) return;
  cairo_matrix_t canvas_to_source = source_to_canvas;
  if (cairo_matrix_invert(&canvas_to_source) != CAIRO_STATUS_SUCCESS) return;
  for (const double element :
       {canvas_to_source.xx, canvas_to_source.xy, canvas_to_source.yx, canvas_to_source.yy}) {
    if (!(std::fabs(element) <= kMaxShrink)) return;
  }
  cairo_pattern_set_matrix(source.pattern_, &canvas_to_source);
  cairo_set_source(cr_, source.pattern_);
  cairo_paint_with_alpha(cr_, std::min(alpha, 1.0));
}

void FrameCanvas::draw(const FrameCanvas& source, const RectF& rect, double alpha) {
  if (!source.valid_) return;
  cairo_matrix_t matrix;
  cairo_matrix_init(&matrix, rect.width / static_cast<double>(source.width_), 0, 0,
                    rect.height / static_cast<double>(source.height_), rect.x, rect.y);
  paint_mapped(source, matrix, alpha);
}

void FrameCanvas::draw_on_black(const FrameCanvas& source, const RectF& rect) {
  if (!valid_) return;
  if (!source.valid_) {
    fill(0);
    return;
  }
  // Sampled beyond its edge the picture is transparent: replacing with it leaves
  // black there and blends its edge pixels with black, as drawing over black does.
  const cairo_operator_t previous = cairo_get_operator(cr_);
  cairo_set_operator(cr_, CAIRO_OPERATOR_SOURCE);
  draw(source, rect);
  cairo_set_operator(cr_, previous);
}

void FrameCanvas::draw(const FrameCanvas& source, float x, float y, double alpha) {
  draw(source, RectF{x, y, static_cast<float>(source.width_), static_cast<float>(source.height_)},
       alpha);
}

void FrameCanvas::draw(const FrameCanvas& source, const Parallelogram& target, double alpha) {
  if (!source.valid_) return;
  const double width = source.width_;
  const double height = source.height_;
  cairo_matrix_t matrix;
  cairo_matrix_init(&matrix, (target.upper_right.x - target.upper_left.x) / width,
                    (target.upper_right.y - target.upper_left.y) / width,
                    (target.lower_left.x - target.upper_left.x) / height,
                    (target.lower_left.y - target.upper_left.y) / height, target.upper_left.x,
                    target.upper_left.y);
  paint_mapped(source, matrix, alpha);
}

void FrameCanvas::draw_masked(const FrameCanvas& source, const FrameCanvas& mask, float x,
                              float y) {
  if (!valid_ || !source.valid_ || !mask.valid_) return;
  cairo_matrix_t canvas_to_source;
  cairo_matrix_init_translate(&canvas_to_source, -x, -y);
  cairo_pattern_set_matrix(source.pattern_, &canvas_to_source);
  cairo_matrix_t identity;
  cairo_matrix_init_identity(&identity);
  cairo_pattern_set_matrix(mask.pattern_, &identity);
  cairo_set_source(cr_, source.pattern_);
  cairo_mask(cr_, mask.pattern_);
}

void FrameCanvas::rotate_about(double degrees, double centre_x, double centre_y) {
  if (!valid_) return;
  cairo_translate(cr_, centre_x, centre_y);
  cairo_rotate(cr_, degrees * std::numbers::pi / 180.0);
  cairo_translate(cr_, -centre_x, -centre_y);
}

void FrameCanvas::reset_transform() {
  if (valid_) cairo_identity_matrix(cr_);
}

FrameCanvas FrameCanvas::copy() const {
  FrameCanvas result(width_, height_, format_);
  if (!valid_ || !result.valid_) return result;
  std::memcpy(result.mutable_pixels(), pixels(), static_cast<std::size_t>(stride()) * height_);
  result.pixels_changed();
  return result;
}

int FrameCanvas::stride() const {
  return valid_ ? cairo_image_surface_get_stride(surface_) : 0;
}

const std::uint8_t* FrameCanvas::pixels() const {
  if (!valid_) return nullptr;
  cairo_surface_flush(surface_);
  return cairo_image_surface_get_data(surface_);
}

std::uint8_t* FrameCanvas::mutable_pixels() {
  if (!valid_) return nullptr;
  cairo_surface_flush(surface_);
  return cairo_image_surface_get_data(surface_);
}

void FrameCanvas::pixels_changed() {
  if (valid_) cairo_surface_mark_dirty(surface_);
}

std::uint32_t FrameCanvas::pixel(int x, int y) const {
  if (!valid_ || x < 0 || y < 0 || x >= width_ || y >= height_) return 0;
  const std::uint8_t* row = pixels() + static_cast<std::size_t>(y) * stride();
  if (format_ == Format::kAlpha8) return static_cast<std::uint32_t>(row[x]) << 24;
  std::uint32_t value;
  std::memcpy(&value, row + 4 * x, sizeof value);
  return format_ == Format::kRgb24 ? (value | 0xFF000000u) : value;
}

bool FrameCanvas::write_png(const std::filesystem::path& path) const {
  return valid_ && cairo_surface_write_to_png(surface_, path.c_str()) == CAIRO_STATUS_SUCCESS;
}

}  // namespace pictavo
