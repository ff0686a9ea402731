#include "model/photo_relinking.h"

#include <map>
#include <string>
#include <system_error>

#include "model/photo_preparation.h"
#include "model/project.h"

namespace pictavo {
namespace {

namespace fs = std::filesystem;

// How many folder names, counted from the file up, two paths share.
int shared_folders(const fs::path& a, const fs::path& b) {
  int shared = 0;
  for (fs::path x = a.parent_path(), y = b.parent_path();
       !x.filename().empty() && x.filename() == y.filename();
       x = x.parent_path(), y = y.parent_path()) {
    ++shared;
  }
  return shared;
}

// The candidate sharing the most folders with `old`; none on a tie.
const fs::path* best_match(const fs::path& old, const std::vector<fs::path>& candidates) {
  const fs::path* best = nullptr;
  int best_shared = -1;
  bool tie = false;
  for (const fs::path& candidate : candidates) {
    const int shared = shared_folders(old, candidate);
    if (shared > best_shared) {
      best = &candidate;
      best_shared = shared;
      tie = false;
    } else if (shared == best_shared) {
      tie = true;
    }
  }
  return tie ? nullptr : best;
}

}  // namespace

RelinkSearch find_moved_photos(const Project& project, const fs::path& folder) {
  std::map<std::string, std::vector<fs::path>> wanted;
  for (const auto& slideshow : project.slideshows) {
    for (const auto& photo : slideshow->photos) {
      if (photo->missing) wanted.try_emplace(photo->source_path.filename().string());
    }
  }
  std::error_code error;
  // Folders that cannot be read are passed by; links are not followed into loops.
  for (fs::recursive_directory_iterator
           entry(folder, fs::directory_options::skip_permission_denied, error),
       end;
       !error && entry != end; entry.increment(error)) {
    if (!entry->is_regular_file(error)) continue;
    const auto name = wanted.find(entry->path().filename().string());
    if (name != wanted.end() && can_decode_photo(entry->path()))
      name->second.push_back(entry->path());
  }

  RelinkSearch search;
  for (const auto& slideshow : project.slideshows) {
    for (const auto& photo : slideshow->photos) {
      if (!photo->missing) continue;
      const fs::path* found =
          best_match(photo->source_path, wanted.at(photo->source_path.filename().string()));
      if (found == nullptr) {
        search.not_found.push_back(photo->source_path);
      } else {
        search.found.push_back({slideshow->id(), photo->id, *found});
      }
    }
  }
  return search;
}

}  // namespace pictavo
