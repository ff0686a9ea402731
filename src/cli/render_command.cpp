#include <cstdio>
#include <ctime>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "base/event.h"
#include "base/log.h"
#include "base/program_folder.h"
#include "base/result_code.h"
#include "cli/commands.h"
#include "cli/interrupt_watch.h"
#include "cli/progress_bar.h"
#include "cli/transition_name.h"
#include "effects/random_generator.h"
#include "effects/transition_choice.h"
#include "effects/transition_params.h"
#include "model/photo_item.h"
#include "model/slideshow.h"
#include "profiles/profile_group_list.h"
#include "render/image_layer_photos.h"
#include "video/encoder_module.h"
#include "video/video_maker.h"

namespace pictavo::cli {
namespace {

// What the user chose for every photo.
struct PhotoChoices {
  int display_seconds = 3;
  int transition_seconds = 2;
  TransitionType transition = TransitionType::kAlpha;
  int image_effect = static_cast<int>(ImageEffect::kNone);
};

PhotoChoices read_choices(Arguments& args) {
  PhotoChoices choices;
  choices.display_seconds = args.take_int("--display").value_or(choices.display_seconds);
  choices.transition_seconds = args.take_int("--tseconds").value_or(choices.transition_seconds);
  if (choices.display_seconds < 0 || choices.transition_seconds < 0)
    throw UsageError{"--display and --tseconds need whole seconds of 0 or more"};
  if (const std::optional<std::string> name = args.take_value("--transition")) {
    const std::optional<TransitionType> type = transition_named(*name, "--transition");
    if (!type) throw UsageError{"no transition \"" + *name + "\" (give an id 0-18 or a name)"};
    choices.transition = *type;
  }
  if (const std::optional<int> effect = args.take_int("--effect")) {
    if (*effect < 0 || *effect >= kImageEffectCount)
      throw UsageError{"--effect needs an image effect id 0-21"};
    choices.image_effect = *effect;
  }
  return choices;
}

// A photo with the choices; Random transitions and effects are drawn per photo.
std::unique_ptr<PhotoItem> make_photo(const std::filesystem::path& path,
                                      const PhotoChoices& choices) {
  auto photo = std::make_unique<PhotoItem>(path, PhotoSetting{});
  EffectRecord& effect = photo->setting.effect;
  effect.display_seconds = choices.display_seconds;
  effect.transition_seconds = choices.transition_seconds;
  effect.set_transition(resolve_transition(*make_transition(choices.transition)));
  effect.image_effect = choices.image_effect == static_cast<int>(ImageEffect::kRandom)
                            ? draw_image_effect(ImageEffectCategory::kPanZoomRotate)
                            : static_cast<ImageEffect>(choices.image_effect);
  return photo;
}

}  // namespace

int run_render(Arguments& args) {
  const std::vector<std::string> photo_paths = args.take_values("--photo");
  const std::optional<int> profile_index = args.take_int("--profile");
  const std::optional<std::string> music = args.take_value("--music");
  const std::optional<std::string> output = args.take_value("-o");
  const std::optional<int> seed = args.take_int("--seed");
  const bool blurred_background = args.take_flag("--blurred-background");
  const PhotoChoices choices = read_choices(args);
  if (!args.finish().empty()) throw UsageError{"takes no positional arguments"};
  if (photo_paths.empty()) throw UsageError{"needs at least one --photo"};
  if (!output) throw UsageError{"needs -o OUT.mp4"};

  const std::filesystem::path folder = program_folder();
  set_log_path(writable_folder_for(folder) / "log.txt");
  ProfileGroupList profiles;
  if (!profiles.load_profiles(folder)) {
    std::fprintf(stderr, "pictavo-cli render: warning: %s\n", profiles.shortfall().c_str());
  }
  const int index = profile_index.value_or(0);
  if (!profiles.choose_profile(index)) {
    std::fprintf(stderr,
                 "pictavo-cli render: there is no output profile %d (pictavo-cli profiles lists "
                 "them)\n",
                 index);
    return kFailed;
  }
  const OutputProfile& profile = *profiles.current_profile();

  const std::filesystem::path music_path =
      music ? std::filesystem::path(*music) : folder / "menu_pic" / "silent.mp2";
  if (std::FILE* file = std::fopen(music_path.c_str(), "rb")) {
    std::fclose(file);
  } else {
    std::fprintf(stderr, "pictavo-cli render: cannot read the music %s\n", music_path.c_str());
    return kFailed;
  }

  const ImageLayerPhotos decoder;
  effect_random().seed(seed ? static_cast<std::uint32_t>(*seed)
                            : static_cast<std::uint32_t>(std::time(nullptr)));
  const std::filesystem::path video_path = *output;
  Slideshow slideshow(video_path.stem().string(), std::filesystem::temp_directory_path());
  for (const std::string& path : photo_paths) {
    if (!decoder.probe(path)) {
      std::fprintf(stderr, "pictavo-cli render: cannot read the photo %s\n", path.c_str());
      return kFailed;
    }
    slideshow.photos.push_back(make_photo(path, choices));
  }
  slideshow.video_path = video_path;
  slideshow.music_path = music_path;

  Event stop;
  ProgressBar bar("rendering");
  int frames = 0;
  VideoJob job;
  job.slideshow = &slideshow;
  job.profile = &profile;
  job.decoder = &decoder;
  job.stop_event = &stop;
  job.blurred_background = blurred_background;
  job.on_progress = [&bar, &frames](int progress) {
    ++frames;
    bar.show(progress);
  };
  std::string failure;
  int result = 0;
  {
    const InterruptWatch watch([&stop] { stop.set(); });
    result = make_slideshow_video(job, &failure);
  }
  bar.end(result == 0);

  if (result == 0) {
    std::printf("%s: %d frames, %s\n", video_path.c_str(), frames, profile.desc_l.c_str());
    return 0;
  }
  if (result == kStopped) {
    std::fprintf(stderr, "pictavo-cli render: stopped; the first %d frames are in %s\n", frames,
                 video_path.c_str());
    return kStopped;
  }
  std::fprintf(stderr, "pictavo-cli render: cannot make %s: %s\n", video_path.c_str(),
               result == kFailed ? failure.c_str() : encoder_failure_text(result).c_str());
  return kFailed;
}

}  // namespace pictavo::cli
