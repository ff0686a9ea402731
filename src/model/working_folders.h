#pragma once

#include <filesystem>

namespace pictavo {

// The next numbered project folder below `folder`: "Project_" and one more than the
// highest number of any entry (file or folder) named "Project_N" there, so a number
// that was ever taken is not taken again while its entry exists. Numbers are read
// with atoi's rules ("Project_x" counts as 0); with no such entry it is Project_1.
std::filesystem::path next_project_folder(const std::filesystem::path& folder);

// `path` as stored paths compare as text: lexically normal and without a trailing
// separator ("/a/b/../c/" is "/a/c").
std::filesystem::path normal_path(const std::filesystem::path& path);

// The default project file below `folder`: the first "projectN.prg" (N = 0, 1, ...)
// that does not exist. Any existing entry, even one that cannot be read, is passed
// over, so saving under the name never replaces a file.
std::filesystem::path first_free_project_path(const std::filesystem::path& folder);

}  // namespace pictavo
