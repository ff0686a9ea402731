#include "base/program_folder.h"

#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <system_error>

namespace pictavo {
namespace {

std::filesystem::path environment_folder(const char* name) {
  const char* value = std::getenv(name);
  return value != nullptr && *value == '/' ? std::filesystem::path(value) : std::filesystem::path();
}

}  // namespace

std::filesystem::path program_folder() {
  if (const char* home = std::getenv("PICTAVO_HOME"); home != nullptr && *home != '\0') {
    return std::filesystem::path(home);
  }
  std::error_code error;
  const std::filesystem::path executable = std::filesystem::read_symlink("/proc/self/exe", error);
  if (error) return std::filesystem::current_path(error);
  return executable.parent_path();
}

std::filesystem::path user_data_folder() {
  // The XDG rules ignore relative paths in these variables.
  if (std::filesystem::path data = environment_folder("XDG_DATA_HOME"); !data.empty()) {
    return data / "pictavo";
  }
  if (std::filesystem::path home = environment_folder("HOME"); !home.empty()) {
    return home / ".local" / "share" / "pictavo";
  }
  return {};
}

std::filesystem::path writable_folder_for(const std::filesystem::path& program_folder) {
  // Only a folder that exists and refuses writing sends the files elsewhere.
  if (::access(program_folder.c_str(), W_OK | X_OK) == 0 || (errno != EACCES && errno != EROFS)) {
    return program_folder;
  }
  const std::filesystem::path user_folder = user_data_folder();
  if (user_folder.empty()) return program_folder;
  std::error_code ignored;
  std::filesystem::create_directories(user_folder, ignored);
  return user_folder;
}

}  // namespace pictavo
