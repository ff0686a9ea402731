#pragma once

#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <string>

// What the fuzz targets that read files share.
namespace pictavo::fuzz {

// A failed check is a crash, which libFuzzer reports with the input.
inline void require(bool condition) {
  if (!condition) std::abort();
}

// A folder of this process for the files a target writes, made on first use (in
// memory where /dev/shm exists, so the many small writes stay fast) and removed
// when the process exits. The path is never destroyed, so it is still there when
// the exit handler runs after the static destructors.
inline const std::filesystem::path& scratch_folder() {
  static const std::filesystem::path* const folder = [] {
    namespace fs = std::filesystem;
    const fs::path base = fs::exists("/dev/shm") ? fs::path("/dev/shm") : fs::temp_directory_path();
    auto* made = new fs::path(base / ("pictavo-fuzz-" + std::to_string(::getpid())));
    fs::create_directories(*made);
    std::atexit([] { fs::remove_all(scratch_folder()); });
    return made;
  }();
  return *folder;
}

}  // namespace pictavo::fuzz
