#include "editing_fixture.h"

#include <fstream>
#include <string>

#include "audio/audio_converter_module.h"
#include "model/project_start.h"
#include "model/unsaved_changes.h"
#include "support/seeded_random.h"
#include "support/test_modules.h"

namespace pictavo::test {

PromptAnswer RecordingPrompt::show(const PromptMessage& message) {
  shown.push_back(message);
  return cautious_answer(message.buttons);
}

EditingTest::EditingTest() {
  home.install("profile");
  home.install_file(fake_audio_converter_module(), kAudioConverterModule);
  std::filesystem::create_directories(home.path() / "menu_pic");
  std::ofstream(home.path() / "menu_pic" / "default.mp3") << "25";
  project = std::make_unique<Project>(home.path());
  start_project(*project);
  project->front_end.prompt = &prompt;
  project->front_end.observer = &observer;
  put_next_draw(0);
  clear_unsaved();
}

std::filesystem::path EditingTest::photo(std::string_view name) const {
  const std::filesystem::path path = files / name;
  std::filesystem::copy_file(test_data_folder() / "images" / "valid" / "pattern.png", path,
                             std::filesystem::copy_options::overwrite_existing);
  return path;
}

std::filesystem::path EditingTest::music(std::string_view name, int seconds) const {
  const std::filesystem::path path = files / name;
  std::ofstream(path) << (seconds > 0 ? std::to_string(seconds) : std::string("noise"));
  return path;
}

Slideshow& EditingTest::slideshow_with_photos(int count) {
  project->add_slideshow("Show");
  Slideshow& slideshow = *project->slideshows.back();
  for (int i = 0; i < count; ++i)
    slideshow.add_photo(photo("p" + std::to_string(i) + ".png"), project->default_setting);
  return slideshow;
}

}  // namespace pictavo::test
