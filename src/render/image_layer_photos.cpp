#include "render/image_layer_photos.h"

#include <cstring>

#include "image/image_file.h"
#include "image/image_format.h"

namespace pictavo {

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
  // Translucent pixels are laid over black, as drawing them into a fresh opaque
  // frame does.
  if (!image->expand_to_colour() || !image->lay_over(rgb(0, 0, 0))) return FrameCanvas();

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
