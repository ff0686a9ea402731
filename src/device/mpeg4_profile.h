#pragma once

#include <cstdint>
#include <span>
#include <string>

#include "base/result.h"

namespace pictavo {

// The profile an MPEG-4 video (of the DivX and Xvid kind) is coded in.
struct Mpeg4Profile {
  bool simple = false;  // Simple Profile, the one the PSP decodes
  std::string name;
};

// Reads the profile from the stream's decoder configuration (its extradata): the
// profile and level of the visual object sequence header, or without one the
// object type of the video object layer. A reason when it holds neither.
Result<Mpeg4Profile> mpeg4_profile(std::span<const std::uint8_t> configuration);

}  // namespace pictavo
