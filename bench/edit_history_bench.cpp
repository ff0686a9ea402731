// Undo and redo in a slideshow of 2,000 photos, against the way an undo is most
// simply built: keeping a copy of the whole slideshow before each step.
#include <malloc.h>
#include <stdlib.h>

#include <cstdio>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "edit/edit_history.h"
#include "edit/photo_commands.h"
#include "edit/slideshow_commands.h"
#include "model/project.h"
#include "ratio.h"

namespace {

namespace fs = std::filesystem;
using namespace pictavo;

constexpr int kPhotos = 2000;
constexpr int kMoved = 100;
constexpr int kDurationSteps = 500;

fs::path make_folder() {
  std::string pattern = (fs::temp_directory_path() / "pictavo-bench-XXXXXX").string();
  if (::mkdtemp(pattern.data()) == nullptr) std::abort();
  ::setenv("PICTAVO_HOME", pattern.c_str(), 1);
  return pattern;
}

// Photos need no files here: no step reads them.
Slideshow& filled_slideshow(Project& project, const std::string& name) {
  project.add_slideshow(name);
  Slideshow& slideshow = *project.slideshows.back();
  for (int i = 0; i < kPhotos; ++i) {
    slideshow.photos.push_back(std::make_unique<PhotoItem>(
        project.preferences.working_folder / ("IMG_" + std::to_string(i) + ".jpg"),
        project.default_setting));
  }
  slideshow.update_length();
  return slideshow;
}

std::size_t heap_in_use() {
  return mallinfo2().uordblks;
}

}  // namespace

int main() {
  using bench::best_seconds;
  using bench::report;
  const fs::path home = make_folder();
  Project project(home);
  project.preferences.set_program_folder(home, home);
  EditHistory history(project);
  const ModelId show = filled_slideshow(project, "Show").id();

  std::vector<int> moved;
  for (int i = 0; i < kMoved; ++i)
    moved.push_back(i * (kPhotos / kMoved));
  const double apply = best_seconds(5, [&] {
    history.run(move_photos_edit(show, moved, kPhotos / 2, true));
    history.undo();
  });
  const double undo = best_seconds(5, [&] {
    history.redo();
    history.undo();
  });
  const double copy = best_seconds(5, [&] { Slideshow kept(*project.slideshows.front()); });
  report("apply + undo: move 100 of 2,000 photos", apply, "copy", copy);
  report("redo + undo: the same move", undo, "copy", copy);

  const ModelId doomed = filled_slideshow(project, "Doomed").id();
  history.run(remove_slideshow_edit(doomed));
  const double restore = best_seconds(5, [&] {
    history.undo();
    history.redo();
  });
  report("undo + redo: delete a slideshow of 2,000", restore, "copy", copy);

  history.clear();
  std::size_t copy_bytes = heap_in_use();
  {
    const Slideshow kept(*project.slideshows.front());
    copy_bytes = heap_in_use() - copy_bytes;
  }
  const std::size_t before = heap_in_use();
  for (int step = 0; step < kDurationSteps; ++step) {
    // Another photo each time, so that no two steps merge.
    history.run(display_seconds_edit(show, {step}, 1 + step % 20));
  }
  const std::size_t after = heap_in_use();
  std::printf(
      "%d duration steps hold %.1f KB; a copy of the slideshow per step would hold %.1f MB\n",
      kDurationSteps, static_cast<double>(after - before) / 1024.0,
      kDurationSteps * static_cast<double>(copy_bytes) / (1024.0 * 1024.0));
  fs::remove_all(home);
  return 0;
}
