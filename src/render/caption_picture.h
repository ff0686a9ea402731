#pragma once

#include <string_view>

#include "model/photo_caption.h"
#include "render/frame_canvas.h"

namespace pictavo {

// A photo's caption, drawn once per photo and laid over each of its frames.
struct CaptionPicture {
  // Lays the caption over a frame; nothing without one.
  void draw_on(FrameCanvas& frame) const {
    if (picture.valid()) frame.draw(picture, x, y);
  }

  FrameCanvas picture;  // kArgb32: white text with a dark outline, nothing around it
  float x = 0;          // where it stands in the frame
  float y = 0;
};

// `text` for frames of `frame_width` × `frame_height`: its letters a fixed share of
// the frame's shorter side (capitals 14 px high in a 272-line frame), centred, on
// at most two lines no wider than the frame and cut with "…" past them, near the
// bottom or the top edge. No picture for empty text.
CaptionPicture caption_picture(std::string_view text, CaptionPlacement placement, int frame_width,
                               int frame_height);

}  // namespace pictavo
