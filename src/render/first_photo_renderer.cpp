#include <algorithm>

#include "render/caption_picture.h"
#include "render/emit_frame.h"
#include "render/frame_sink.h"
#include "render/image_motion.h"
#include "render/photo_decoder.h"
#include "render/transition_renderers.h"

namespace pictavo {

void draw_fitted_photo(RenderContext& context) {
  FrameCanvas& output = context.output;
  output.fill(background_colour(context));
  const RenderPhoto& photo = current_photo(context);
  const std::optional<PhotoSize> size =
      context.decoder != nullptr ? context.decoder->probe(photo.path) : std::nullopt;
  if (size && size->width > 0 && size->height > 0) {
    const float frame_width = static_cast<float>(output.width());
    const float frame_height = static_cast<float>(output.height());
    const float photo_width = static_cast<float>(size->width);
    const float photo_height = static_cast<float>(size->height);
    RectF rect;
    if (frame_height / frame_width < photo_height / photo_width) {
      rect.height = frame_height;
      rect.width = photo_width * frame_height / photo_height;
      rect.x = (frame_width - rect.width) * 0.5f;
    } else {
      rect.width = frame_width;
      rect.height = photo_height * frame_width / photo_width;
      rect.y = (frame_height - rect.height) * 0.5f;
    }
    const FrameCanvas picture = context.decoder->decode(
        photo.path, static_cast<int>(rect.width + 0.5f), static_cast<int>(rect.height + 0.5f));
    output.draw(picture, rect);
  }
  caption_picture(photo.caption, photo.caption_placement, output.width(), output.height())
      .draw_on(output);
}

int render_first_photo(RenderContext& context) {
  if (context.mode == RenderMode::kTransitionPreview) {
    draw_fitted_photo(context);
    if (context.window_surface != nullptr) context.window_surface->show(context.output);
    return 0;
  }
  load_photo_layer(context);
  context.last_tick = context.clock->now_ms();
  PhotoLayer& layer = context.layer;
  const int effect = current_image_effect(context);
  const std::uint32_t colour = background_colour(context);
  const int frames = context.frames_total;
  const int fade_frames = std::clamp(context.transition_frames, 1, std::max(frames, 1));
  const bool still = is_still_image_effect(effect);
  for (int c = 0; c < frames; ++c) {
    // After the fade a still photo is drawn once.
    const FrameChange change =
        still && c > fade_frames ? FrameChange::kUnchanged : FrameChange::kRedrawn;
    if (change == FrameChange::kRedrawn) {
      step_image_effect(layer, c, effect, colour);
      if (c < fade_frames) {
        context.output.fill(kOpaqueWhite);
        context.output.draw(layer.canvas, 0, 0,
                            static_cast<float>(c + 1) / static_cast<float>(fade_frames));
      } else {
        show_layer_frame(context);
      }
    }
    if (const int result = emit_frame(context, change); result != 0) return result;
  }
  return 0;
}

}  // namespace pictavo
