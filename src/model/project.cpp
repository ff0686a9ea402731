#include "model/project.h"

#include <algorithm>
#include <climits>
#include <utility>

#include "base/text_number.h"
#include "effects/random_generator.h"
#include "model/frame_count.h"
#include "model/frame_rate.h"
#include "model/photo_durations.h"
#include "model/project_messages.h"
#include "model/unsaved_changes.h"
#include "profiles/encoder_parameters.h"

namespace pictavo {

Project::Project(const std::filesystem::path& program_folder) : effect_set(program_folder) {
  preferences.program_folder = program_folder;
  seed_effect_random_with_time();
}

bool Project::is_slideshow_index(int index) const {
  return index >= 0 && index < slideshow_count();
}

void Project::slideshows_changed(ProjectChange::Kind kind, ModelId slideshow, int index) {
  list_changed = true;
  modified = true;
  for (std::size_t i = 0; i < slideshows.size(); ++i)
    slideshows[i]->number = static_cast<int>(i);
  front_end.notify({kind, slideshow, index});
}

std::string Project::make_default_slideshow_name() const {
  for (int n = slideshow_count();; ++n) {
    std::string name = "Slideshow_" + std::to_string(n);
    if (!has_slideshow(name)) return name;
  }
}

int Project::add_slideshow(std::string_view given_name) {
  const std::string name = Slideshow::fit_name(given_name);
  modified = true;
  if (has_slideshow(name) || name.empty()) return 1;
  if (slideshow_count() >= kMaxSlideshows) {
    front_end.show(slideshow_limit_message(kMaxSlideshows));
    return 1;
  }
  auto slideshow = std::make_unique<Slideshow>(name, preferences.working_folder);
  slideshow->attach(&front_end);
  slideshows.push_back(std::move(slideshow));
  current_slideshow = slideshow_count() - 1;
  slideshows_changed(ProjectChange::Kind::kSlideshowAdded, slideshows.back()->id(),
                     current_slideshow);
  return 0;
}

int Project::rename_slideshow(int index, std::string_view given_name) {
  if (!is_slideshow_index(index)) return 1;
  const std::string name = Slideshow::fit_name(given_name);
  Slideshow& slideshow = *slideshows[static_cast<std::size_t>(index)];
  if (name == slideshow.name()) return 0;
  if (has_slideshow(name) || name.empty()) return 1;
  slideshow.rename(name);
  modified = true;
  return 0;
}

int Project::remove_slideshow(int index) {
  return take_slideshow(index) ? 0 : 1;
}

std::unique_ptr<Slideshow> Project::take_slideshow(int index) {
  if (!is_slideshow_index(index)) return nullptr;
  std::unique_ptr<Slideshow> slideshow = std::move(slideshows[static_cast<std::size_t>(index)]);
  slideshows.erase(slideshows.begin() + index);
  if (current_slideshow >= index && current_slideshow != 0) --current_slideshow;
  if (slideshows.empty()) current_slideshow = -1;
  slideshows_changed(ProjectChange::Kind::kSlideshowRemoved, slideshow->id(), index);
  return slideshow;
}

void Project::insert_slideshow(int index, std::unique_ptr<Slideshow> slideshow) {
  if (!slideshow) return;
  const int at = std::clamp(index, 0, slideshow_count());
  slideshow->attach(&front_end);
  const ModelId id = slideshow->id();
  slideshows.insert(slideshows.begin() + at, std::move(slideshow));
  current_slideshow = at;
  slideshows_changed(ProjectChange::Kind::kSlideshowAdded, id, at);
}

int Project::move_slideshow_up(int index) {
  if (!is_slideshow_index(index)) return 1;
  if (index == 0) return 0;
  return move_slideshow_down(index - 1);
}

int Project::move_slideshow_down(int index) {
  if (!is_slideshow_index(index)) return 1;
  if (index + 1 == slideshow_count()) return 0;
  std::swap(slideshows[static_cast<std::size_t>(index)],
            slideshows[static_cast<std::size_t>(index + 1)]);
  if (current_slideshow == index) {
    current_slideshow = index + 1;
  } else if (current_slideshow == index + 1) {
    current_slideshow = index;
  }
  slideshows_changed(ProjectChange::Kind::kSlideshowsMoved, 0, index);
  return 0;
}

void Project::remove_all_slideshows() {
  while (!slideshows.empty())
    remove_slideshow(0);
}

bool Project::has_slideshow(std::string_view name) const {
  return std::any_of(slideshows.begin(), slideshows.end(),
                     [&](const auto& slideshow) { return slideshow->name() == name; });
}

int Project::slideshow_index(ModelId id) const {
  const auto found = std::find_if(slideshows.begin(), slideshows.end(),
                                  [id](const auto& slideshow) { return slideshow->id() == id; });
  return found == slideshows.end() ? -1 : static_cast<int>(found - slideshows.begin());
}

Slideshow* Project::find_slideshow(ModelId id) const {
  const int index = slideshow_index(id);
  return index < 0 ? nullptr : slideshows[static_cast<std::size_t>(index)].get();
}

std::vector<std::filesystem::path> Project::missing_photos() const {
  std::vector<std::filesystem::path> missing;
  for (const auto& slideshow : slideshows) {
    for (const auto& photo : slideshow->photos) {
      if (photo->missing) missing.push_back(photo->source_path);
    }
  }
  return missing;
}

Slideshow* Project::current() {
  return is_slideshow_index(current_slideshow)
             ? slideshows[static_cast<std::size_t>(current_slideshow)].get()
             : nullptr;
}

int Project::photo_count() const {
  std::size_t count = 0;
  for (const auto& slideshow : slideshows)
    count += slideshow->photos.size();
  return static_cast<int>(std::min<std::size_t>(count, INT_MAX));
}

void Project::update_all_lengths() {
  for (const auto& slideshow : slideshows)
    slideshow->update_length();
}

bool Project::apply_default_times_to_all() {
  struct Times {
    int display_seconds;
    int transition_seconds;
  };
  std::vector<Times> kept;
  for (const auto& slideshow : slideshows) {
    for (const auto& photo : slideshow->photos) {
      EffectRecord& effect = photo->setting.effect;
      kept.push_back({effect.display_seconds, effect.transition_seconds});
      effect.display_seconds = fit_display_seconds(default_setting.effect.display_seconds);
      effect.transition_seconds = fit_transition_seconds(default_setting.effect.transition_seconds);
    }
  }
  update_all_lengths();
  recompute_totals();
  const bool within_limit = !over_hard_limit();
  if (!within_limit) {
    auto times = kept.begin();
    for (const auto& slideshow : slideshows) {
      for (const auto& photo : slideshow->photos) {
        photo->setting.effect.display_seconds = times->display_seconds;
        photo->setting.effect.transition_seconds = times->transition_seconds;
        ++times;
      }
    }
    update_all_lengths();
  }
  settings_changed();
  if (within_limit) modified = true;
  return within_limit;
}

void Project::apply_tv_system_to_all() {
  for (const auto& slideshow : slideshows) {
    for (const auto& photo : slideshow->photos)
      photo->setting.tv_system = default_setting.tv_system;
  }
  update_all_lengths();
  update_totals();
  front_end.notify({ProjectChange::Kind::kSettingsChanged});
  modified = true;
}

void Project::settings_changed() {
  recompute_totals();
  front_end.notify({ProjectChange::Kind::kTotalsChanged});
  front_end.notify({ProjectChange::Kind::kSettingsChanged});
}

bool Project::has_changes() const {
  return modified || has_unsaved_changes();
}

int Project::total_seconds() const {
  int seconds = 0;
  for (const auto& slideshow : slideshows)
    seconds = saturating_add(seconds, slideshow->length_seconds());
  return seconds;
}

float Project::video_frame_rate() const {
  if (const OutputProfile* profile = profiles.current_profile()) {
    if (const float rate = counted_frame_rate(*profile); rate > 0) return rate;
  }
  return frame_rate(default_setting.tv_system);
}

void Project::update_totals() {
  recompute_totals();
  if (estimated_mb > kWarningMegabytes) front_end.show(size_warning_message());
  front_end.notify({ProjectChange::Kind::kTotalsChanged});
}

void Project::recompute_totals() {
  total_frames = 0;
  const float rate = video_frame_rate();
  for (const auto& slideshow : slideshows)
    total_frames = saturating_add(total_frames, frame_at(slideshow->length_seconds(), rate));
  if (const OutputProfile* profile = profiles.current_profile()) {
    const long long kilobits =
        static_cast<long long>(parse_int(profile->value(ProfileParameterId::kVideoBitrate))) +
        parse_int(profile->value(ProfileParameterId::kAudioBitrate));
    const float megabytes_per_second = static_cast<float>(kilobits) * 1.05f * (1.0f / 8192.0f);
    estimated_mb = static_cast<float>(total_seconds()) * megabytes_per_second;
  }
}

void Project::set_video_outputs() {
  const OutputProfile* profile = profiles.current_profile();
  if (profile == nullptr) return;
  for (const auto& slideshow : slideshows) {
    slideshow->video_path =
        default_setting.output_folder / (slideshow->file_base() + "." + profile->ext);
  }
}

std::filesystem::path Project::music_path() const {
  if (slideshows.empty()) return {};
  const Slideshow& first = *slideshows.front();
  return first.tracks.empty() ? preferences.silent_audio : first.music_path;
}

void Project::share_first_music() {
  for (std::size_t i = 1; i < slideshows.size(); ++i)
    slideshows[i]->music_path = slideshows.front()->music_path;
}

}  // namespace pictavo
