#pragma once

#include <memory>
#include <span>

#include "model/slideshow.h"

namespace pictavo {

enum class MusicFitOutcome {
  kFitted,         // the video ends with the music
  kNoMusic,        // no tracks of measurable length, or no photos: nothing changed
  kMusicTooShort,  // every photo at the shortest time still outlasts the music
  kMusicTooLong,   // every photo at the longest time still ends before the music
};

struct MusicFit {
  MusicFitOutcome outcome = MusicFitOutcome::kNoMusic;
  int music_seconds = 0;  // the tracks' summed length
  int video_seconds = 0;  // the slideshow's length afterwards
};

// Sets the display times of every photo so that the slideshow ends with `music`,
// the tracks that play under it (a video plays the project's first slideshow's
// music, whatever tracks its own slideshow holds): whole seconds within the allowed
// range, the same for all but the remainder, which goes a second each to the
// photos from the first on. Transitions are kept. The video never outlasts the
// music when it can end with it, so that no second pass of the music begins under
// the last photo. When the music is too short, every photo gets the shortest time;
// when too long, the longest (the music is cut at the end).
MusicFit fit_display_to_music(Slideshow& slideshow,
                              std::span<const std::unique_ptr<AudioTrack>> music);

}  // namespace pictavo
