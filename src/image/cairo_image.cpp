#include "image/cairo_image.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <utility>

namespace pictavo {
namespace {

std::uint8_t premultiply(int channel, int alpha) {
  return static_cast<std::uint8_t>((channel * alpha + 127) / 255);
}

std::uint8_t unpremultiply(int channel, int alpha) {
  if (alpha == 0) return 0;
  return static_cast<std::uint8_t>(std::min(255, (channel * 255 + alpha / 2) / alpha));
}

CairoSurface copy_into_surface(const Image& image) {
  const bool alpha = image.has_transparency();
  CairoSurface surface(cairo_image_surface_create(alpha ? CAIRO_FORMAT_ARGB32 : CAIRO_FORMAT_RGB24,
                                                  image.width(), image.height()));
  if (cairo_surface_status(surface.get()) != CAIRO_STATUS_SUCCESS) return nullptr;
  cairo_surface_flush(surface.get());
  std::uint8_t* base = cairo_image_surface_get_data(surface.get());
  const int stride = cairo_image_surface_get_stride(surface.get());
  for (int y = 0; y < image.height(); ++y) {
    std::uint8_t* out = base + static_cast<std::ptrdiff_t>(stride) * y;
    for (int x = 0; x < image.width(); ++x, out += 4) {
      RgbQuad colour = image.pixel(x, y);
      if (image.transparent_colour() && colour.red == image.transparent_colour()->red &&
          colour.green == image.transparent_colour()->green &&
          colour.blue == image.transparent_colour()->blue) {
        colour.alpha = 0;
      }
      out[0] = premultiply(colour.blue, colour.alpha);
      out[1] = premultiply(colour.green, colour.alpha);
      out[2] = premultiply(colour.red, colour.alpha);
      out[3] = colour.alpha;
    }
  }
  cairo_surface_mark_dirty(surface.get());
  return surface;
}

}  // namespace

bool shares_pixels_with_cairo(const Image& image) {
  return image.is_valid() && image.layout() == PixelLayout::kBgrx &&
         !image.transparent_colour().has_value();
}

CairoSurface cairo_surface_for(Image& image) {
  if (!image.is_valid()) return nullptr;
  if (!shares_pixels_with_cairo(image)) return copy_into_surface(image);
  CairoSurface surface(cairo_image_surface_create_for_data(image.data(), CAIRO_FORMAT_RGB24,
                                                           image.width(), image.height(),
                                                           static_cast<int>(image.stride())));
  if (cairo_surface_status(surface.get()) != CAIRO_STATUS_SUCCESS) return nullptr;
  return surface;
}

std::optional<Image> image_from_cairo_surface(cairo_surface_t* surface) {
  if (!surface || cairo_surface_get_type(surface) != CAIRO_SURFACE_TYPE_IMAGE) return std::nullopt;
  const cairo_format_t format = cairo_image_surface_get_format(surface);
  if (format != CAIRO_FORMAT_RGB24 && format != CAIRO_FORMAT_ARGB32) return std::nullopt;
  cairo_surface_flush(surface);
  const int width = cairo_image_surface_get_width(surface);
  const int height = cairo_image_surface_get_height(surface);
  const bool alpha = format == CAIRO_FORMAT_ARGB32;
  std::optional<Image> image =
      Image::allocate(width, height, alpha ? PixelLayout::kBgra : PixelLayout::kBgrx);
  if (!image) return std::nullopt;
  const std::uint8_t* base = cairo_image_surface_get_data(surface);
  const int stride = cairo_image_surface_get_stride(surface);
  for (int y = 0; y < height; ++y) {
    const std::uint8_t* in = base + static_cast<std::ptrdiff_t>(stride) * y;
    std::uint8_t* out = image->row(y);
    for (int x = 0; x < width; ++x, in += 4, out += 4) {
      const int a = alpha ? in[3] : 255;
      out[0] = alpha ? unpremultiply(in[0], a) : in[0];
      out[1] = alpha ? unpremultiply(in[1], a) : in[1];
      out[2] = alpha ? unpremultiply(in[2], a) : in[2];
      out[3] = static_cast<std::uint8_t>(a);
    }
  }
  return image;
}

bool draw_with_cairo(Image& image, const std::function<void(cairo_t*)>& draw) {
  const bool shared = shares_pixels_with_cairo(image);
  CairoSurface surface = cairo_surface_for(image);
  if (!surface) return false;
  cairo_t* cr = cairo_create(surface.get());
  draw(cr);
  const bool drawn = cairo_status(cr) == CAIRO_STATUS_SUCCESS;
  cairo_destroy(cr);
  cairo_surface_flush(surface.get());
  if (!drawn) return false;
  if (shared) {
    // Cairo leaves the fourth byte of RGB24 pixels undefined; keep it opaque.
    for (int y = 0; y < image.height(); ++y) {
      std::uint8_t* p = image.row(y);
      for (int x = 0; x < image.width(); ++x)
        p[4 * x + 3] = 255;
    }
    return true;
  }
  std::optional<Image> drawn_image = image_from_cairo_surface(surface.get());
  if (!drawn_image) return false;
  drawn_image->set_resolution(image.x_dpi(), image.y_dpi());
  drawn_image->origin() = image.origin();
  image = std::move(*drawn_image);
  return true;
}

}  // namespace pictavo
