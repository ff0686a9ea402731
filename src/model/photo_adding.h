#pragma once

#include <filesystem>
#include <span>
#include <string_view>

namespace pictavo {

class Project;
class Slideshow;

struct PhotoFilesResult {
  int added = 0;
  // A photo was taken back because the project would have passed its size limit.
  bool limit_reached = false;
};

// Adds the chosen photo files to `slideshow` in order, as the photo dialogs do:
// each file's folder becomes where the next photo dialog starts, each file is
// added with the project's default setting, and a photo that takes the size
// estimate over the limit is removed again (the next file is still tried). The
// totals are updated at the end, with the size warning shown at most once.
PhotoFilesResult add_photo_files(Project& project, Slideshow& slideshow,
                                 std::span<const std::filesystem::path> files);

// A new slideshow named `name` (the user interface passes the project's default
// name) with the default music track and the chosen photos; it becomes the current
// slideshow and the project is modified. Returns its index, or -1 when nothing was
// made: the name was refused (shown as "Slideshow name conflict or is NULL!") or
// no file could be added (no files chosen: the user cancelled).
int create_slideshow_with_photos(Project& project, std::string_view name,
                                 std::span<const std::filesystem::path> files);

}  // namespace pictavo
