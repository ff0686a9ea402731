#include "render/image_motion.h"

#include <algorithm>
#include <cstdlib>

#include "effects/image_effect.h"
#include "render/argb.h"

namespace pictavo {
namespace {

constexpr float kCoverFactor = 1.05f;  // pans move a photo 5 % larger than the frame
constexpr float kZoomShare = 0.25f;    // zooms change the size by a quarter
constexpr float kZoomOutStart = 1.25f;
constexpr double kRotationDegrees = 30.0;

bool is_rotation(int effect) {
  return effect == static_cast<int>(ImageEffect::kZoomInAndRotate) ||
         effect == static_cast<int>(ImageEffect::kZoomOutAndRotate);
}

// The photo covers the frame with 5 % to spare (pans), or fits inside it.
enum class Sizing { kCover, kFit };

void size_photo(PhotoLayer& layer, Sizing sizing, int photo_width, int photo_height) {
  const float ratio = static_cast<float>(photo_height) / static_cast<float>(photo_width);
  const bool taller_than_frame = static_cast<float>(layer.H) / static_cast<float>(layer.W) < ratio;
  if (sizing == Sizing::kCover) {
    if (taller_than_frame) {
      layer.h = static_cast<int>(layer.H * kCoverFactor);
      layer.w = static_cast<int>(layer.h / ratio);
    } else {
      layer.w = static_cast<int>(layer.W * kCoverFactor);
      layer.h = static_cast<int>(layer.w * ratio);
    }
  } else if (taller_than_frame) {
    layer.h = layer.H;
    layer.w = static_cast<int>(layer.H / ratio);
  } else {
    layer.w = layer.W;
    layer.h = static_cast<int>(layer.W * ratio);
  }
  // Never enlarged beyond its own pixels.
  if (photo_height < layer.h || photo_width < layer.w) {
    layer.w = photo_width;
    layer.h = photo_height;
  }
}

float per_frame(float distance, int frames) {
  return distance / static_cast<float>(frames);
}

void setup_pan(int effect, PhotoLayer& layer, int frames) {
  const float dx = per_frame(static_cast<float>(std::abs(layer.W - layer.w)), frames);
  const float dy = per_frame(static_cast<float>(std::abs(layer.H - layer.h)), frames);
  const int left = 0;
  const int right = layer.W - layer.w;
  const int top = 0;
  const int bottom = layer.H - layer.h;
  const int centre_x = (layer.W - layer.w) / 2;
  const int centre_y = (layer.H - layer.h) / 2;
  struct Start {
    int x, y;
    float d1, d2;
  };
  Start start{};
  switch (static_cast<ImageEffect>(effect)) {
    case ImageEffect::kPanLeftToRight:
      start = {left, centre_y, -dx, 0};
      break;
    case ImageEffect::kPanRightToLeft:
      start = {right, centre_y, dx, 0};
      break;
    case ImageEffect::kPanLeftDownToRightUp:
      start = {left, bottom, -dx, dy};
      break;
    case ImageEffect::kPanRightUpToLeftDown:
      start = {right, top, dx, -dy};
      break;
    case ImageEffect::kPanLeftUpToRightDown:
      start = {left, top, -dx, -dy};
      break;
    case ImageEffect::kPanRightDownToLeftUp:
      start = {right, bottom, dx, dy};
      break;
    case ImageEffect::kPanUpToDown:
      start = {centre_x, top, 0, -dy};
      break;
    default:  // kPanDownToUp
      start = {centre_x, bottom, 0, dy};
      break;
  }
  // A photo narrower than the frame starts centred; it still moves as the table says.
  if (layer.W - layer.w > 0) start = {centre_x, centre_y, start.d1, start.d2};
  layer.fx = static_cast<float>(start.x);
  layer.fy = static_cast<float>(start.y);
  layer.d1 = start.d1;
  layer.d2 = start.d2;
}

// Zooms 8 to 17 and the rotations: in or out by a quarter of the fitted size.
void setup_zoom(PhotoLayer& layer, int frames, bool zoom_out) {
  layer.d1 = per_frame(layer.w * kZoomShare, frames);
  layer.d2 = per_frame(layer.h * kZoomShare, frames);
  if (zoom_out) {
    layer.d1 = -layer.d1;
    layer.d2 = -layer.d2;
    layer.w = static_cast<int>(layer.w * kZoomOutStart);
    layer.h = static_cast<int>(layer.h * kZoomOutStart);
  }
  layer.fw = static_cast<float>(layer.w);
  layer.fh = static_cast<float>(layer.h);
}

void place_zoom(int anchor, PhotoLayer& layer) {
  const float right = layer.W - layer.fw;
  const float bottom = layer.H - layer.fh;
  switch (anchor) {
    case 0:  // centre
      layer.fx = right * 0.5f;
      layer.fy = bottom * 0.5f;
      break;
    case 1:  // left-up
      layer.fx = 0;
      layer.fy = 0;
      break;
    case 2:  // right-up
      layer.fx = right;
      layer.fy = 0;
      break;
    case 3:  // left-down
      layer.fx = 0;
      layer.fy = bottom;
      break;
    default:  // right-down
      layer.fx = right;
      layer.fy = bottom;
      break;
  }
}

// Applies `steps` frames' increments.
void move(PhotoLayer& layer, int effect, float steps) {
  const float d1 = steps * layer.d1;
  const float d2 = steps * layer.d2;
  switch (static_cast<ImageEffect>(effect)) {
    case ImageEffect::kPanLeftToRight:
    case ImageEffect::kPanRightToLeft:
      layer.fx += d1;
      break;
    case ImageEffect::kPanLeftDownToRightUp:
    case ImageEffect::kPanRightUpToLeftDown:
    case ImageEffect::kPanLeftUpToRightDown:
    case ImageEffect::kPanRightDownToLeftUp:
      layer.fx += d1;
      layer.fy += d2;
      break;
    case ImageEffect::kPanUpToDown:
    case ImageEffect::kPanDownToUp:
      layer.fy += d2;
      break;
    case ImageEffect::kZoomCenterIn:
    case ImageEffect::kZoomCenterOut:
      layer.fx -= d1 * 0.5f;
      layer.fy -= d2 * 0.5f;
      layer.fw += d1;
      layer.fh += d2;
      break;
    case ImageEffect::kZoomLeftUpIn:
    case ImageEffect::kZoomLeftUpOut:  // the top-left corner stays
      layer.fw += d1;
      layer.fh += d2;
      break;
    case ImageEffect::kZoomRightUpIn:
    case ImageEffect::kZoomRightUpOut:  // the top-right corner stays
      layer.fx -= d1;
      layer.fw += d1;
      layer.fh += d2;
      break;
    case ImageEffect::kZoomLeftDownIn:
    case ImageEffect::kZoomLeftDownOut:  // the bottom-left corner stays
      layer.fy -= d2;
      layer.fw += d1;
      layer.fh += d2;
      break;
    case ImageEffect::kZoomRightDownIn:
    case ImageEffect::kZoomRightDownOut:
    case ImageEffect::kZoomInAndRotate:
    case ImageEffect::kZoomOutAndRotate:  // the bottom-right corner stays
      layer.fx -= d1;
      layer.fy -= d2;
      layer.fw += d1;
      layer.fh += d2;
      break;
    default:  // still
      break;
  }
}

void draw_frame(PhotoLayer& layer, int k, int effect, std::uint32_t colour) {
  // Over black, the photo replaces the whole canvas in one pass: a large frame
  // is then written once instead of cleared and blended into.
  const bool on_black = !layer.backdrop.valid() && colour == kOpaqueBlack;
  if (layer.backdrop.valid())
    layer.canvas.draw(layer.backdrop, 0, 0);
  else if (!on_black)
    layer.canvas.fill(colour);
  const bool rotate = is_rotation(effect);
  if (rotate)
    layer.canvas.rotate_about(image_effect_angle(layer, k, effect), layer.W / 2, layer.H / 2);
  const RectF rect{layer.fx, layer.fy, layer.fw, layer.fh};
  if (on_black)
    layer.canvas.draw_on_black(layer.photo, rect);
  else
    layer.canvas.draw(layer.photo, rect);
  if (rotate) layer.canvas.reset_transform();
  // The caption belongs to the frame, not the photo: it neither moves nor turns.
  layer.caption.draw_on(layer.canvas);
}

}  // namespace

void setup_image_effect(int effect, PhotoLayer& layer, int frames, int photo_width,
                        int photo_height) {
  if (effect < 0 || effect > static_cast<int>(ImageEffect::kNone))
    effect = static_cast<int>(ImageEffect::kNone);
  // A photo of N = 0 frames is never drawn; one frame keeps the divisions finite.
  frames = std::max(frames, 1);
  layer.x = 0;
  layer.y = 0;
  layer.d1 = 0;
  layer.d2 = 0;
  layer.dangle = 0;
  if (photo_width <= 0 || photo_height <= 0) {
    layer.w = layer.h = 0;
    layer.fx = layer.fy = layer.fw = layer.fh = 0;
    return;
  }
  if (effect <= static_cast<int>(ImageEffect::kPanDownToUp)) {
    size_photo(layer, Sizing::kCover, photo_width, photo_height);
    layer.fw = static_cast<float>(layer.w);
    layer.fh = static_cast<float>(layer.h);
    setup_pan(effect, layer, frames);
    return;
  }
  size_photo(layer, Sizing::kFit, photo_width, photo_height);
  if (effect <= static_cast<int>(ImageEffect::kZoomRightDownOut)) {
    const bool zoom_out = effect >= static_cast<int>(ImageEffect::kZoomCenterOut);
    setup_zoom(layer, frames, zoom_out);
    place_zoom((effect - static_cast<int>(ImageEffect::kZoomCenterIn)) % 5, layer);
    return;
  }
  if (is_rotation(effect)) {
    const bool zoom_out = effect == static_cast<int>(ImageEffect::kZoomOutAndRotate);
    setup_zoom(layer, frames, zoom_out);
    layer.fx = (layer.W - layer.w) * 0.5f;
    layer.fy = (layer.H - layer.h) * 0.5f;
    layer.dangle = static_cast<float>((zoom_out ? -kRotationDegrees : kRotationDegrees) / frames);
    return;
  }
  layer.fx = static_cast<float>((layer.W - layer.w) / 2);
  layer.fy = static_cast<float>((layer.H - layer.h) / 2);
  layer.fw = static_cast<float>(layer.w);
  layer.fh = static_cast<float>(layer.h);
}

void step_image_effect(PhotoLayer& layer, int k, int effect, std::uint32_t colour) {
  move(layer, effect, 1.0f);
  draw_frame(layer, k, effect, colour);
}

void advance_image_effect(PhotoLayer& layer, int k, int effect, std::uint32_t colour) {
  move(layer, effect, static_cast<float>(k));
  draw_frame(layer, k, effect, colour);
}

bool is_still_image_effect(int effect) {
  return effect < 0 || effect >= static_cast<int>(ImageEffect::kNone);
}

float image_effect_angle(const PhotoLayer& layer, int k, int effect) {
  return is_rotation(effect) ? static_cast<float>(k) * layer.dangle : 0.0f;
}

}  // namespace pictavo
