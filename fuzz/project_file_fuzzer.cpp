// Loads generated project text: the input with "$HOME$", "$PHOTO$" and "$SECOND$"
// standing for the program folder and two real photos in it (the seeds are saved
// projects). Whatever is loaded must hold only values the program can use, and
// must save to a file that loads back to the same text.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>

#include "effects/transition_type.h"
#include "fuzz_support.h"
#include "image/image.h"
#include "image/image_file.h"
#include "model/photo_durations.h"
#include "model/project.h"
#include "model/project_file.h"

namespace {

namespace fs = std::filesystem;

using pictavo::fuzz::require;

// The program folder: its working folder and two real photos.
const fs::path& home() {
  static const fs::path folder = [] {
    const fs::path made = pictavo::fuzz::scratch_folder();
    fs::create_directories(made / "Project_1" / "temp");
    ::setenv("PICTAVO_HOME", made.c_str(), 1);
    for (const char* name : {"photo.png", "second.bmp"}) {
      const std::optional<pictavo::Image> picture = pictavo::Image::create(4, 3, 24);
      require(picture &&
              pictavo::save_image(*picture, made / name, pictavo::image_type_of(made / name)));
    }
    return made;
  }();
  return folder;
}

std::string with_paths(std::string text) {
  const std::pair<std::string, std::string> placeholders[] = {
      {"$PHOTO$", (home() / "photo.png").string()},
      {"$SECOND$", (home() / "second.bmp").string()},
      {"$HOME$", home().string()}};
  for (const auto& [mark, path] : placeholders) {
    for (std::size_t at = text.find(mark); at != std::string::npos;
         at = text.find(mark, at + path.size())) {
      text.replace(at, mark.size(), path);
    }
  }
  return text;
}

std::unique_ptr<pictavo::Project> loaded(const std::string& text, bool& read) {
  auto project = std::make_unique<pictavo::Project>(home());
  project->preferences.set_program_folder(home(), home());
  project->preferences.project_path = home() / "fuzz.prg";
  std::ofstream(project->preferences.project_path, std::ios::binary | std::ios::trunc) << text;
  read = static_cast<bool>(pictavo::load_project(*project));
  return project;
}

void require_usable(const pictavo::Project& project) {
  require(project.slideshow_count() <= pictavo::Project::kMaxSlideshows);
  for (const auto& slideshow : project.slideshows) {
    require(!slideshow->photos.empty());
    require(slideshow->total_frames >= 0);
    for (const auto& photo : slideshow->photos) {
      const pictavo::EffectRecord& effect = photo->setting.effect;
      require(effect.display_seconds >= pictavo::kMinDisplaySeconds &&
              effect.display_seconds <= pictavo::kMaxDisplaySeconds);
      require(effect.transition_seconds >= pictavo::kMinTransitionSeconds &&
              effect.transition_seconds <= pictavo::kMaxTransitionSeconds);
      require(static_cast<int>(effect.image_effect) >= 0 &&
              effect.image_effect < pictavo::ImageEffect::kRandom);
      require(effect.transition().type() != pictavo::TransitionType::kRandom);
      require(photo->setting.tv_system == 0 || photo->setting.tv_system == 1);
    }
  }
}

std::string saved(pictavo::Project& project) {
  project.preferences.project_path = home() / "saved.prg";
  project.modified = true;
  require(static_cast<bool>(pictavo::save_project_silently(project)));
  std::ifstream in(project.preferences.project_path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string input(reinterpret_cast<const char*>(data), size);
  bool read = false;
  std::unique_ptr<pictavo::Project> first = loaded(with_paths(input), read);
  require_usable(*first);
  // One save brings the project to the program's form; from then on a load and a
  // save change nothing.
  const std::string once = saved(*first);
  std::unique_ptr<pictavo::Project> second = loaded(once, read);
  require(read);
  const std::string twice = saved(*second);
  std::unique_ptr<pictavo::Project> third = loaded(twice, read);
  require(read && saved(*third) == twice);
  return 0;
}
