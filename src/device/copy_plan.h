#pragma once

#include <cstdint>
#include <filesystem>
#include <vector>

#include "base/result.h"

namespace pictavo {

// One file to copy and the name it gets.
struct CopyStep {
  std::filesystem::path source;
  std::filesystem::path target;
  std::uint64_t bytes = 0;  // the source's size when the plan was made
};

// Copies that keep each file's name in `target_folder`; a name already taken there
// (or by an earlier file of the same copy) becomes "name (2).ext", "name (3).ext"...
// Fails when a source is not a readable regular file.
Result<std::vector<CopyStep>> plan_copy(const std::vector<std::filesystem::path>& sources,
                                        const std::filesystem::path& target_folder);

// Copies onto the PSP whose video folder is `psp_folder` (`MP_ROOT/100MNV01`) under
// the names its firmware lists: an MPEG-4 video becomes the next free
// `100MNV01/M4Vnnnnn.MP4`, an H.264 video the next free `100ANV01/MAQnnnnn.MP4`,
// each with its thumbnail (the THM file of the same name beside it, selected or
// not) as the same name with `.THM`. Other files, and videos that cannot be read,
// keep their names in `psp_folder`. The player shows such a video by the title
// stored inside it, so the new name loses nothing.
Result<std::vector<CopyStep>> plan_copy_to_psp(const std::vector<std::filesystem::path>& sources,
                                               const std::filesystem::path& psp_folder);

}  // namespace pictavo
