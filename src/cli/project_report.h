#pragma once

namespace pictavo {
class Project;
class Slideshow;
}  // namespace pictavo

namespace pictavo::cli {

// What a user sees of a project in the program's lists, printed on stdout: its
// totals and every slideshow with its music and photos (positions count from 1).
void print_project(const Project& project);
void print_slideshow(const Slideshow& slideshow, float frame_rate);

}  // namespace pictavo::cli
