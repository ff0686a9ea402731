#pragma once

#include "render/caption_picture.h"
#include "render/frame_canvas.h"

namespace pictavo {

// The photo on screen and its motion. The image effect (image_motion.h) sets the
// geometry up for each photo and moves the float rectangle frame by frame; every
// frame of the photo is drawn on `canvas`, which the renderers then compose.
struct PhotoLayer {
  PhotoLayer() = default;
  // A layer for frames of W × H pixels, its canvas made, everything else zero.
  PhotoLayer(int frame_width, int frame_height)
      : canvas(frame_width, frame_height), W(frame_width), H(frame_height) {}

  FrameCanvas photo;       // the photo resampled to w × h; replaced for each photo
  FrameCanvas canvas;      // W × H: the photo's current frame
  FrameCanvas backdrop;    // W × H behind the photo instead of the background colour, if valid
  CaptionPicture caption;  // laid over every frame of the photo, if valid
  int x = 0;               // where the photo sits inside `photo`: always 0, 0
  int y = 0;
  int w = 0;  // size of the resampled photo
  int h = 0;
  int W = 0;  // the frame size
  int H = 0;
  float fx = 0;  // current rectangle of the photo on `canvas`
  float fy = 0;
  float fw = 0;
  float fh = 0;
  float d1 = 0;  // per-frame increments: of fx, fy for pans, of fw, fh for zooms
  float d2 = 0;
  float dangle = 0;  // degrees of rotation per frame
};

}  // namespace pictavo
