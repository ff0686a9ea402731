#include "render/frame_canvas.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <numbers>
#include <utility>

#include "render/argb.h"

namespace pictavo {
namespace {

// Below this extent a scaled draw would need a singular matrix.
constexpr float kMinExtent = 1e-4f;

cairo_format_t cairo_format(FrameCanvas::Format format) {
  return format == FrameCanvas::Format::kRgb24 ? CAIRO_FORMAT_RGB24 : CAIRO_FORMAT_ARGB32;
}

}  // namespace

FrameCanvas::FrameCanvas(int width, int height, Format format) : format_(format) {
  if (width <= 0 || height <= 0) return;
  surface_ = cairo_image_surface_create(cairo_format(format), width, height);
  cr_ = cairo_create(surface_);
  pattern_ = cairo_pattern_create_for_surface(surface_);
  cairo_pattern_set_filter(pattern_, CAIRO_FILTER_BILINEAR);
  // Padding keeps the picture's edge pixels sharp when it is scaled; the drawn
  // rectangle bounds it.
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

void FrameCanvas::draw(const FrameCanvas& source, const RectF& rect, double alpha) {
  if (!valid_ || !source.valid_ || alpha <= 0.0) return;
  if (std::fabs(rect.width) < kMinExtent || std::fabs(rect.height) < kMinExtent) return;
  cairo_matrix_t matrix;
  cairo_matrix_init_scale(&matrix, source.width_ / static_cast<double>(rect.width),
                          source.height_ / static_cast<double>(rect.height));
  cairo_matrix_translate(&matrix, -rect.x, -rect.y);
  cairo_pattern_set_matrix(source.pattern_, &matrix);
  cairo_set_source(cr_, source.pattern_);
  cairo_paint_with_alpha(cr_, std::min(alpha, 1.0));
}

void FrameCanvas::draw(const FrameCanvas& source, float x, float y, double alpha) {
  draw(source, RectF{x, y, static_cast<float>(source.width_), static_cast<float>(source.height_)},
       alpha);
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
  std::uint32_t value;
  std::memcpy(&value, pixels() + static_cast<std::size_t>(y) * stride() + 4 * x, sizeof value);
  return format_ == Format::kRgb24 ? (value | 0xFF000000u) : value;
}

bool FrameCanvas::write_png(const std::filesystem::path& path) const {
  return valid_ && cairo_surface_write_to_png(surface_, path.c_str()) == CAIRO_STATUS_SUCCESS;
}

}  // namespace pictavo
