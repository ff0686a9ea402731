#pragma once

#include "video/made_video_check.h"

namespace pictavo {

// The check a make-video job runs on each video it made: the PSP's rules of
// psp_video_check.h, each broken one as "name: reason".
class PspMadeVideoCheck final : public MadeVideoCheck {
 public:
  std::vector<UserText> broken_rules(const std::filesystem::path& video) const override;
};

}  // namespace pictavo
