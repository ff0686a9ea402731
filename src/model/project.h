#pragma once

#include <filesystem>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "effects/effect_set.h"
#include "model/front_end.h"
#include "model/photo_setting.h"
#include "model/preferences.h"
#include "model/slideshow.h"
#include "profiles/profile_group_list.h"

namespace pictavo {

// The one project of a run: its slideshows, the setting new photos copy, the
// transition templates and the output profiles, with the totals derived from them.
// It is emptied and refilled when the user starts or opens another project.
//
// Slideshow operations with an index outside the list return 1 and change nothing.
// Messages go through `front_end`; the project shows nothing itself.
class Project {
 public:
  static constexpr int kMaxSlideshows = 50;
  // Estimated sizes in megabytes: above the first the user is warned, above the
  // second no more photos are taken.
  static constexpr float kWarningMegabytes = 4000;
  static constexpr float kLimitMegabytes = 4500;

  // Seeds the process-wide effect generator with the time (tests reseed it after)
  // and takes the transition cover pictures from `program_folder`, which is also
  // the one its preferences start from (start_project).
  explicit Project(const std::filesystem::path& program_folder);
  Project(const Project&) = delete;
  Project& operator=(const Project&) = delete;

  // "Slideshow_N" for the first N, counting up from the number of slideshows, that
  // no slideshow bears.
  std::string make_default_slideshow_name() const;
  // Appends a slideshow named `name` (cut to 15 characters) in the working folder
  // and makes it current. Refused (1): a name some slideshow bears, an empty name,
  // and a 51st slideshow, which is also shown as the limit message.
  int add_slideshow(std::string_view name);
  // Gives the slideshow at `index` the name `name` (cut to 15 characters). Refused
  // (1): a bad index, an empty name and a name another slideshow bears; the caller
  // shows the refusal, as for a new slideshow.
  int rename_slideshow(int index, std::string_view name);
  int remove_slideshow(int index);
  // Swap with the neighbour; the current index stays on the slideshow it named.
  int move_slideshow_up(int index);
  int move_slideshow_down(int index);
  void remove_all_slideshows();
  // Takes the slideshow at `index` out, as remove_slideshow does, for an undo to
  // put back; null for a bad index.
  std::unique_ptr<Slideshow> take_slideshow(int index);
  // Puts `slideshow` at `index` (clamped into the list) and makes it current.
  void insert_slideshow(int index, std::unique_ptr<Slideshow> slideshow);
  // Whether some slideshow bears exactly `name`.
  bool has_slideshow(std::string_view name) const;
  // The index of the slideshow `id` names; -1 when it is not in the project.
  int slideshow_index(ModelId id) const;
  // The slideshow `id` names; null when it is not in the project.
  Slideshow* find_slideshow(ModelId id) const;
  // The source files of the photos marked missing, in slideshow order.
  std::vector<std::filesystem::path> missing_photos() const;
  // The current slideshow; null without slideshows.
  Slideshow* current();
  // The slideshow whose tracks every video plays: the first; null without any.
  Slideshow* music_slideshow() const {
    return slideshows.empty() ? nullptr : slideshows.front().get();
  }

  int slideshow_count() const { return static_cast<int>(slideshows.size()); }
  int photo_count() const;

  // Every photo takes the default display and transition times, keeping its motion
  // and transition; lengths and totals follow. Refused (false) when the videos
  // would pass kLimitMegabytes: then every photo keeps the times it had.
  bool apply_default_times_to_all();
  // Every photo takes the project's TV system; lengths and totals follow.
  void apply_tv_system_to_all();

  // Sums the slideshows' lengths and, with a current output profile, estimates the
  // size from its two bitrates: (video + audio kb/s) × 1.05 / 8192 MB per second,
  // in single precision. Shows the size warning above kWarningMegabytes and tells
  // the front end (kTotalsChanged).
  void update_totals();
  // The same sums and estimate without the warning and the notice.
  void recompute_totals();
  // The settings changed (the screen shape, the preferences, times applied to
  // every photo): the totals follow, without the size warning, which belongs to
  // the edit that made the videos larger, and the front end is told.
  void settings_changed();
  bool over_hard_limit() const { return estimated_mb > kLimitMegabytes; }
  // Whether a save would write: structural changes or unsaved photo-level ones.
  bool has_changes() const;
  // The total length in whole seconds: the slideshows' lengths added up.
  int total_seconds() const;
  // The frames per second the videos will have: the current profile's, which for
  // phones and TVs is no TV system's, else the project's TV system's.
  float video_frame_rate() const;

  // Points every slideshow's video at the output folder with the current profile's
  // extension; nothing without a current profile.
  void set_video_outputs();
  // The music of the videos: the first slideshow's joined music when it has
  // tracks, else the silent track; empty without slideshows.
  std::filesystem::path music_path() const;
  // Every other slideshow plays the first one's joined music.
  void share_first_music();

  std::vector<std::unique_ptr<Slideshow>> slideshows;  // display order
  // What every new photo copies; its TV system and folders are the project's.
  PhotoSetting default_setting;
  Preferences preferences;
  EffectSet effect_set;
  ProfileGroupList profiles;
  FrontEnd front_end;
  int current_slideshow = -1;  // -1 for none
  int total_frames = 0;        // the videos' frames, at video_frame_rate()
  float estimated_mb = 0;      // estimated output size
  // The videos must be made again: a slideshow was added, removed or moved, or the
  // screen ratio changed.
  bool list_changed = false;
  // Structural changes since the last save. Changes inside photos and tracks set
  // the unsaved-changes flag instead; saving writes when either is set.
  bool modified = false;

 private:
  bool is_slideshow_index(int index) const;
  // Renumbers the slideshows, marks the list changed and tells the front end.
  void slideshows_changed(ProjectChange::Kind kind, ModelId slideshow, int index);
  void update_all_lengths();
};

}  // namespace pictavo
