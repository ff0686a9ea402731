#include "base/free_name.h"

#include <string>

namespace pictavo {

std::filesystem::path free_name(const std::filesystem::path& path,
                                const std::function<bool(const std::filesystem::path&)>& taken) {
  std::filesystem::path name = path;
  for (int number = 2; taken(name); ++number) {
    name = path.parent_path() /
           (path.stem().string() + " (" + std::to_string(number) + ")" + path.extension().string());
  }
  return name;
}

}  // namespace pictavo
