#include "ui/widgets/photo_selection.h"

#include <algorithm>

namespace pictavo {

void PhotoSelection::reset(std::size_t count) {
  selected_.assign(count, false);
  kept_.clear();
  anchor_ = end_ = -1;
}

bool PhotoSelection::contains(int photo) const {
  return photo >= 0 && static_cast<std::size_t>(photo) < selected_.size() &&
         selected_[static_cast<std::size_t>(photo)];
}

std::vector<int> PhotoSelection::photos() const {
  std::vector<int> photos;
  for (std::size_t i = 0; i < selected_.size(); ++i) {
    if (selected_[i]) photos.push_back(static_cast<int>(i));
  }
  return photos;
}

void PhotoSelection::set(std::span<const int> photos) {
  clear();
  for (const int photo : photos) {
    if (photo >= 0 && static_cast<std::size_t>(photo) < selected_.size())
      selected_[static_cast<std::size_t>(photo)] = true;
  }
}

void PhotoSelection::select_all() {
  std::fill(selected_.begin(), selected_.end(), true);
}

void PhotoSelection::clear() {
  std::fill(selected_.begin(), selected_.end(), false);
}

void PhotoSelection::begin_range(int photo, bool keep, bool from_first) {
  if (keep) {
    anchor_ = end_ = photo;
  } else if (from_first) {
    const std::vector<int> selected = photos();
    anchor_ = selected.empty() ? photo : selected.front();
    end_ = photo;
    clear();
  } else {
    clear();
    anchor_ = end_ = photo;
  }
  kept_ = selected_;
  mark_range();
}

void PhotoSelection::extend_range(int end) {
  if (anchor_ < 0) return;
  end_ = end;
  selected_ = kept_;
  mark_range();
}

void PhotoSelection::mark_range() {
  if (anchor_ < 0) return;
  const int count = static_cast<int>(selected_.size());
  for (int photo = std::max(std::min(anchor_, end_), 0);
       photo <= std::max(anchor_, end_) && photo < count; ++photo)
    selected_[static_cast<std::size_t>(photo)] = true;
}

}  // namespace pictavo
