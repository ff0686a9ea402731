#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <vector>

#include "image/image_format.h"
#include "image/rgb_quad.h"

namespace pictavo {

// How the pixels of an Image lie in memory. Rows are top-down and packed
// (stride = width × bytes per pixel, which Cairo accepts as it is).
enum class PixelLayout {
  kIndexed,  // 1 byte a pixel: an index into the palette (1, 4 or 8 bits in files)
  kBgrx,     // 4 bytes a pixel B G R x: Cairo's RGB24; x is ignored (kept at 255)
  kBgra,     // 4 bytes a pixel B G R A with straight alpha; premultiply for Cairo's ARGB32
};

// Where the pixels came from.
struct ImageOrigin {
  ImageFormat format = ImageFormat::kUnknown;
  int frame = 0;  // the frame that was decoded, of frame_count
  int frame_count = 1;
  // The size of the picture in its file, upright. Equals the image's own size
  // unless the decoder reduced the picture towards a requested target size.
  int full_width = 0;
  int full_height = 0;
  int orientation = 1;           // EXIF orientation of the file (1..8), applied unless asked not to
  std::size_t encoded_size = 0;  // bytes of the file
};

// A decoded raster picture: pixels, palette and transparency, and where it came
// from. Copies are deep. A default-constructed Image is invalid (no pixels).
class Image {
 public:
  Image() = default;
  Image(const Image& other);
  Image& operator=(const Image& other);
  Image(Image&&) noexcept = default;
  Image& operator=(Image&&) noexcept = default;

  // Pixels left uninitialised, for decoders that fill every one. Empty when the
  // size is beyond the limits of image_limits.h or memory runs out.
  static std::optional<Image> allocate(int width, int height, PixelLayout layout);
  // A blank picture of 1, 4 or 8 bits per pixel (grey palette, every pixel index 0),
  // 24 (black) or 32 (transparent black).
  static std::optional<Image> create(int width, int height, int bits_per_pixel);
  // A picture of another size with this one's layout, palette, transparency,
  // resolution and origin; pixels uninitialised.
  std::optional<Image> allocate_like(int width, int height) const;

  bool is_valid() const { return pixels_ != nullptr; }
  int width() const { return width_; }
  int height() const { return height_; }
  PixelLayout layout() const { return layout_; }
  // 1, 4 or 8 for indexed pictures (by palette size), 24 for kBgrx, 32 for kBgra.
  int bits_per_pixel() const;
  int bytes_per_pixel() const { return layout_ == PixelLayout::kIndexed ? 1 : 4; }
  std::size_t stride() const { return static_cast<std::size_t>(width_) * bytes_per_pixel(); }
  std::uint8_t* data() { return pixels_.get(); }
  const std::uint8_t* data() const { return pixels_.get(); }
  std::uint8_t* row(int y) { return pixels_.get() + stride() * static_cast<std::size_t>(y); }
  const std::uint8_t* row(int y) const {
    return pixels_.get() + stride() * static_cast<std::size_t>(y);
  }

  // Palette of an indexed picture (at most 256 entries; empty otherwise).
  std::span<const RgbQuad> palette() const { return palette_; }
  void set_palette(std::vector<RgbQuad> palette);
  bool set_palette_colour(int index, RgbQuad colour);
  // The palette index drawn as transparent, -1 for none.
  int transparent_index() const { return transparent_index_; }
  bool set_transparent_index(int index);
  // The colour drawn as transparent in a picture without alpha, when there is one.
  std::optional<RgbQuad> transparent_colour() const { return transparent_colour_; }
  void set_transparent_colour(std::optional<RgbQuad> colour) { transparent_colour_ = colour; }
  bool has_alpha() const { return layout_ == PixelLayout::kBgra; }
  // Whether any pixel may be drawn transparent: alpha, a transparent index or colour.
  bool has_transparency() const;
  // Drops the alpha channel: every pixel becomes opaque with its colour.
  void remove_alpha();
  // Makes every pixel opaque as drawing the picture over `background` shows it:
  // translucent pixels are blended, transparent ones take the background. Pictures
  // with transparency become kBgrx; false when memory runs out.
  bool lay_over(RgbQuad background);

  // The colour of a pixel (palette looked up, alpha 255 unless the picture has
  // alpha or the pixel has the transparent index); a zero quad outside.
  RgbQuad pixel(int x, int y) const;
  // Sets a pixel; an indexed picture takes the nearest palette colour.
  bool set_pixel(int x, int y, RgbQuad colour);
  int nearest_palette_index(RgbQuad colour) const;

  // Converts the pixels to another layout. Indexed pictures expand through the
  // palette (the transparent index becoming alpha 0 in kBgra); kBgra to kBgrx drops
  // alpha. Converting to kIndexed is not offered (it needs a quantiser).
  bool convert_to(PixelLayout layout);
  // Indexed pictures become kBgra when they have a transparent index, else kBgrx;
  // others stay as they are. Used before arithmetic on colours.
  bool expand_to_colour();

  int x_dpi() const { return x_dpi_; }
  int y_dpi() const { return y_dpi_; }
  void set_resolution(int x_dpi, int y_dpi);

  ImageOrigin& origin() { return origin_; }
  const ImageOrigin& origin() const { return origin_; }

 private:
  int width_ = 0;
  int height_ = 0;
  PixelLayout layout_ = PixelLayout::kBgrx;
  std::unique_ptr<std::uint8_t[]> pixels_;
  std::vector<RgbQuad> palette_;
  int transparent_index_ = -1;
  std::optional<RgbQuad> transparent_colour_;
  int x_dpi_ = 96;
  int y_dpi_ = 96;
  ImageOrigin origin_;
};

}  // namespace pictavo
