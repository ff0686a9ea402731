#pragma once

#include "render/frame_canvas.h"

namespace pictavo {

// The photo's own picture scaled to cover a width × height frame, strongly blurred
// and darkened: drawn behind a photo that does not fill the frame instead of plain
// bars. Made once per photo; an invalid canvas when `photo` has no pixels.
FrameCanvas blurred_backdrop(const FrameCanvas& photo, int width, int height);

}  // namespace pictavo
