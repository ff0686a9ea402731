#pragma once

#include <filesystem>

namespace pictavo {

// Removes `folder` with everything in it. Symbolic links inside are removed, never
// followed, and other file systems mounted inside are left alone, so nothing outside
// the folder is ever touched. Refuses an empty path, a file-system root (a mount
// point or "/") and anything that is not a folder (a link to one included). True
// when the folder is gone.
bool delete_folder_tree(const std::filesystem::path& folder);

}  // namespace pictavo
