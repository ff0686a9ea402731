#include "render/render_context.h"

#include <optional>
#include <string>
#include <utility>

#include "base/log.h"
#include "render/blurred_backdrop.h"
#include "render/i420.h"
#include "render/image_motion.h"
#include "render/photo_decoder.h"

namespace pictavo {

RenderContext::RenderContext(RenderMode render_mode, int width, int height)
    : mode(render_mode),
      output(width, height),
      frame_rect{0, 0, width, height},
      layer(width, height) {
  if (mode == RenderMode::kVideo) yuv.resize(i420_frame_size(width, height));
}

const RenderPhoto& current_photo(const RenderContext& context) {
  static const RenderPhoto kNoPhoto;
  if (context.job == nullptr || context.photo_index < 0 ||
      static_cast<std::size_t>(context.photo_index) >= context.job->photos.size())
    return kNoPhoto;
  return context.job->photos[static_cast<std::size_t>(context.photo_index)];
}

TransitionValues current_transition(const RenderContext& context) {
  return current_photo(context).transition;
}

int current_image_effect(const RenderContext& context) {
  return current_photo(context).image_effect;
}

std::uint32_t background_colour(const RenderContext& context) {
  return context.job != nullptr ? context.job->background_argb : kOpaqueBlack;
}

FrameCanvas snapshot(const RenderContext& context) {
  return context.output.copy();
}

void show_layer_frame(RenderContext& context) {
  std::swap(context.output, context.layer.canvas);
}

bool load_photo_layer(RenderContext& context) {
  PhotoLayer& layer = context.layer;
  const RenderPhoto& photo = current_photo(context);
  const int effect = photo.image_effect;
  layer.photo = FrameCanvas();
  layer.backdrop = FrameCanvas();
  layer.caption = caption_picture(photo.caption, photo.caption_placement, layer.W, layer.H);

  std::optional<PhotoSize> size;
  if (context.decoder != nullptr) size = context.decoder->probe(photo.path);
  FrameCanvas decoded;
  if (size) {
    setup_image_effect(effect, layer, context.frames_total, size->width, size->height);
    decoded = context.decoder->decode(photo.path, layer.w, layer.h);
  }
  if (!decoded.valid()) {
    setup_image_effect(effect, layer, context.frames_total, 0, 0);
    write_log("Cannot load photo " + photo.path.string());
    return false;
  }
  if (decoded.width() == layer.w && decoded.height() == layer.h) {
    layer.photo = std::move(decoded);
  } else {
    layer.photo = FrameCanvas(layer.w, layer.h);
    layer.photo.draw(decoded, RectF{static_cast<float>(layer.x), static_cast<float>(layer.y),
                                    static_cast<float>(layer.w), static_cast<float>(layer.h)});
  }
  const bool leaves_bars = layer.w < layer.W || layer.h < layer.H;
  if (leaves_bars && context.job != nullptr && context.job->blurred_background)
    layer.backdrop = blurred_backdrop(layer.photo, layer.W, layer.H);
  return true;
}

}  // namespace pictavo
