#pragma once

#include <atomic>
#include <cstdint>
#include <filesystem>
#include <string>
#include <thread>

#include "base/event.h"
#include "effects/image_effect.h"
#include "model/photo_caption.h"
#include "render/argb.h"
#include "render/frame_sink.h"
#include "render/preview_clock.h"

namespace pictavo {

class MusicPlayer;
class PhotoDecoder;
class Slideshow;
struct RenderContext;
struct RenderJob;
class TransitionParams;

enum class PreviewKind { kTransition, kSlideshow };

// The preview window's side of a preview. Every call comes on the preview thread
// and must return without waiting for the owner's thread, which joins the preview
// thread when it stops a preview: frames are handed on, never shown in the call.
class PreviewObserver : public FrameSink {
 public:
  // Preview `run` has shown its last picture (the "from" picture, or photo 0 of a
  // slideshow) and ends; `stopped` when stop_preview ended it early.
  virtual void preview_ended(PreviewKind kind, int run, bool stopped) = 0;
};

// One transition between two pictures, then the incoming picture's motion alone.
struct PreviewSize {
  int width = 0;
  int height = 0;
};

struct TransitionPreviewRequest {
  int tv_standard = 1;  // 0 NTSC (30 frames a second, 33 ms), 1 PAL (25, 40 ms)
  int aspect = 0;       // the screen's (model/screen_aspect.h): 4:3, 16:9 or 9:16
  std::filesystem::path from_path;
  std::filesystem::path to_path;
  // ImageEffect id; 21 (random) is drawn when the preview starts.
  int image_effect = static_cast<int>(ImageEffect::kNone);
  int display_seconds = 3;
  const TransitionParams* transition = nullptr;  // read when the preview starts
  int transition_seconds = 2;
  // The photos' captions; none when empty.
  std::string from_caption;
  std::string to_caption;
  CaptionPlacement caption_placement = CaptionPlacement::kBottom;
  // The frames' size; nothing for the aspect's preview size.
  PreviewSize size;
  std::uint32_t background_argb = kOpaqueBlack;
};

// A whole slideshow with its music.

struct SlideshowPreviewRequest {
  int tv_standard = 1;
  const Slideshow* slideshow = nullptr;  // copied when the preview starts
  // The preview plays from this photo on, the music from where the photo comes in.
  int first_photo = 0;
  // The slideshow whose tracks play: the project's first, whose music every video
  // plays. Null plays none.
  const Slideshow* music = nullptr;
  int aspect = 0;  // as in TransitionPreviewRequest
  // The frames' size; nothing for the aspect's preview size.
  PreviewSize size;
  std::uint32_t background_argb = kOpaqueBlack;
};

// 224 × 168 for 4:3, 224 × 126 for 16:9.
PreviewSize preview_size(int aspect);
// `size` when it is set, else the aspect's preview size.
PreviewSize frame_size_or_preview(PreviewSize size, int aspect);
// 40 ms for PAL, 33 ms for NTSC.
int preview_frame_interval(int tv_standard);

// Plays one preview at a time on a thread of its own, through the video maker's
// renderers, into the observer. Every call is made on the owner's thread, which
// also owns the music player. Starting a preview stops the one that runs; a stop
// returns once the preview thread has ended, whether the stop ended it or it was
// ending by itself.
class PreviewPlayer {
 public:
  // `decoder`, `observer`, `music` (may be null) and `clock` must outlive the player.
  PreviewPlayer(const PhotoDecoder& decoder, PreviewObserver& observer,
                MusicPlayer* music = nullptr, PreviewClock& clock = steady_preview_clock());
  ~PreviewPlayer();
  PreviewPlayer(const PreviewPlayer&) = delete;
  PreviewPlayer& operator=(const PreviewPlayer&) = delete;

  // Shows the "from" picture, plays the transition and the motion, and shows the
  // "from" picture again at the end. 0, or 1 when no thread could be started.
  int start_transition_preview(const TransitionPreviewRequest& request);
  // After one second (for the music, started now on the request's tracks), plays
  // the slideshow and shows photo 0 at the end. 1 and nothing started while a stop
  // is in progress, for a slideshow without photos, or when no thread starts.
  int start_slideshow_preview(const SlideshowPreviewRequest& request);
  void stop_preview();
  // Silences the music, then stops the preview.
  void stop_slideshow_preview();
  // The owner's answer to the end of slideshow preview `run`, on its own thread:
  // stops the music unless a later preview has started it again since.
  void slideshow_preview_ended(int run);

  bool running() const { return running_; }
  bool stopping() const { return stopping_; }
  // The number of the latest run, from 1.
  int run() const { return run_; }

 private:
  template <typename Body>
  int start(Body&& body);
  // Points the context at the job, this player's window, stop event and clock, and
  // the frame interval of the TV standard.
  void bind(RenderContext& context, const RenderJob& job, int tv_standard);

  const PhotoDecoder& decoder_;
  PreviewObserver& observer_;
  MusicPlayer* music_;
  PreviewClock& clock_;
  Event stop_;
  std::thread thread_;
  std::atomic<bool> running_ = false;
  std::atomic<bool> stopping_ = false;
  int run_ = 0;
};

}  // namespace pictavo
