#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "base/user_text.h"

namespace pictavo {

// One thing the PSP's video player asks of a file, and how the file fares.
struct PspRule {
  UserText name;  // "container", "video codec", "level", ...
  bool passed = false;
  UserText reason;  // what the file has, and on failure what the PSP needs
};

// "frame size: 640x480; the PSP needs ...".
UserText rule_line(const PspRule& rule);

// Whether a video will play on the PSP, rule by rule.
struct PspVideoCheck {
  std::vector<PspRule> rules;
  bool readable = false;  // FFmpeg read the file as media: it is some kind of video

  bool plays() const;
  std::vector<PspRule> failures() const;
};

// Checks a video against what the PSP's player takes: an MP4 of the PSP's brand;
// H.264 Baseline or Main profile up to level 2.1 with at most two reference frames
// and one slice a picture, or MPEG-4 Simple Profile; at most 480 x 272 in
// multiples of 16 at 29.97 frames a second or fewer; AAC-LC at 24 or 48 kHz in
// stereo; under 4 GB; and a 160 x 120 baseline JPEG thumbnail beside it (same
// name, .THM). The headers are read from the file, never decoded. A rule for a
// stream the file lacks fails; a file that cannot be read as media fails as such.
PspVideoCheck check_psp_video(const std::filesystem::path& video);

}  // namespace pictavo
