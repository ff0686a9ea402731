#include "render/image_layer_photos.h"

#include <cstring>

#include "render/image_file.h"
#include "render/image_format.h"

namespace pictavo {
namespace {

// Translucent pixels are laid over black, as drawing them into a fresh opaque
// frame does.
void lay_over_black(Image& image) {
  for (int y = 0; y < image.height(); ++y) {
    std::uint8_t* pixel = image.row(y);
    for (int x = 0; x < image.width(); ++x, pixel += 4) {
      const unsigned alpha = pixel[3];
      for (int c = 0; c < 3; ++c)
        pixel[c] = static_cast<std::uint8_t>((pixel[c] * alpha + 127) / 255);
      pixel[3] = 255;
    }
  }
}

}  // namespace

std::optional<PhotoSize> ImageLayerPhotos::probe(const std::filesystem::path& path) const {
  const Result<ImageInfo> info = probe_image_file(path, image_type_of(path));
  if (!info) return std::nullopt;
  return PhotoSize{info->width, info->height};
}

FrameCanvas ImageLayerPhotos::decode(const std::filesystem::path& path, int width,
                                     int height) const {
  DecodeOptions options;
  options.target = TargetSize{width, height, /*cover=*/true};
  Result<Image> image = load_image(path, image_type_of(path), options);
  if (!image) return FrameCanvas();
  if (!image->expand_to_colour()) return FrameCanvas();
  if (image->layout() == PixelLayout::kBgra) lay_over_black(*image);

  FrameCanvas canvas(image->width(), image->height());
  if (!canvas.valid()) return canvas;
  std::uint8_t* target = canvas.mutable_pixels();
  for (int y = 0; y < image->height(); ++y) {
    std::memcpy(target + static_cast<std::size_t>(canvas.stride()) * static_cast<std::size_t>(y),
                image->row(y), image->stride());
  }
  canvas.pixels_changed();
  return canvas;
}

}  // namespace pictavo
