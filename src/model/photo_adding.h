#pragma once

#include <filesystem>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "base/user_text.h"

namespace pictavo {

class Project;
class Slideshow;

// A chosen file that did not become a photo, and why.
struct RefusedPhoto {
  std::filesystem::path file;
  UserText reason;
};

struct PhotoFilesResult {
  int added = 0;
  // A photo was taken back because the project would have passed its size limit.
  bool limit_reached = false;
  // Files that are no readable picture, are gone, or are in the slideshow already.
  std::vector<RefusedPhoto> refused;
};

// Adds the chosen photo files to `slideshow` in order, as the photo dialogs do:
// each file's folder becomes where the next photo dialog starts, each file is
// added with the project's default setting, and a photo that takes the size
// estimate over the limit is removed again (the next file is still tried). The
// totals are updated at the end, with the size warning shown at most once; the
// files that could not be added are named in one message.
PhotoFilesResult add_photo_files(Project& project, Slideshow& slideshow,
                                 std::span<const std::filesystem::path> files);

// A new slideshow named `name` (the user interface passes the project's default
// name) with the default music track and the chosen photos; it becomes the current
// slideshow and the project is modified. Returns its index, or -1 when nothing was
// made: the name was refused (shown as "The slideshow name is empty or already in use!") or
// no file could be added (no files chosen: the user cancelled). Files that could
// not be added are named in one message.
int create_slideshow_with_photos(Project& project, std::string_view name,
                                 std::span<const std::filesystem::path> files);

struct FolderImportResult {
  int slideshows = 0;  // slideshows made
  // The import stopped after a folder whose photos reached the size limit.
  bool limit_reached = false;
};

// The pictures directly in `folder` (not in its subfolders), by file name: the
// regular files of every picture type the program knows by extension.
std::vector<std::filesystem::path> picture_files(const std::filesystem::path& folder);

// The name a slideshow imported from `folder` takes: the folder's own name, with
// "+" appended while a slideshow bears it (Trip, Trip+, Trip++), cut so that the
// "+" still fit the 15 characters of a name.
std::string import_slideshow_name(const Project& project, const std::filesystem::path& folder);

// One new slideshow per folder with pictures, in order, each made as
// create_slideshow_with_photos makes one and becoming the current slideshow;
// folders without pictures are passed over silently. A folder whose photos reach
// the size limit, or the slideshow limit, ends the import; the size limit is shown
// as "You cannot add more pictures than the output disk can hold!". Pictures that could not
// be added are named in one message at the end.
FolderImportResult import_folders(Project& project, std::span<const std::filesystem::path> folders);

}  // namespace pictavo
