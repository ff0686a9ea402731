#pragma once

#include <filesystem>
#include <memory>
#include <span>
#include <string>
#include <vector>

#include "audio/music_track.h"
#include "base/clock_seconds.h"
#include "base/user_text.h"

namespace pictavo {

// One music track of a slideshow.
class AudioTrack {
 public:
  // A track of the file at `path`, or of `default_music` when that file does not
  // exist. The length is measured now, by the audio converter module.
  AudioTrack(const std::filesystem::path& path, std::string file_name,
             std::filesystem::path converted_path, const std::filesystem::path& default_music);

  const std::filesystem::path& source_path() const { return source_path_; }
  const std::string& file_name() const { return file_name_; }  // with its extension
  const ClockSeconds& duration() const { return duration_; }

  std::filesystem::path converted_path;  // the MP2 copy that music preparation writes
  ClockSeconds start;                    // within the slideshow's music

 private:
  std::filesystem::path source_path_;
  std::string file_name_;
  ClockSeconds duration_;
};

// What music preparation needs of the tracks, in the same order.
std::vector<MusicTrack> music_tracks(std::span<const std::unique_ptr<AudioTrack>> tracks);

// What the user is told when a file cannot become a track because no length can be
// measured in it (a duration of 0 seconds).
UserText not_music_message(const std::filesystem::path& path);

}  // namespace pictavo
