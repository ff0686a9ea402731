#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "video/video_job.h"

namespace pictavo {

// Makes the video of one slideshow: loads the encoder module of the program folder,
// starts it with the profile's settings, renders every frame (the first photo fades
// in from white for one second, then each further photo comes in by its own
// transition and moves by its image effect) and hands each frame to the encoder,
// reporting progress and testing the stop event after every one. The encoder is
// closed and unloaded on every path once it was started.
//
// Returns 0 when every frame was encoded and the file completed; 1 when the run
// could not be set up (no photos, the module missing or lacking an entry, no
// profile, a frame size or frame rate the program does not make), with the reason
// in `failure` when given; 2 when stopped through the stop event (the frames handed
// over so far make a complete, shorter video); any other value is the encoder
// module's error code.
//
// Runs on the caller's thread; one run at a time.
int make_slideshow_video(const VideoJob& job, std::string* failure = nullptr);

// The frames of that video without an encoder module: `width` × `height` (even),
// `frame_rate` frames per second of slideshow time, each handed as I420 to `encode_frame`,
// whose first non-zero result ends the run and is returned. 2 when stopped, 1
// without photos or when the frames cannot be allocated, else 0.
int render_slideshow_frames(const VideoJob& job, int width, int height, float frame_rate,
                            std::function<int(const std::uint8_t* i420)> encode_frame);

}  // namespace pictavo
