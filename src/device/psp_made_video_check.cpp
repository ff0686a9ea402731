#include "device/psp_made_video_check.h"

#include "device/psp_video_check.h"

namespace pictavo {

std::vector<std::string> PspMadeVideoCheck::broken_rules(const std::filesystem::path& video) const {
  std::vector<std::string> broken;
  for (const PspRule& rule : check_psp_video(video).failures())
    broken.push_back(rule.name + ": " + rule.reason);
  return broken;
}

}  // namespace pictavo
