#include "video/prefetching_decoder.h"

#include <system_error>

#include "render/image_motion.h"
#include "render/photo_layer.h"

namespace pictavo {

PrefetchingDecoder::~PrefetchingDecoder() {
  for (Fetch& fetch : fetches_)
    fetch.picture.wait();
}

void PrefetchingDecoder::prefetch(const RenderPhoto& photo, int frames, int width, int height) {
  const std::optional<PhotoSize> size = decoder_.probe(photo.path);
  if (!size) return;
  // The size load_photo_layer will ask for, worked out the same way.
  PhotoLayer layer;
  layer.W = width;
  layer.H = height;
  setup_image_effect(photo.image_effect, layer, frames, size->width, size->height);
  if (fetches_.size() == 2) {
    fetches_.front().picture.wait();
    fetches_.pop_front();
  }
  try {
    const int w = layer.w;
    const int h = layer.h;
    std::future<FrameCanvas> picture =
        std::async(std::launch::async,
                   [this, path = photo.path, w, h] { return decoder_.decode(path, w, h); });
    fetches_.push_back({photo.path, w, h, std::move(picture)});
  } catch (const std::system_error&) {
    // Without a helper thread the photo is decoded when it is shown.
  }
}

std::optional<PhotoSize> PrefetchingDecoder::probe(const std::filesystem::path& path) const {
  return decoder_.probe(path);
}

FrameCanvas PrefetchingDecoder::decode(const std::filesystem::path& path, int width,
                                       int height) const {
  for (auto fetch = fetches_.begin(); fetch != fetches_.end(); ++fetch) {
    if (fetch->path == path && fetch->width == width && fetch->height == height) {
      FrameCanvas picture = fetch->picture.get();
      fetches_.erase(fetch);
      return picture;
    }
  }
  return decoder_.decode(path, width, height);
}

}  // namespace pictavo
