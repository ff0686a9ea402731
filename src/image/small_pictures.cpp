#include "image/small_pictures.h"

#include <cairo.h>

#include <algorithm>
#include <cmath>
#include <cstring>

#include "image/cairo_image.h"
#include "image/image_file.h"
#include "image/image_format.h"

namespace pictavo {
namespace {

struct SmallPictureStyle {
  int width;
  int height;
  RgbQuad background;
  cairo_filter_t filter;
  // The photo is decoded and area-averaged down to this many times the small
  // picture's size before the filter draws it: cheap for large JPEGs, and the
  // filter never has to reduce by more than it can without aliasing.
  int decode_factor;
  Placement (*place)(int photo_width, int photo_height, int width, int height);
};

Placement cover_at(int photo_width, int photo_height, int, int) {
  return cover_placement(photo_width, photo_height);
}

Placement thm_at(int photo_width, int photo_height, int, int) {
  return thm_placement(photo_width, photo_height);
}

// Every photo shows as something, however narrow.
Placement at_least_one_pixel(Placement placement) {
  placement.width = std::max(placement.width, 1);
  placement.height = std::max(placement.height, 1);
  return placement;
}

Result<Image> make_small_picture(const std::filesystem::path& photo,
                                 const SmallPictureStyle& style) {
  Result<Image> picture =
      load_image_within(photo, image_type_of(photo), style.width * style.decode_factor,
                        style.height * style.decode_factor);
  if (!picture) return picture;
  const ImageOrigin& origin = picture->origin();
  const Placement place =
      style.place(origin.full_width, origin.full_height, style.width, style.height);
  std::optional<Image> canvas = solid_picture(style.width, style.height, style.background);
  CairoSurface source = cairo_surface_for(*picture);
  if (!canvas || !source) return Failure{"not enough memory for the picture"};
  const double scale_x = static_cast<double>(place.width) / picture->width();
  const double scale_y = static_cast<double>(place.height) / picture->height();
  const bool drawn = draw_with_cairo(*canvas, [&](cairo_t* cr) {
    cairo_rectangle(cr, place.x, place.y, place.width, place.height);
    cairo_clip(cr);
    cairo_translate(cr, place.x, place.y);
    cairo_scale(cr, scale_x, scale_y);
    cairo_set_source_surface(cr, source.get(), 0, 0);
    cairo_pattern_t* pattern = cairo_get_source(cr);
    cairo_pattern_set_filter(pattern, style.filter);
    // The photo's edge pixels continue outwards instead of fading into the
    // background where the filter reaches past them.
    cairo_pattern_set_extend(pattern, CAIRO_EXTEND_PAD);
    cairo_paint(cr);
  });
  if (!drawn) return Failure{"not enough memory for the picture"};
  return std::move(*canvas);
}

}  // namespace

Placement cover_placement(int photo_width, int photo_height) {
  if (photo_width <= 0 || photo_height <= 0) return {};
  const float width = kCoverWidth;
  const float height = kCoverHeight;
  const auto pw = static_cast<float>(photo_width);
  const auto ph = static_cast<float>(photo_height);
  Placement placement;
  float scale = 0;
  if (height / ph < width / pw) {
    scale = height / ph;
    placement.x = static_cast<int>((width - pw * scale) * 0.5f);
  } else {
    scale = width / pw;
    placement.y = static_cast<int>((height - ph * scale) * 0.5f);
  }
  placement.width = static_cast<int>(pw * scale);
  placement.height = static_cast<int>(ph * scale);
  return at_least_one_pixel(placement);
}

Placement thm_placement(int photo_width, int photo_height) {
  if (photo_width <= 0 || photo_height <= 0) return {};
  const auto w = static_cast<float>(photo_width);
  const auto h = static_cast<float>(photo_height);
  Placement placement{0, 0, photo_width, photo_height};
  if (h / w > 0.75f) {
    if (photo_height > kThmHeight) {
      placement.width = static_cast<int>(w / h * kThmHeight);
      placement.height = kThmHeight;
    }
  } else if (photo_width > kThmWidth) {
    placement.width = kThmWidth;
    placement.height = static_cast<int>(h / w * kThmWidth);
  }
  placement = at_least_one_pixel(placement);
  placement.x = (kThmWidth - placement.width) / 2;
  placement.y = (kThmHeight - placement.height) / 2;
  return placement;
}

Placement letterbox_placement(int photo_width, int photo_height, int width, int height) {
  if (photo_width <= 0 || photo_height <= 0) return {};
  const double scale = std::min(static_cast<double>(width) / photo_width,
                                static_cast<double>(height) / photo_height);
  Placement placement;
  placement.width = static_cast<int>(std::lround(photo_width * scale));
  placement.height = static_cast<int>(std::lround(photo_height * scale));
  placement.x = static_cast<int>(std::lround((width - photo_width * scale) / 2));
  placement.y = static_cast<int>(std::lround((height - photo_height * scale) / 2));
  return at_least_one_pixel(placement);
}

Result<Image> make_cover_picture(const std::filesystem::path& photo) {
  static constexpr SmallPictureStyle kCover{
      kCoverWidth, kCoverHeight, rgb(255, 255, 255), CAIRO_FILTER_BEST, 2, cover_at};
  return make_small_picture(photo, kCover);
}

Result<Image> make_thm_picture(const std::filesystem::path& photo) {
  static constexpr SmallPictureStyle kThm{
      kThmWidth, kThmHeight, rgb(0, 0, 0), CAIRO_FILTER_BILINEAR, 1, thm_at};
  return make_small_picture(photo, kThm);
}

Result<Image> make_video_cover_picture(const std::filesystem::path& photo, int width, int height) {
  const SmallPictureStyle style{
      width, height, rgb(0, 0, 0), CAIRO_FILTER_BILINEAR, 1, letterbox_placement};
  return make_small_picture(photo, style);
}

Result<Image> make_list_thumbnail(const std::filesystem::path& photo, int width, int height) {
  const SmallPictureStyle style{
      width, height, rgb(255, 255, 255), CAIRO_FILTER_BEST, 2, letterbox_placement};
  return make_small_picture(photo, style);
}

std::optional<Image> solid_picture(int width, int height, RgbQuad colour) {
  std::optional<Image> picture = Image::allocate(width, height, PixelLayout::kBgrx);
  if (!picture) return picture;
  colour.alpha = 255;
  std::uint8_t* pixel = picture->data();
  const std::size_t count = static_cast<std::size_t>(width) * static_cast<std::size_t>(height);
  for (std::size_t i = 0; i < count; ++i, pixel += 4)
    std::memcpy(pixel, &colour, 4);
  return picture;
}

}  // namespace pictavo
