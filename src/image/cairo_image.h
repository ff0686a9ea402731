#pragma once

#include <cairo.h>

#include <functional>
#include <memory>
#include <optional>

#include "image/image.h"

namespace pictavo {

struct CairoSurfaceDeleter {
  void operator()(cairo_surface_t* surface) const { cairo_surface_destroy(surface); }
};
using CairoSurface = std::unique_ptr<cairo_surface_t, CairoSurfaceDeleter>;

// A Cairo image surface showing the picture. A kBgrx picture is shared, not
// copied: the surface (CAIRO_FORMAT_RGB24) reads and draws the picture's own
// pixels, so it must not outlive the picture or a change of its size. Other
// layouts are copied once: kBgra premultiplied into ARGB32, indexed expanded.
// Empty when memory runs out.
CairoSurface cairo_surface_for(Image& image);

// Whether cairo_surface_for(image) shares the picture's pixels.
bool shares_pixels_with_cairo(const Image& image);

// A picture copied from an RGB24 or ARGB32 image surface (alpha divided out).
std::optional<Image> image_from_cairo_surface(cairo_surface_t* surface);

// Runs `draw` on a Cairo context over the picture and keeps what it drew; for
// pictures that Cairo cannot share the result is copied back.
bool draw_with_cairo(Image& image, const std::function<void(cairo_t*)>& draw);

}  // namespace pictavo
