#pragma once

#include <filesystem>
#include <span>
#include <string>
#include <string_view>

#include "audio/music_track.h"
#include "base/event.h"

namespace pictavo {

// `folder`/NAME.`extension`, NAME being the file name of the track's music file
// `source` without its last extension: where the track's converted copy goes.
std::filesystem::path make_converted_path(const std::filesystem::path& source,
                                          const std::filesystem::path& folder,
                                          std::string_view extension);

// What the make-video job hands to prepare_music. Everything is read during the
// call only; nothing is kept.
struct MusicRequest {
  std::span<const MusicTrack> tracks;  // in playing order
  std::filesystem::path output_path;   // the joined MP2 file
  Event* stop = nullptr;               // tested without waiting, also by the converter; may be null
  // With loop_audio the music is repeated until it covers the project's length
  // (project_seconds): project_seconds / the tracks' summed seconds + 1 passes.
  bool loop_audio = false;
  int project_seconds = 0;
};

// How often the joined file holds the tracks: once, or with loop_audio as often as
// it takes to outlast the project (a list without length plays once).
int repetition_count(const MusicRequest& request);

// Converts every track, repeated as the request says, into the one MP2 output file
// with the audio converter module: as one stream, so that no silence comes between
// the tracks, or, with a converter that cannot do that, track by track into the
// converted paths and then joined end to end. Returns 0 when done, 1 when the
// module cannot be loaded, a file cannot be written or read or a track is the
// output file itself, 2 when stopped, or the converter's own failure code; for a
// failure other than a stop, `failure` (when given) says what went wrong. The
// output appears only when complete; converted files never outlive the call.
int prepare_music(const MusicRequest& request, std::string* failure = nullptr);

}  // namespace pictavo
