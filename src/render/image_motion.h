#pragma once

#include <cstdint>

#include "render/photo_layer.h"

namespace pictavo {

// The pan, zoom and rotate motions of a photo (ImageEffect ids 0 to 20) over its N
// frames, transition included. Stored projects and made videos depend on exactly
// this geometry, single-precision constants and truncations included.

// Sets w, h (the size the photo is resampled to), the start rectangle fx, fy, fw,
// fh and the increments d1, d2, dangle of `layer` for a photo of `photo_width` ×
// `photo_height` pixels shown for `frames` frames (W and H are the layer's). Ids
// outside 0 to 20 are set up as 20, a still photo.
void setup_image_effect(int effect, PhotoLayer& layer, int frames, int photo_width,
                        int photo_height);

// Moves the rectangle by one frame's increments, then draws frame `k` (the photo's
// own frame number, from 0) on the layer's canvas over `colour`.
void step_image_effect(PhotoLayer& layer, int k, int effect, std::uint32_t colour);

// Moves the rectangle by k frames' increments at once, then draws frame `k`:
// renderers that hold the incoming photo still during a transition of T frames
// call it once with T.
void advance_image_effect(PhotoLayer& layer, int k, int effect, std::uint32_t colour);

// True for the ids whose frames are all alike: 20, and every id outside 0 to 19.
bool is_still_image_effect(int effect);

// The rotation of frame k in degrees, clockwise on screen: k × dangle for the
// rotating effects 18 and 19, 0 for all others.
float image_effect_angle(const PhotoLayer& layer, int k, int effect);

}  // namespace pictavo
