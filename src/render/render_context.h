#pragma once

#include <cstdint>
#include <filesystem>
#include <functional>
#include <span>
#include <string>
#include <vector>

#include "effects/image_effect.h"
#include "effects/transition_form.h"
#include "model/photo_caption.h"
#include "render/argb.h"
#include "render/frame_canvas.h"
#include "render/photo_layer.h"
#include "render/preview_clock.h"

namespace pictavo {

class Event;
class FrameSink;
class PhotoDecoder;

enum class RenderMode : int {
  kTransitionPreview = 0,  // one transition between two pictures, in a window
  kSlideshowPreview = 1,   // a whole slideshow, in a window
  kVideo = 2,              // frames to the encoder
};

// One photo as the renderers need it.
struct RenderPhoto {
  std::filesystem::path path;  // the prepared picture
  int image_effect = static_cast<int>(ImageEffect::kNone);
  int transition_type = 0;        // the transition that brings this photo in
  TransitionValues transition{};  // its parameters
  std::string caption{};          // written over every frame of the photo; none when empty
  CaptionPlacement caption_placement = CaptionPlacement::kBottom;
};

// What the caller renders and how it hears of progress. For a transition preview
// the photos are the picture shown before (0) and the one brought in (1).
struct RenderJob {
  std::span<const RenderPhoto> photos;
  // Video making: called after every frame with the progress, 0 to about 65535.
  std::function<void(int progress)> on_progress;
  std::uint32_t background_argb = kOpaqueBlack;  // behind photos that do not fill the frame
  // Behind such photos a blurred, darkened copy of the photo instead of the colour.
  bool blurred_background = false;
};

struct FrameRect {
  int x = 0;
  int y = 0;
  int width = 0;
  int height = 0;
};

// The state handed to every renderer, built by the video maker or a preview
// thread and used by one thread at a time. The canvases and the frame buffer are
// made once, before the first photo; nothing is allocated per frame.
struct RenderContext {
  // Canvases of `width` × `height` (even sizes for video), and the I420 buffer in
  // video mode. Everything else is set by the caller.
  RenderContext(RenderMode mode, int width, int height);

  RenderMode mode;
  FrameCanvas output;    // the frame being composed; on a renderer's entry, the last one shown
  FrameRect frame_rect;  // 0, 0, W, H
  FrameSink* window_surface = nullptr;  // previews: where frames are shown
  int photo_index = 0;
  int frames_total = 0;         // N: frames of the current photo, its transition included
  int transition_frames = 0;    // T: the first T of them bring the photo in
  Event* stop_event = nullptr;  // tested without waiting after every frame
  std::uint32_t last_tick = 0;  // previews: when the last frame was shown, in ms
  int frame_interval = 0;       // previews: ms between frames
  PreviewClock* clock = &steady_preview_clock();  // previews: what last_tick is read from
  PhotoLayer layer;
  // Video making: takes one I420 frame; any result but 0 ends the slideshow.
  std::function<int(const std::uint8_t* i420)> encode_frame;
  double progress = 0;
  double progress_step = 0;  // 65535 / the slideshow's frame count
  const RenderJob* job = nullptr;
  const PhotoDecoder* decoder = nullptr;
  std::vector<std::uint8_t> yuv;  // video making: the frame handed to encode_frame
};

// The photo being rendered and its choices.
const RenderPhoto& current_photo(const RenderContext& context);
TransitionValues current_transition(const RenderContext& context);
int current_image_effect(const RenderContext& context);
std::uint32_t background_colour(const RenderContext& context);

// The picture on screen when a transition starts: a copy of `output`.
FrameCanvas snapshot(const RenderContext& context);

// Makes the photo layer's current frame the output, exactly as drawing it there
// would, by trading the two canvases (both W × H) instead of copying a frame's
// pixels; the layer's canvas is drawn anew before anything reads it again.
void show_layer_frame(RenderContext& context);

// Prepares the layer for photo `photo_index` with N = `frames_total`: the motion set
// up and the photo resampled to its size. A photo that cannot be decoded leaves an
// empty picture, so its frames show the background colour and the slideshow keeps
// its length; the failure is logged and reported as false.
bool load_photo_layer(RenderContext& context);

}  // namespace pictavo
