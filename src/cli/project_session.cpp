#include "cli/project_session.h"

#include <cstdio>
#include <cstdlib>
#include <string>

#include "base/folder_tree.h"
#include "base/program_folder.h"
#include "model/project_file.h"
#include "model/project_messages.h"
#include "model/project_start.h"

namespace pictavo::cli {
namespace {

std::filesystem::path make_scratch_folder() {
  std::string pattern = (std::filesystem::temp_directory_path() / "pictavo-cli-XXXXXX").string();
  if (::mkdtemp(pattern.data()) == nullptr) return {};
  return pattern;
}

}  // namespace

ProjectSession::ProjectSession(Mode mode) : project_(program_folder()), mode_(mode) {
  project_.front_end.prompt = &prompt_;
  if (mode_ == Mode::kProgram) {
    start_project(project_);
    fresh_working_folder_ = project_.preferences.working_folder;
    return;
  }
  scratch_folder_ = make_scratch_folder();
  project_.preferences.set_program_folder(project_.preferences.program_folder, scratch_folder_);
  load_output_profiles(project_);
}

ProjectSession::~ProjectSession() {
  // A working folder that no saved project names would only be left behind.
  const bool kept = (saved_ || keep_working_folder_) &&
                    project_.preferences.working_folder == fresh_working_folder_;
  if (!fresh_working_folder_.empty() && !kept) delete_folder_tree(fresh_working_folder_);
  if (!scratch_folder_.empty()) delete_folder_tree(scratch_folder_);
}

Status ProjectSession::open(const std::filesystem::path& file) {
  if (mode_ == Mode::kLookOnly && scratch_folder_.empty()) {
    return Failure{"no scratch folder can be made to look at it in"};
  }
  const Status opened = open_project(project_, std::filesystem::absolute(file));
  const std::vector<std::filesystem::path> missing = project_.missing_photos();
  if (opened && !missing.empty()) project_.front_end.show(missing_photos_message(missing));
  return opened;
}

bool ProjectSession::save() {
  const Status saved = save_project_silently(project_);
  saved_ = static_cast<bool>(saved);
  if (!saved_) {
    std::fprintf(stderr, "pictavo-cli: cannot write %s: %s\n",
                 project_.preferences.project_path.c_str(), saved.reason().c_str());
  }
  return saved_;
}

}  // namespace pictavo::cli
