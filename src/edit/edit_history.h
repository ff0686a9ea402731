#pragma once

#include <cstddef>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "edit/edit_command.h"

namespace pictavo {

class Project;

// The project's undo and redo: the steps the user made, the point reached, and
// the point last saved. Every step runs through here, so the follow-ups are the
// same for all of them: totals and the size estimate updated, and the project
// modified exactly when it is not at the saved point. A step's change notices
// reach the project's observer once the step is complete.
class EditHistory {
 public:
  static constexpr std::size_t kMostSteps = 500;

  explicit EditHistory(Project& project, std::size_t most_steps = kMostSteps);
  EditHistory(const EditHistory&) = delete;
  EditHistory& operator=(const EditHistory&) = delete;
  ~EditHistory();

  // Applies `command` and keeps it as the newest step, dropping the steps that
  // were undone; merged into the newest step when that one absorbs it. False when
  // it changed nothing.
  bool run(std::unique_ptr<EditCommand> command);

  // The project the steps edit.
  Project& project() const { return project_; }

  bool can_undo() const { return position_ > 0; }
  bool can_redo() const { return position_ < steps_.size(); }
  // The step an undo or redo would take: "Move 3 Photos"; empty when there is none.
  UserText undo_name() const;
  UserText redo_name() const;
  void undo();
  void redo();

  // The project was saved here (or opened, or started): it is unmodified now and
  // again whenever undo or redo comes back here.
  void mark_saved();
  bool at_saved_point() const { return saved_ == position_; }
  // A project opened or started: no steps, saved here.
  void clear();

  // Whether some step keeps `picture` to put it back: a new edited picture must
  // not take its name. Edited pictures in the working folder's temp folder that
  // neither the project, its saved file nor any step refers to any more are
  // removed when their last step goes.
  bool holds_picture(const std::filesystem::path& picture) const;

  // Called after every change of the steps or the point reached (the Edit menu).
  void set_listener(std::function<void()> listener) { listener_ = std::move(listener); }

 private:
  // Totals, the modified state and the listener after a step was made or taken.
  void after_change();
  void follow_saved_point();
  // Drops steps_[first, last) and the edited pictures only they referred to.
  void drop_steps(std::size_t first, std::size_t last);
  // The edited pictures the project's photos, and the kept steps, refer to.
  std::vector<std::filesystem::path> project_pictures() const;
  std::vector<std::filesystem::path> held_pictures() const;

  Project& project_;
  std::size_t most_steps_;
  std::vector<std::unique_ptr<EditCommand>> steps_;
  std::size_t position_ = 0;  // steps_[0, position_) are applied
  // Where the project was saved; none once that state cannot be reached again.
  std::optional<std::size_t> saved_ = 0;
  std::vector<std::filesystem::path> saved_pictures_;  // the edited pictures saved last
  std::function<void()> listener_;
};

}  // namespace pictavo
