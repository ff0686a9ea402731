#include "model/audio_track.h"

#include <system_error>

#include "audio/audio_converter_module.h"
#include "base/translation_mark.h"

namespace pictavo {

AudioTrack::AudioTrack(const std::filesystem::path& path, std::string file_name,
                       std::filesystem::path converted, const std::filesystem::path& default_music)
    : converted_path(std::move(converted)), source_path_(path), file_name_(std::move(file_name)) {
  std::error_code error;
  if (!std::filesystem::exists(source_path_, error)) source_path_ = default_music;
  duration_ = ClockSeconds(track_seconds(source_path_));
}

std::vector<MusicTrack> music_tracks(std::span<const std::unique_ptr<AudioTrack>> tracks) {
  std::vector<MusicTrack> music;
  music.reserve(tracks.size());
  for (const auto& track : tracks)
    music.push_back({.source_path = track->source_path(),
                     .converted_path = track->converted_path,
                     .seconds = track->duration().seconds()});
  return music;
}

UserText not_music_message(const std::filesystem::path& path) {
  return UserText::marked(
      QT_TRANSLATE_NOOP("Engine",
                        "The file '%1' is not a music file Pictavo can play, so it will not be "
                        "added!"),
      {path.string()});
}

}  // namespace pictavo
