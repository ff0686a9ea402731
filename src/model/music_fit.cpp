#include "model/music_fit.h"

#include <numeric>
#include <vector>

#include "model/photo_durations.h"

namespace pictavo {
namespace {

int music_seconds(std::span<const std::unique_ptr<AudioTrack>> music) {
  int seconds = 0;
  for (const auto& track : music)
    seconds += track->duration().seconds();
  return seconds;
}

// Gives photo `index` one second more when the slideshow then still ends with the
// music.
bool add_second(Slideshow& slideshow, std::size_t index, int music) {
  int& seconds = slideshow.photos[index]->setting.effect.display_seconds;
  if (seconds >= kMaxDisplaySeconds) return false;
  ++seconds;
  slideshow.update_length();
  if (slideshow.length_seconds() <= music) return true;
  --seconds;
  slideshow.update_length();
  return false;
}

// Whether the slideshow still ends with the music when every photo shows for
// `seconds`.
bool fits_with(Slideshow& slideshow, std::span<const int> photos, int seconds, int music) {
  slideshow.set_display_seconds(photos, seconds);
  return slideshow.length_seconds() <= music;
}

}  // namespace

MusicFit fit_display_to_music(Slideshow& slideshow,
                              std::span<const std::unique_ptr<AudioTrack>> music) {
  MusicFit fit;
  fit.music_seconds = music_seconds(music);
  fit.video_seconds = slideshow.length_seconds();
  if (slideshow.photos.empty() || fit.music_seconds <= 0) return fit;

  std::vector<int> all(slideshow.photos.size());
  std::iota(all.begin(), all.end(), 0);
  slideshow.set_display_seconds(all, kMinDisplaySeconds);
  if (slideshow.length_seconds() > fit.music_seconds) {
    fit.outcome = MusicFitOutcome::kMusicTooShort;
  } else {
    // The longest time all photos can share, found by halving; then a second more
    // each for the first photos while the music lasts.
    int shared = kMinDisplaySeconds;
    for (int longest = kMaxDisplaySeconds; shared < longest;) {
      const int middle = (shared + longest + 1) / 2;
      if (fits_with(slideshow, all, middle, fit.music_seconds))
        shared = middle;
      else
        longest = middle - 1;
    }
    slideshow.set_display_seconds(all, shared);
    for (std::size_t i = 0; i < slideshow.photos.size(); ++i)
      add_second(slideshow, i, fit.music_seconds);
    const bool ends_with_music = slideshow.length_seconds() + 1 > fit.music_seconds;
    fit.outcome = ends_with_music ? MusicFitOutcome::kFitted : MusicFitOutcome::kMusicTooLong;
  }
  fit.video_seconds = slideshow.length_seconds();
  return fit;
}

}  // namespace pictavo
