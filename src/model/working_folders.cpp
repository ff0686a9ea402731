#include "model/working_folders.h"

#include <sys/stat.h>

#include <algorithm>
#include <string>
#include <string_view>
#include <system_error>

#include "base/text_number.h"

namespace pictavo {
namespace {

constexpr std::string_view kProjectFolderPrefix = "Project_";

}  // namespace

std::filesystem::path next_project_folder(const std::filesystem::path& folder) {
  long long highest = 0;
  std::error_code error;
  for (std::filesystem::directory_iterator it(folder, error), end; !error && it != end;
       it.increment(error)) {
    const std::string name = it->path().filename().string();
    if (name.starts_with(kProjectFolderPrefix)) {
      highest = std::max<long long>(highest, parse_int(name.substr(kProjectFolderPrefix.size())));
    }
  }
  return folder / (std::string(kProjectFolderPrefix) + std::to_string(highest + 1));
}

std::filesystem::path normal_path(const std::filesystem::path& path) {
  std::filesystem::path normal = path.lexically_normal();
  if (!normal.has_filename() && normal.has_parent_path()) normal = normal.parent_path();
  return normal;
}

std::filesystem::path first_free_project_path(const std::filesystem::path& folder) {
  for (long long number = 0;; ++number) {
    std::filesystem::path candidate = folder / ("project" + std::to_string(number) + ".prg");
    struct stat facts {};
    if (::lstat(candidate.c_str(), &facts) != 0) return candidate;
  }
}

}  // namespace pictavo
