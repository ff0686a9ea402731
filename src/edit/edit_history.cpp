#include "edit/edit_history.h"

#include <algorithm>
#include <system_error>
#include <utility>

#include "model/held_notices.h"
#include "model/project.h"
#include "model/unsaved_changes.h"

namespace pictavo {

EditHistory::EditHistory(Project& project, std::size_t most_steps)
    : project_(project), most_steps_(most_steps) {}

EditHistory::~EditHistory() = default;

bool EditHistory::run(std::unique_ptr<EditCommand> command) {
  const HeldNotices held(project_.front_end);
  if (!command->apply(project_)) {
    // A refused change may still have marked the project (a photo file that did not
    // decode): it stays as modified as its place in the history says.
    follow_saved_point();
    return false;
  }
  if (position_ < steps_.size()) {
    if (saved_ && *saved_ > position_) saved_.reset();
    drop_steps(position_, steps_.size());
  }
  // The saved step itself stays as it was saved.
  const bool merged = position_ > 0 && saved_ != position_ && steps_.back()->absorb(*command);
  if (!merged) {
    steps_.push_back(std::move(command));
    ++position_;
    if (steps_.size() > most_steps_) {
      drop_steps(0, 1);
      --position_;
      if (saved_) saved_ = *saved_ == 0 ? std::nullopt : std::optional(*saved_ - 1);
    }
  }
  after_change();
  return true;
}

UserText EditHistory::undo_name() const {
  return can_undo() ? steps_[position_ - 1]->name() : UserText();
}

UserText EditHistory::redo_name() const {
  return can_redo() ? steps_[position_]->name() : UserText();
}

void EditHistory::undo() {
  if (!can_undo()) return;
  const HeldNotices held(project_.front_end);
  --position_;
  steps_[position_]->undo(project_);
  after_change();
}

void EditHistory::redo() {
  if (!can_redo()) return;
  const HeldNotices held(project_.front_end);
  steps_[position_]->redo(project_);
  ++position_;
  after_change();
}

void EditHistory::mark_saved() {
  saved_ = position_;
  saved_pictures_ = project_pictures();
  follow_saved_point();
}

void EditHistory::clear() {
  // The pictures of another project's steps are that project's to keep.
  steps_.clear();
  position_ = 0;
  mark_saved();
}

bool EditHistory::holds_picture(const std::filesystem::path& picture) const {
  const std::vector<std::filesystem::path> held = held_pictures();
  return std::find(held.begin(), held.end(), picture.lexically_normal()) != held.end();
}

std::vector<std::filesystem::path> EditHistory::held_pictures() const {
  std::vector<std::filesystem::path> held;
  for (const auto& step : steps_)
    step->add_pictures(held);
  for (std::filesystem::path& picture : held)
    picture = picture.lexically_normal();
  return held;
}

std::vector<std::filesystem::path> EditHistory::project_pictures() const {
  std::vector<std::filesystem::path> pictures;
  for (const auto& slideshow : project_.slideshows) {
    for (const auto& photo : slideshow->photos)
      pictures.push_back(photo->prepared_path.lexically_normal());
  }
  return pictures;
}

void EditHistory::drop_steps(std::size_t first, std::size_t last) {
  std::vector<std::filesystem::path> dropped;
  for (std::size_t i = first; i < last; ++i)
    steps_[i]->add_pictures(dropped);
  steps_.erase(steps_.begin() + static_cast<std::ptrdiff_t>(first),
               steps_.begin() + static_cast<std::ptrdiff_t>(last));
  // Only the program's own copies, never a file the user chose.
  const std::filesystem::path temp =
      (project_.preferences.working_folder / "temp").lexically_normal();
  std::vector<std::filesystem::path> in_use = project_pictures();
  in_use.insert(in_use.end(), saved_pictures_.begin(), saved_pictures_.end());
  const std::vector<std::filesystem::path> held = held_pictures();
  in_use.insert(in_use.end(), held.begin(), held.end());
  for (const std::filesystem::path& picture : dropped) {
    const std::filesystem::path plain = picture.lexically_normal();
    if (plain.parent_path() != temp ||
        std::find(in_use.begin(), in_use.end(), plain) != in_use.end())
      continue;
    std::error_code ignored;
    std::filesystem::remove(plain, ignored);
  }
}

void EditHistory::after_change() {
  project_.update_totals();
  follow_saved_point();
}

void EditHistory::follow_saved_point() {
  project_.modified = !at_saved_point();
  if (project_.modified) {
    mark_unsaved();
  } else {
    clear_unsaved();
  }
  if (listener_) listener_();
}

}  // namespace pictavo
