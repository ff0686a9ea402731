#include "model/screen_aspect.h"

#include "model/project.h"
#include "profiles/output_profile.h"
#include "profiles/video_size_table.h"

namespace pictavo {

int screen_aspect(int aspect_ratio, const OutputProfile* profile) {
  if (profile == nullptr || profile->for_psp())
    return aspect_ratio == kAspectSixteenNine ? kAspectSixteenNine : kAspectFourThree;
  const VideoSize* size = find_video_size(profile->value(ProfileParameterId::kVideoSize));
  return size != nullptr && size->height > size->width ? kAspectNineSixteen : kAspectSixteenNine;
}

int screen_aspect(const Project& project) {
  return screen_aspect(project.preferences.aspect_ratio, project.profiles.current_profile());
}

}  // namespace pictavo
