#pragma once

#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "effects/transition_params.h"
#include "model/photo_item.h"
#include "model/slideshow.h"

// Photos and slideshows for the video benches.
namespace pictavo::bench {

// `count` JPEGs of ffmpeg's colour test picture at `size` ("4000x3000"), each of
// its own hue `hue_step` degrees on, named NAMEn.jpg in `folder`. Exits when ffmpeg
// fails: a bench without its photos measures nothing.
inline std::vector<std::filesystem::path> write_test_photos(const std::filesystem::path& folder,
                                                            const std::string& name, int count,
                                                            const std::string& size, int hue_step) {
  std::vector<std::filesystem::path> photos;
  for (int i = 0; i < count; ++i) {
    const std::filesystem::path photo = folder / (name + std::to_string(i) + ".jpg");
    const std::string command =
        "ffmpeg -hide_banner -loglevel error -nostdin -y -f lavfi -i testsrc2=s=" + size +
        " -vf hue=h=" + std::to_string(i * hue_step) + " -frames:v 1 -q:v 3 '" + photo.string() +
        "'";
    if (std::system(command.c_str()) != 0) std::exit(1);
    photos.push_back(photo);
  }
  return photos;
}

// The photos in order, each shown `display_seconds` with `motion` after a cross-fade
// of `transition_seconds`.
inline Slideshow cross_fade_slideshow(const std::vector<std::filesystem::path>& photos,
                                      const std::filesystem::path& folder, int display_seconds,
                                      int transition_seconds, ImageEffect motion) {
  Slideshow slideshow("bench", folder);
  for (const std::filesystem::path& path : photos) {
    auto photo = std::make_unique<PhotoItem>(path, PhotoSetting{});
    EffectRecord& effect = photo->setting.effect;
    effect.display_seconds = display_seconds;
    effect.transition_seconds = transition_seconds;
    effect.image_effect = motion;
    effect.set_transition(std::make_unique<AlphaParams>(TransitionValues{0, 0}));
    slideshow.photos.push_back(std::move(photo));
  }
  return slideshow;
}

}  // namespace pictavo::bench
