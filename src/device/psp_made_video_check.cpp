#include "device/psp_made_video_check.h"

#include "device/psp_video_check.h"

namespace pictavo {

std::vector<UserText> PspMadeVideoCheck::broken_rules(const std::filesystem::path& video) const {
  std::vector<UserText> broken;
  for (const PspRule& rule : check_psp_video(video).failures())
    broken.push_back(rule_line(rule));
  return broken;
}

}  // namespace pictavo
