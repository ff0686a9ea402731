// The photo operations of a slideshow.
#include <algorithm>
#include <functional>
#include <utility>

#include "effects/transition_choice.h"
#include "model/photo_durations.h"
#include "model/photo_preparation.h"
#include "model/slideshow.h"
#include "model/unsaved_changes.h"

namespace pictavo {

bool Slideshow::are_photo_indices(std::span<const int> indices) const {
  return std::all_of(indices.begin(), indices.end(),
                     [this](int index) { return is_photo_index(index); });
}

int Slideshow::add_photo(const std::filesystem::path& path, const PhotoSetting& setting) {
  mark_unsaved();
  if (path.empty()) return 1;
  const bool rendered_already = std::any_of(photos.begin(), photos.end(), [&](const auto& photo) {
    return photo->prepared_path.native() == path.native();
  });
  if (rendered_already || !can_decode_photo(path)) return 1;

  auto photo = std::make_unique<PhotoItem>(path, setting);
  fit_durations(photo->setting.effect);
  photos.push_back(std::move(photo));
  update_length();
  notify(ProjectChange::Kind::kPhotosInserted, static_cast<int>(photos.size()) - 1, 1);
  if (photos.size() == 1) set_cover(0);
  return 0;
}

void Slideshow::add_missing_photo(const std::filesystem::path& path, const PhotoSetting& setting) {
  auto photo = std::make_unique<PhotoItem>(path, setting);
  photo->missing = true;
  fit_durations(photo->setting.effect);
  photos.push_back(std::move(photo));
  update_length();
  notify(ProjectChange::Kind::kPhotosInserted, static_cast<int>(photos.size()) - 1, 1);
  if (photos.size() == 1) set_cover(0);
}

int Slideshow::remove_photo(int index) {
  const int indices[] = {index};
  return remove_photos(indices);
}

int Slideshow::remove_photos(std::span<const int> indices) {
  if (!are_photo_indices(indices)) return 1;
  std::vector<int> doomed(indices.begin(), indices.end());
  std::sort(doomed.begin(), doomed.end());
  doomed.erase(std::unique(doomed.begin(), doomed.end()), doomed.end());
  take_photos(doomed);
  return 0;
}

int Slideshow::photo_index(ModelId id) const {
  const auto found = std::find_if(photos.begin(), photos.end(),
                                  [id](const auto& photo) { return photo->id == id; });
  return found == photos.end() ? -1 : static_cast<int>(found - photos.begin());
}

std::vector<std::unique_ptr<PhotoItem>> Slideshow::take_photos(std::span<const int> indices) {
  std::vector<std::unique_ptr<PhotoItem>> taken;
  const bool ascending =
      std::adjacent_find(indices.begin(), indices.end(), std::greater_equal<>()) == indices.end();
  if (!are_photo_indices(indices) || !ascending) return taken;
  const PhotoItem* cover = cover_photo();
  for (auto index = indices.rbegin(); index != indices.rend(); ++index) {
    taken.push_back(std::move(photos[static_cast<std::size_t>(*index)]));
    photos.erase(photos.begin() + *index);
  }
  std::reverse(taken.begin(), taken.end());
  mark_unsaved();
  update_length();
  keep_cover_on(cover);
  if (!indices.empty())
    notify(ProjectChange::Kind::kPhotosRemoved, indices.front(),
           indices.back() - indices.front() + 1);
  return taken;
}

void Slideshow::insert_photos(std::span<const int> indices,
                              std::vector<std::unique_ptr<PhotoItem>> taken) {
  const PhotoItem* cover = cover_photo();
  for (std::size_t k = 0; k < taken.size() && k < indices.size(); ++k) {
    const auto at = std::clamp<std::size_t>(static_cast<std::size_t>(std::max(indices[k], 0)), 0,
                                            photos.size());
    photos.insert(photos.begin() + static_cast<std::ptrdiff_t>(at), std::move(taken[k]));
  }
  mark_unsaved();
  update_length();
  if (cover != nullptr) {
    keep_cover_on(cover);
  } else if (!photos.empty()) {
    set_cover(0);
  }
  if (!taken.empty() && !indices.empty()) {
    const int first = std::max(indices.front(), 0);
    const int last = std::min(indices[std::min(taken.size(), indices.size()) - 1],
                              static_cast<int>(photos.size()) - 1);
    notify(ProjectChange::Kind::kPhotosInserted, first, std::max(last - first + 1, 1));
  }
}

void Slideshow::reorder_photos(std::span<const int> order) {
  if (order.size() != photos.size()) return;
  std::vector<bool> seen(photos.size());
  for (const int index : order) {
    if (!is_photo_index(index) || seen[static_cast<std::size_t>(index)]) return;
    seen[static_cast<std::size_t>(index)] = true;
  }
  const PhotoItem* cover = cover_photo();
  std::vector<std::unique_ptr<PhotoItem>> reordered;
  reordered.reserve(photos.size());
  for (const int index : order)
    reordered.push_back(std::move(photos[static_cast<std::size_t>(index)]));
  photos = std::move(reordered);
  mark_unsaved();
  update_length();
  keep_cover_on(cover);
  notify(ProjectChange::Kind::kPhotosMoved, 0, static_cast<int>(photos.size()));
}

int Slideshow::move_photo_up(int index) {
  if (!is_photo_index(index)) return 1;
  if (index == 0) return 0;
  int indices[] = {index};
  return move_photos(indices, index - 1, true) < 0 ? 1 : 0;
}

int Slideshow::move_photo_down(int index) {
  if (!is_photo_index(index)) return 1;
  if (static_cast<std::size_t>(index) + 1 == photos.size()) return 0;
  int indices[] = {index};
  return move_photos(indices, index + 1, false) < 0 ? 1 : 0;
}

int Slideshow::move_photos(std::span<int> indices, int target, bool before) {
  if (!is_photo_index(target)) return -1;
  const PhotoItem* cover = cover_photo();
  bool all_moved = true;
  int anchor = target;  // after: the last photo placed behind the target
  for (std::size_t k = 0; k < indices.size(); ++k) {
    const int from = indices[k];
    if (!is_photo_index(from)) {
      all_moved = false;
      break;
    }
    // The target stays where it is, and so does a photo already placed behind it.
    if (from == target || (!before && from == anchor)) continue;
    auto photo = std::move(photos[static_cast<std::size_t>(from)]);
    photos.erase(photos.begin() + from);
    if (from < target) --target;
    if (from < anchor) --anchor;
    const int to = before ? target : anchor + 1;
    photos.insert(photos.begin() + to, std::move(photo));
    if (to <= target) ++target;
    anchor = to;
    for (std::size_t j = 0; j < indices.size(); ++j) {
      int& index = indices[j];
      if (j == k) {
        index = to;
      } else if (is_photo_index(index)) {
        if (index > from) --index;
        if (index >= to) ++index;
      }
    }
  }
  mark_unsaved();
  update_length();
  keep_cover_on(cover);
  notify(ProjectChange::Kind::kPhotosMoved, 0, static_cast<int>(photos.size()));
  return all_moved ? target : -1;
}

void Slideshow::sort_photos(PhotoSortKey key, SortDirection direction) {
  for (std::size_t i = 0; i < photos.size(); ++i)
    photos[i]->number = static_cast<int>(i);
  const auto comes_after = [key](const PhotoItem& a, const PhotoItem& b) {
    return key == PhotoSortKey::kName ? a.file_name > b.file_name : a.created > b.created;
  };
  const bool ascending = direction == SortDirection::kAscending;
  const PhotoItem* cover = cover_photo();
  for (std::size_t pass = 0; pass < photos.size(); ++pass) {
    for (std::size_t i = 0; i + 1 < photos.size(); ++i) {
      const PhotoItem& left = *photos[i];
      const PhotoItem& right = *photos[i + 1];
      if (ascending ? comes_after(left, right) : comes_after(right, left)) {
        std::swap(photos[i], photos[i + 1]);
        mark_unsaved();
      }
    }
  }
  // The order changed the start times and maybe the first photo.
  update_length();
  keep_cover_on(cover);
  notify(ProjectChange::Kind::kPhotosMoved, 0, static_cast<int>(photos.size()));
}

int Slideshow::set_image_effect(std::span<const int> indices, ImageEffectCategory category) {
  if (!are_photo_indices(indices)) return 1;
  for (const int index : indices)
    photos[static_cast<std::size_t>(index)]->setting.effect.image_effect =
        draw_image_effect(category);
  mark_unsaved();
  notify_photos_changed(indices);
  return 0;
}

int Slideshow::set_display_seconds(std::span<const int> indices, int seconds) {
  if (!are_photo_indices(indices)) return 1;
  for (const int index : indices)
    photos[static_cast<std::size_t>(index)]->setting.effect.display_seconds =
        fit_display_seconds(seconds);
  mark_unsaved();
  update_length();
  notify_photos_changed(indices);
  return 0;
}

int Slideshow::set_transition_seconds(std::span<const int> indices, int seconds) {
  if (!are_photo_indices(indices)) return 1;
  for (const int index : indices)
    photos[static_cast<std::size_t>(index)]->setting.effect.transition_seconds =
        fit_transition_seconds(seconds);
  mark_unsaved();
  update_length();
  notify_photos_changed(indices);
  return 0;
}

int Slideshow::set_transition(std::span<const int> indices,
                              const TransitionParams& template_params) {
  if (!are_photo_indices(indices)) return 1;
  for (const int index : indices)
    photos[static_cast<std::size_t>(index)]->setting.effect.set_transition(
        resolve_transition(template_params));
  mark_unsaved();
  notify_photos_changed(indices);
  return 0;
}

}  // namespace pictavo
