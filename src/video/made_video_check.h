#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "base/user_text.h"

namespace pictavo {

// Looks at each video a make-video job has made for what would keep it from
// playing. The front ends hand the job the PSP's check of the device layer, which
// comes after this one. Called on the job's thread, one video at a time.
class MadeVideoCheck {
 public:
  virtual ~MadeVideoCheck() = default;
  // Each rule the video breaks in plain words ("frame size: 640x480; the PSP
  // needs ..."); empty when it will play.
  virtual std::vector<UserText> broken_rules(const std::filesystem::path& video) const = 0;
};

// A video that was made but will not play, with the rules it breaks.
struct UnplayableVideo {
  std::filesystem::path video;
  std::vector<UserText> broken_rules;

  bool operator==(const UnplayableVideo&) const = default;
};

}  // namespace pictavo
