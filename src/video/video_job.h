#pragma once

#include <cstdint>
#include <functional>

#include "render/argb.h"

namespace pictavo {

class Event;
class PhotoDecoder;
class Slideshow;
struct OutputProfile;

// The request to make one slideshow's video, handed over by the make-video job.
// Everything it points to is borrowed, stays unchanged and outlives the run.
struct VideoJob {
  // The photos in order, each with its effect record; `video_path` (the file to
  // write), `music_path` (the prepared MP2 music) and `total_frames` (which scales
  // the progress).
  const Slideshow* slideshow = nullptr;
  // The current output profile: codecs, size, bitrates and frame rate.
  const OutputProfile* profile = nullptr;
  // Decodes the prepared photos.
  const PhotoDecoder* decoder = nullptr;
  // Called on the rendering thread after every frame with the progress, 0 to about
  // 65535 over the slideshow.
  std::function<void(int progress)> on_progress;
  // Set by another thread to cancel; tested without waiting after every frame.
  Event* stop_event = nullptr;
  // Behind photos that do not fill the frame.
  std::uint32_t background_argb = kOpaqueBlack;
  // A blurred, darkened copy of the photo behind it instead of the colour.
  bool blurred_background = false;
  // The music fades to silence over the video's last seconds; 0 cuts it short.
  int music_fade_out_seconds = 0;
};

}  // namespace pictavo
