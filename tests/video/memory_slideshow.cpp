#include "video/memory_slideshow.h"

#include <memory>

#include "effects/transition_params.h"
#include "model/photo_item.h"

namespace pictavo::test {

MemorySlideshow::MemorySlideshow() : slideshow("memory", std::filesystem::temp_directory_path()) {}

void MemorySlideshow::add_photo(FrameCanvas picture, int display_seconds, int transition_seconds,
                                TransitionType transition, ImageEffect effect,
                                TransitionValues values) {
  const std::string path = "photo" + std::to_string(slideshow.photos.size());
  photos.add(path, std::move(picture));
  auto photo = std::make_unique<PhotoItem>(path, PhotoSetting{});
  EffectRecord& record = photo->setting.effect;
  record.display_seconds = display_seconds;
  record.transition_seconds = transition_seconds;
  record.image_effect = effect;
  record.set_transition(make_transition(transition, values));
  slideshow.photos.push_back(std::move(photo));
}

VideoJob MemorySlideshow::job(const OutputProfile& profile, const std::filesystem::path& video,
                              const std::filesystem::path& music) {
  slideshow.video_path = video;
  slideshow.music_path = music;
  VideoJob job;
  job.slideshow = &slideshow;
  job.profile = &profile;
  job.decoder = &photos;
  return job;
}

}  // namespace pictavo::test
