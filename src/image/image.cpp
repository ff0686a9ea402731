#include "image/image.h"

#include <algorithm>
#include <cstring>
#include <new>

#include "image/image_limits.h"

namespace pictavo {

Image::Image(const Image& other)
    : width_(other.width_),
      height_(other.height_),
      layout_(other.layout_),
      palette_(other.palette_),
      transparent_index_(other.transparent_index_),
      transparent_colour_(other.transparent_colour_),
      x_dpi_(other.x_dpi_),
      y_dpi_(other.y_dpi_),
      origin_(other.origin_) {
  if (other.pixels_) {
    const std::size_t size = other.stride() * static_cast<std::size_t>(other.height_);
    pixels_ = std::make_unique_for_overwrite<std::uint8_t[]>(size);
    std::memcpy(pixels_.get(), other.pixels_.get(), size);
  }
}

Image& Image::operator=(const Image& other) {
  if (this != &other) *this = Image(other);
  return *this;
}

std::optional<Image> Image::allocate(int width, int height, PixelLayout layout) {
  if (!image_size_refusal(width, height).empty()) return std::nullopt;
  Image image;
  image.width_ = width;
  image.height_ = height;
  image.layout_ = layout;
  try {
    image.pixels_ = std::make_unique_for_overwrite<std::uint8_t[]>(
        image.stride() * static_cast<std::size_t>(height));
  } catch (const std::bad_alloc&) {
    return std::nullopt;
  }
  image.origin_.full_width = width;
  image.origin_.full_height = height;
  return image;
}

std::optional<Image> Image::create(int width, int height, int bits_per_pixel) {
  const PixelLayout layout = bits_per_pixel == 32   ? PixelLayout::kBgra
                             : bits_per_pixel == 24 ? PixelLayout::kBgrx
                                                    : PixelLayout::kIndexed;
  if (layout == PixelLayout::kIndexed && bits_per_pixel != 1 && bits_per_pixel != 4 &&
      bits_per_pixel != 8) {
    return std::nullopt;
  }
  std::optional<Image> image = allocate(width, height, layout);
  if (!image) return std::nullopt;
  const std::size_t size = image->stride() * static_cast<std::size_t>(height);
  if (layout == PixelLayout::kBgrx) {
    const RgbQuad black = rgb(0, 0, 0);
    for (std::size_t i = 0; i < size; i += 4)
      std::memcpy(image->data() + i, &black, 4);
  } else {
    std::memset(image->data(), 0, size);
  }
  if (layout == PixelLayout::kIndexed) {
    const int entries = 1 << bits_per_pixel;
    std::vector<RgbQuad> grey(static_cast<std::size_t>(entries));
    for (int i = 0; i < entries; ++i) {
      const auto level = static_cast<std::uint8_t>(i * 255 / (entries - 1));
      grey[static_cast<std::size_t>(i)] = rgb(level, level, level);
    }
    image->set_palette(std::move(grey));
  }
  return image;
}

std::optional<Image> Image::allocate_like(int width, int height) const {
  std::optional<Image> image = allocate(width, height, layout_);
  if (!image) return std::nullopt;
  image->palette_ = palette_;
  image->transparent_index_ = transparent_index_;
  image->transparent_colour_ = transparent_colour_;
  image->x_dpi_ = x_dpi_;
  image->y_dpi_ = y_dpi_;
  image->origin_ = origin_;
  return image;
}

int Image::bits_per_pixel() const {
  switch (layout_) {
    case PixelLayout::kIndexed:
      return palette_.size() <= 2 ? 1 : palette_.size() <= 16 ? 4 : 8;
    case PixelLayout::kBgrx:
      return 24;
    case PixelLayout::kBgra:
      return 32;
  }
  return 24;
}

void Image::set_palette(std::vector<RgbQuad> palette) {
  if (palette.size() > 256) palette.resize(256);
  palette_ = std::move(palette);
  if (transparent_index_ >= static_cast<int>(palette_.size())) transparent_index_ = -1;
}

bool Image::set_palette_colour(int index, RgbQuad colour) {
  if (index < 0 || index >= static_cast<int>(palette_.size())) return false;
  palette_[static_cast<std::size_t>(index)] = colour;
  return true;
}

bool Image::set_transparent_index(int index) {
  if (index < -1 || index >= static_cast<int>(palette_.size())) return false;
  transparent_index_ = index;
  return true;
}

bool Image::has_transparency() const {
  return layout_ == PixelLayout::kBgra || transparent_index_ >= 0 ||
         transparent_colour_.has_value();
}

void Image::remove_alpha() {
  if (layout_ == PixelLayout::kBgra) convert_to(PixelLayout::kBgrx);
}

bool Image::lay_over(RgbQuad background) {
  if (!has_transparency()) return true;
  // A colour key of a picture without alpha is kept only until the conversion.
  const bool has_key = layout_ == PixelLayout::kBgrx && transparent_colour_.has_value();
  const RgbQuad key = transparent_colour_.value_or(RgbQuad{});
  if (!convert_to(PixelLayout::kBgra)) return false;
  const std::uint8_t under[3] = {background.blue, background.green, background.red};
  for (int y = 0; y < height_; ++y) {
    std::uint8_t* p = row(y);
    for (int x = 0; x < width_; ++x, p += 4) {
      const bool keyed = has_key && p[0] == key.blue && p[1] == key.green && p[2] == key.red;
      const unsigned alpha = keyed ? 0 : p[3];
      for (int c = 0; c < 3; ++c)
        p[c] = static_cast<std::uint8_t>((p[c] * alpha + under[c] * (255 - alpha) + 127) / 255);
      p[3] = 255;
    }
  }
  layout_ = PixelLayout::kBgrx;
  transparent_colour_.reset();
  return true;
}

RgbQuad Image::pixel(int x, int y) const {
  if (!is_valid() || x < 0 || y < 0 || x >= width_ || y >= height_) return RgbQuad{0, 0, 0, 0};
  const std::uint8_t* p = row(y) + static_cast<std::size_t>(x) * bytes_per_pixel();
  if (layout_ == PixelLayout::kIndexed) {
    if (*p >= palette_.size()) return rgb(0, 0, 0);
    RgbQuad colour = palette_[*p];
    colour.alpha = *p == transparent_index_ ? 0 : 255;
    return colour;
  }
  RgbQuad colour;
  std::memcpy(&colour, p, 4);
  if (layout_ == PixelLayout::kBgrx) colour.alpha = 255;
  return colour;
}

bool Image::set_pixel(int x, int y, RgbQuad colour) {
  if (!is_valid() || x < 0 || y < 0 || x >= width_ || y >= height_) return false;
  std::uint8_t* p = row(y) + static_cast<std::size_t>(x) * bytes_per_pixel();
  if (layout_ == PixelLayout::kIndexed) {
    const int index = nearest_palette_index(colour);
    if (index < 0) return false;
    *p = static_cast<std::uint8_t>(index);
    return true;
  }
  if (layout_ == PixelLayout::kBgrx) colour.alpha = 255;
  std::memcpy(p, &colour, 4);
  return true;
}

int Image::nearest_palette_index(RgbQuad colour) const {
  int best = -1;
  int best_distance = 0;
  for (std::size_t i = 0; i < palette_.size(); ++i) {
    const int db = palette_[i].blue - colour.blue;
    const int dg = palette_[i].green - colour.green;
    const int dr = palette_[i].red - colour.red;
    const int distance = db * db + dg * dg + dr * dr;
    if (best < 0 || distance < best_distance) {
      best = static_cast<int>(i);
      best_distance = distance;
    }
  }
  return best;
}

bool Image::convert_to(PixelLayout layout) {
  if (!is_valid()) return false;
  if (layout == layout_) return true;
  if (layout == PixelLayout::kIndexed) return false;
  if (layout_ != PixelLayout::kIndexed) {
    // Between the two 4-byte layouts only the fourth byte changes meaning.
    if (layout == PixelLayout::kBgrx) {
      const std::size_t size = stride() * static_cast<std::size_t>(height_);
      for (std::size_t i = 3; i < size; i += 4)
        pixels_[i] = 255;
    }
    layout_ = layout;
    return true;
  }
  std::optional<Image> expanded = allocate(width_, height_, layout);
  if (!expanded) return false;
  RgbQuad lookup[256];
  for (int i = 0; i < 256; ++i) {
    lookup[i] = i < static_cast<int>(palette_.size()) ? palette_[static_cast<std::size_t>(i)]
                                                      : rgb(0, 0, 0);
    lookup[i].alpha = layout == PixelLayout::kBgra && i == transparent_index_ ? 0 : 255;
  }
  for (int y = 0; y < height_; ++y) {
    const std::uint8_t* in = row(y);
    std::uint8_t* out = expanded->row(y);
    for (int x = 0; x < width_; ++x)
      std::memcpy(out + 4 * x, &lookup[in[x]], 4);
  }
  if (layout == PixelLayout::kBgrx && transparent_index_ >= 0 && !transparent_colour_) {
    transparent_colour_ = palette_[static_cast<std::size_t>(transparent_index_)];
  }
  pixels_ = std::move(expanded->pixels_);
  layout_ = layout;
  palette_.clear();
  transparent_index_ = -1;
  return true;
}

bool Image::expand_to_colour() {
  if (layout_ != PixelLayout::kIndexed) return is_valid();
  return convert_to(transparent_index_ >= 0 ? PixelLayout::kBgra : PixelLayout::kBgrx);
}

void Image::set_resolution(int x_dpi, int y_dpi) {
  x_dpi_ = std::clamp(x_dpi, 1, 65535);
  y_dpi_ = std::clamp(y_dpi, 1, 65535);
}

}  // namespace pictavo
