#include "support/random_edit_maker.h"

#include "edit/edit_history.h"
#include "edit/photo_commands.h"
#include "edit/picture_commands.h"
#include "edit/slideshow_commands.h"
#include "edit/track_commands.h"
#include "effects/transition_params.h"
#include "model/project.h"

namespace pictavo::test {

RandomEditMaker::RandomEditMaker(Project& project, PhotoFile photo, MusicFile music, unsigned seed,
                                 const EditHistory* history)
    : project_(project),
      photo_(std::move(photo)),
      music_(std::move(music)),
      history_(history),
      random_(seed) {}

int RandomEditMaker::pick(int count) {
  return std::uniform_int_distribution<int>(0, count - 1)(random_);
}

std::vector<int> RandomEditMaker::some_photos(const Slideshow& slideshow) {
  std::vector<int> chosen;
  for (int i = 0; i < static_cast<int>(slideshow.photos.size()); ++i)
    if (pick(3) == 0) chosen.push_back(i);
  if (chosen.empty()) chosen.push_back(pick(static_cast<int>(slideshow.photos.size())));
  return chosen;
}

std::vector<std::filesystem::path> RandomEditMaker::new_photos(int count) {
  std::vector<std::filesystem::path> paths;
  for (int i = 0; i < count; ++i)
    paths.push_back(photo_("photo" + std::to_string(next_file_++) + ".png"));
  return paths;
}

std::unique_ptr<EditCommand> RandomEditMaker::next() {
  if (project_.slideshows.empty()) return new_slideshow_edit("Show", new_photos(2 + pick(3)));
  const Slideshow& shown =
      *project_.slideshows[static_cast<std::size_t>(pick(project_.slideshow_count()))];
  const ModelId id = shown.id();
  const int photos = static_cast<int>(shown.photos.size());
  const int tracks = static_cast<int>(shown.tracks.size());
  switch (pick(24)) {
    case 22:
    case 23:
      return rotate_photos_edit(id, some_photos(shown),
                                pick(2) ? QuarterTurn::kLeft : QuarterTurn::kRight,
                                [this](const std::filesystem::path& path) {
                                  return history_ != nullptr && history_->holds_picture(path);
                                });
    case 0:
    case 19:
    case 20:
    case 21:
      return add_photos_edit(id, new_photos(1 + pick(3)));
    case 1:
      return remove_photos_edit(id, some_photos(shown));
    case 2:
      return move_photos_edit(id, some_photos(shown), pick(photos), pick(2) == 0);
    case 3:
      return move_photo_edit(id, pick(photos), pick(2) == 0);
    case 4:
      return sort_photos_edit(id, pick(2) ? PhotoSortKey::kName : PhotoSortKey::kDate,
                              pick(2) ? SortDirection::kAscending : SortDirection::kDescending);
    case 5:
      return display_seconds_edit(id, some_photos(shown), 1 + pick(20));
    case 6:
      return transition_seconds_edit(id, some_photos(shown), 1 + pick(5));
    case 7:
      return image_effect_edit(id, some_photos(shown), static_cast<ImageEffectCategory>(pick(4)));
    case 8:
      return transition_edit(id, some_photos(shown),
                             *make_transition(static_cast<TransitionType>(pick(19))));
    case 9:
      return cover_edit(id, pick(photos));
    case 10:
      return new_slideshow_edit("Show" + std::to_string(pick(6)), new_photos(1 + pick(2)));
    case 11:
      return rename_slideshow_edit(id, "Name" + std::to_string(pick(6)));
    case 12:
      return remove_slideshow_edit(id);
    case 13:
      return move_slideshow_edit(id, pick(2) == 0);
    case 14:
      return add_tracks_edit(id,
                             {music_("m" + std::to_string(next_file_++) + ".mp3", 5 + pick(40))});
    case 15:
      return remove_track_edit(id, pick(tracks + 1));
    case 16:
      return move_track_edit(id, pick(tracks + 1), pick(2) == 0);
    case 17:
      return fit_to_music_edit(id);
    default:
      project_.default_setting.effect.display_seconds = 1 + pick(9);
      return default_times_edit();
  }
}

}  // namespace pictavo::test
