#pragma once

#include "render/frame_canvas.h"

namespace pictavo {

// Where a preview's frames go: the preview window implements it. Called on the
// preview thread, once per frame, after pacing; the frame is valid only during
// the call.
class FrameSink {
 public:
  virtual ~FrameSink() = default;
  virtual void show(const FrameCanvas& frame) = 0;
};

}  // namespace pictavo
