#include "model/program_folder.h"

#include <cstdlib>
#include <system_error>

namespace pictavo {

std::filesystem::path program_folder() {
  if (const char* home = std::getenv("PICTAVO_HOME"); home != nullptr && *home != '\0') {
    return std::filesystem::path(home);
  }
  std::error_code error;
  const std::filesystem::path executable = std::filesystem::read_symlink("/proc/self/exe", error);
  if (error) return std::filesystem::current_path(error);
  return executable.parent_path();
}

}  // namespace pictavo
