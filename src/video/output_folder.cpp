#include "video/output_folder.h"

#include <stdlib.h>
#include <unistd.h>

#include <algorithm>
#include <optional>
#include <system_error>

#include "base/atomic_file.h"
#include "base/folder_tree.h"

namespace pictavo {
namespace {

namespace fs = std::filesystem;

bool is_own_file(const fs::directory_entry& entry, std::span<const std::string> own_files) {
  std::error_code error;
  return entry.is_regular_file(error) && !entry.is_symlink(error) &&
         std::find(own_files.begin(), own_files.end(), entry.path().filename().string()) !=
             own_files.end();
}

// The first entry of the folder that is not one of its own files; none when there
// is no such entry or the folder cannot be read.
std::optional<fs::path> other_entry(const fs::path& folder,
                                    std::span<const std::string> own_files) {
  std::error_code error;
  for (const fs::directory_entry& entry : fs::directory_iterator(folder, error)) {
    if (!is_own_file(entry, own_files)) return entry.path();
  }
  return std::nullopt;
}

void remove_own_files(const fs::path& folder, std::span<const std::string> own_files) {
  for (const std::string& name : own_files) {
    std::error_code ignored;
    fs::remove(folder / name, ignored);
  }
}

// Writes and removes a file of its own in the folder: the folder's permissions may
// say more than the file system allows (read-only mounts, quotas of the superuser).
bool can_write_into(const fs::path& folder) {
  std::string name = (folder / ".pictavo-write-test-XXXXXX").string();
  const int file = ::mkstemp(name.data());
  if (file < 0) return false;
  ::close(file);
  ::unlink(name.c_str());
  return true;
}

}  // namespace

OutputFolderCheck prepare_output_folder(const fs::path& folder, bool program_owned,
                                        std::span<const std::string> own_files) {
  if (program_owned) {
    delete_folder_tree(folder);
  } else {
    // What a killed run was writing is the program's own, never the user's.
    remove_leftover_temporaries(folder);
    // Nothing is removed from a folder that holds anything else.
    if (std::optional<fs::path> other = other_entry(folder, own_files))
      return {OutputFolderState::kHoldsOtherFiles, *other};
    remove_own_files(folder, own_files);
  }
  std::error_code error;
  fs::create_directories(folder, error);
  if (!fs::is_directory(folder, error)) return {OutputFolderState::kNotWritable, {}};
  fs::directory_iterator entries(folder, error);
  if (error) return {OutputFolderState::kNotWritable, {}};
  if (entries != fs::directory_iterator())
    return {OutputFolderState::kHoldsOtherFiles, entries->path()};
  if (!can_write_into(folder)) return {OutputFolderState::kNotWritable, {}};
  return {OutputFolderState::kReady, {}};
}

}  // namespace pictavo
