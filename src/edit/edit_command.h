#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "base/user_text.h"

namespace pictavo {

class Project;

// One change a user makes to the project, kept by the edit history so that it
// can be taken back and made again. The change's rules live in the command: the
// follow-up steps every caller would otherwise have to remember.
class EditCommand {
 public:
  virtual ~EditCommand() = default;

  // Makes the change for the first time. False when it changed nothing: the
  // history keeps no step for it.
  virtual bool apply(Project& project) = 0;
  // Puts the project back as it was before apply, on the project as apply left it.
  virtual void undo(Project& project) = 0;
  // Makes the change again exactly as apply made it (the same effects drawn).
  virtual void redo(Project& project) = 0;
  // How the Edit menu names the step: "Move 3 Photos".
  virtual UserText name() const = 0;
  // Takes `next`, applied right after this step, into this step: true for edits of
  // one field of the same photos, such as a duration typed digit by digit.
  virtual bool absorb(EditCommand& /*next*/) { return false; }
  // The edited pictures an undo or redo of this step puts back into the project.
  virtual void add_pictures(std::vector<std::filesystem::path>& /*pictures*/) const {}
};

}  // namespace pictavo
