#pragma once

#include "render/photo_decoder.h"

namespace pictavo {

// The program's photos, decoded by the image layer: the type comes from the file's
// extension (or its content), EXIF-rotated photos come out upright, and a JPEG is
// reduced by its DCT scaling while it is decoded when the renderers need less.
class ImageLayerPhotos final : public PhotoDecoder {
 public:
  std::optional<PhotoSize> probe(const std::filesystem::path& path) const override;
  FrameCanvas decode(const std::filesystem::path& path, int width, int height) const override;
};

}  // namespace pictavo
