#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "model/slideshow.h"
#include "profiles/output_profile.h"

namespace pictavo {

class Project;

// Everything a make-video job reads, copied from the project when the job starts:
// the project may change, or go, while the job runs.
struct MakeVideoOrder {
  // Detached copies of the project's slideshows, in order. Each video path is
  // OUTPUT/NAME.EXT and each music path the shared music; the first slideshow's
  // tracks are converted into the temporary folder.
  std::vector<Slideshow> slideshows;
  OutputProfile profile;
  std::filesystem::path output_folder;
  // The project's own Output folder, which a run empties whole; any other folder
  // loses only the files a run writes.
  bool output_folder_is_own = false;
  std::filesystem::path temp_folder;
  // The music of every video: TEMP/FIRST.mp2, made from the first slideshow's
  // tracks, or the program's silent track when that slideshow has none.
  std::filesystem::path music_path;
  bool loop_audio = false;          // repeat the music to outlast the project
  bool blurred_background = false;  // a blurred copy of each photo instead of bars
  int music_fade_out_seconds = 0;   // the music's fade at each video's end
  int project_seconds = 0;
  // Photos marked missing, left out of the copies: the user is told of them.
  std::vector<std::filesystem::path> left_out;

  // Whether the job prepares the music (else music_path is the silent track).
  bool makes_music() const;
  // The names of the files a run writes into the output folder: every slideshow's
  // video and the picture beside it.
  std::vector<std::string> output_file_names() const;
  // The picture beside a slideshow's video in the output folder: the PSP's THM
  // thumbnail, or for other videos their JPEG cover.
  std::filesystem::path picture_path(const Slideshow& slideshow) const;
};

// The order to make the project's videos into `output_folder` with its current
// output profile; nothing without one.
std::optional<MakeVideoOrder> make_video_order(const Project& project,
                                               const std::filesystem::path& output_folder);

}  // namespace pictavo
