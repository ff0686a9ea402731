#pragma once

#include <filesystem>
#include <vector>

#include "model/model_id.h"

namespace pictavo {

class Project;

// A photo marked missing, found again at `file`.
struct PhotoRelink {
  ModelId slideshow = 0;
  ModelId photo = 0;
  std::filesystem::path file;
};

struct RelinkSearch {
  std::vector<PhotoRelink> found;
  // Missing photos without a picture of their name in the folder, or with more
  // than one and nothing to choose between them.
  std::vector<std::filesystem::path> not_found;
};

// Looks for the project's missing photos in `folder` and the folders below it by
// file name. Where the name is there more than once, the file whose folders match
// the photo's old ones the furthest, counted from the file up, is taken: a moved
// tree of day folders with the same file names relinks each to its own day.
RelinkSearch find_moved_photos(const Project& project, const std::filesystem::path& folder);

}  // namespace pictavo
