#pragma once

#include <filesystem>
#include <memory>
#include <vector>

#include "effects/effect_set.h"
#include "model/photo_setting.h"
#include "model/preferences.h"
#include "model/slideshow.h"
#include "video/profile_group_list.h"

namespace pictavo {

// The one project of a run: its slideshows, the setting new photos copy, the
// transition templates and the output profiles, with the totals derived from them.
// It is emptied and refilled when the user starts or opens another project.
class Project {
 public:
  static constexpr int kMaxSlideshows = 50;

  // Seeds the process-wide effect generator with the time (tests reseed it after)
  // and takes the transition cover pictures from `program_folder`, which is also
  // the one its preferences start from (start_project).
  explicit Project(const std::filesystem::path& program_folder);
  Project(const Project&) = delete;
  Project& operator=(const Project&) = delete;

  std::vector<std::unique_ptr<Slideshow>> slideshows;  // display order
  // What every new photo copies; its TV system and folders are the project's.
  PhotoSetting default_setting;
  Preferences preferences;
  EffectSet effect_set;
  ProfileGroupList profiles;
  int current_slideshow = -1;  // -1 for none
  int total_frames = 0;        // sum over the slideshows
  float estimated_mb = 0;      // estimated output size
  bool list_changed = false;   // a slideshow was added, removed or moved
  // Structural changes since the last save; saving writes only when it is set.
  // Changes inside photos and tracks set the unsaved-changes flag instead.
  bool modified = false;
};

}  // namespace pictavo
