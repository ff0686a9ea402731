#pragma once

#include <deque>
#include <filesystem>
#include <future>

#include "render/photo_decoder.h"
#include "render/render_context.h"

namespace pictavo {

// Decodes the coming photos of a preview on helper threads while the current one
// plays, so that a photo's first frame does not wait for a camera-sized JPEG. The
// renderers ask it as they would ask the decoder it wraps; a photo that was not
// fetched ahead, or at another size, is decoded on the spot.
class PrefetchingDecoder final : public PhotoDecoder {
 public:
  // `decoder` must outlive this one and be usable from several threads at once.
  explicit PrefetchingDecoder(const PhotoDecoder& decoder) : decoder_(decoder) {}
  ~PrefetchingDecoder() override;
  PrefetchingDecoder(const PrefetchingDecoder&) = delete;
  PrefetchingDecoder& operator=(const PrefetchingDecoder&) = delete;

  // Starts decoding `photo` at the size that a photo layer for `width` × `height`
  // frames asks for when it shows the photo for `frames` frames.
  void prefetch(const RenderPhoto& photo, int frames, int width, int height);

  std::optional<PhotoSize> probe(const std::filesystem::path& path) const override;
  // A photo fetched ahead at this size is taken from its fetch (and forgotten).
  FrameCanvas decode(const std::filesystem::path& path, int width, int height) const override;

 private:
  struct Fetch {
    std::filesystem::path path;
    int width = 0;
    int height = 0;
    std::future<FrameCanvas> picture;
  };

  const PhotoDecoder& decoder_;
  // Fetches not taken yet, oldest first; at most two (the photo shown next and the
  // one after it) are kept.
  mutable std::deque<Fetch> fetches_;
};

}  // namespace pictavo
