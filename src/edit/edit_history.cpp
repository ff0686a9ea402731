#include "edit/edit_history.h"

#include <utility>

#include "model/project.h"
#include "model/unsaved_changes.h"

namespace pictavo {

EditHistory::EditHistory(Project& project, std::size_t most_steps)
    : project_(project), most_steps_(most_steps) {}

EditHistory::~EditHistory() = default;

bool EditHistory::run(std::unique_ptr<EditCommand> command) {
  if (!command->apply(project_)) return false;
  if (position_ < steps_.size()) {
    steps_.erase(steps_.begin() + static_cast<std::ptrdiff_t>(position_), steps_.end());
    if (saved_ && *saved_ > position_) saved_.reset();
  }
  // The saved step itself stays as it was saved.
  const bool merged = position_ > 0 && saved_ != position_ && steps_.back()->absorb(*command);
  if (!merged) {
    steps_.push_back(std::move(command));
    ++position_;
    if (steps_.size() > most_steps_) {
      steps_.erase(steps_.begin());
      --position_;
      if (saved_) saved_ = *saved_ == 0 ? std::nullopt : std::optional(*saved_ - 1);
    }
  }
  after_change();
  return true;
}

std::string EditHistory::undo_name() const {
  return can_undo() ? steps_[position_ - 1]->name() : std::string();
}

std::string EditHistory::redo_name() const {
  return can_redo() ? steps_[position_]->name() : std::string();
}

void EditHistory::undo() {
  if (!can_undo()) return;
  --position_;
  steps_[position_]->undo(project_);
  after_change();
}

void EditHistory::redo() {
  if (!can_redo()) return;
  steps_[position_]->redo(project_);
  ++position_;
  after_change();
}

void EditHistory::mark_saved() {
  saved_ = position_;
  follow_saved_point();
}

void EditHistory::clear() {
  steps_.clear();
  position_ = 0;
  mark_saved();
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
