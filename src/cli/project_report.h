#pragma once

#include <cstddef>
#include <filesystem>
#include <span>

namespace pictavo {
class Project;
class Slideshow;
}  // namespace pictavo

namespace pictavo::cli {

// What a user sees of a project in the program's lists, printed on stdout: its
// totals and every slideshow with its music and photos (positions count from 1).
void print_project(const Project& project);
void print_slideshow(const Slideshow& slideshow);

// Names on stderr every file of `files` that is not among the slideshow's photos
// from `first_added` on: the files it was asked to add.
void report_left_out(const Slideshow& slideshow, std::size_t first_added,
                     std::span<const std::filesystem::path> files);

}  // namespace pictavo::cli
