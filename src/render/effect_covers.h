#pragma once

#include <filesystem>
#include <vector>

#include "effects/transition_type.h"
#include "render/frame_canvas.h"
#include "render/photo_decoder.h"

namespace pictavo {

// The picture the transition pickers show for one entry.
struct EffectCover {
  TransitionType type;
  FrameCanvas picture;  // invalid for a transition that cannot be rendered yet
};

// The covers of the 19 picker entries in picker order (Random first), each
// `width` × `height`: a transition's cover is a frame from the middle of it, at
// its default parameters, from picture `from` into picture `to`; Random's shows
// four transitions, one in each quarter. Empty when either picture cannot be decoded.
std::vector<EffectCover> render_effect_covers(const PhotoDecoder& decoder,
                                              const std::filesystem::path& from,
                                              const std::filesystem::path& to, int width,
                                              int height);

}  // namespace pictavo
