#pragma once

#include <filesystem>

namespace pictavo {

// The folder the program's data files live in: $PICTAVO_HOME when it is set and
// not empty, else the folder of the running executable.
std::filesystem::path program_folder();

// The per-user folder for the program's own files: $XDG_DATA_HOME/pictavo, else
// ~/.local/share/pictavo. Empty when neither variable names a folder.
std::filesystem::path user_data_folder();

// Where the program writes its own files for a program folder: the folder itself,
// unless it exists and may not be written; then user_data_folder(), which is created.
// An installed, read-only copy thus keeps its data files where they are and its
// preferences, log and working folders with the user.
std::filesystem::path writable_folder_for(const std::filesystem::path& program_folder);

}  // namespace pictavo
