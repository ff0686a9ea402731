#pragma once

#include <filesystem>

#include "base/result.h"
#include "cli/console_prompt.h"
#include "model/project.h"

namespace pictavo::cli {

// The one project of a command, its messages printed.
class ProjectSession {
 public:
  enum class Mode {
    // As the program after its start: a fresh working folder, the preferences read
    // and rewritten (counting the start), the profiles loaded.
    kProgram,
    // Only the profiles: whatever opening a project writes (cover pictures, the
    // preferences) goes to a scratch folder removed with the session.
    kLookOnly,
  };

  explicit ProjectSession(Mode mode);
  ~ProjectSession();
  ProjectSession(const ProjectSession&) = delete;
  ProjectSession& operator=(const ProjectSession&) = delete;

  Project& project() { return project_; }

  // Opens a project file as the program's Open does; the reason when it cannot.
  Status open(const std::filesystem::path& file);
  // Saves to the project's file; false, with the reason printed, when it failed.
  bool save();
  // Keeps the working folder the session made when the project works in it, for
  // what was written there, even when no saved project names it (a project file
  // whose own working folder is gone).
  void keep_working_folder() { keep_working_folder_ = true; }

 private:
  ConsolePrompt prompt_;
  Project project_;
  Mode mode_;
  std::filesystem::path scratch_folder_;  // kLookOnly
  std::filesystem::path fresh_working_folder_;
  bool saved_ = false;
  bool keep_working_folder_ = false;
};

}  // namespace pictavo::cli
