#pragma once

#include <atomic>
#include <chrono>
#include <cstdint>
#include <filesystem>
#include <string>

#include "audio/audio_reader.h"

namespace pictavo {

// One music file playing through the default audio output (SDL). The file is
// decoded on the output's own thread as the output asks for sound; everything
// else happens on the thread that owns the object. Destroying it stops the sound.
class TrackPlayback {
 public:
  enum class OutputStatus { ready, no_audio_system, no_output_device };

  TrackPlayback() = default;
  ~TrackPlayback();
  TrackPlayback(const TrackPlayback&) = delete;
  TrackPlayback& operator=(const TrackPlayback&) = delete;

  // Sets up the audio system and opens the default output, silent until start().
  OutputStatus open_output();
  // Prepares the file at `path` to play from its start and measures its length;
  // false when it holds nothing that can be played. Needs an open output.
  bool load(const std::filesystem::path& path);
  // Passes over the first `from` of the loaded sound: playing starts there.
  void skip(std::chrono::microseconds from);
  void start();

  std::chrono::microseconds duration() const { return duration_; }
  // Why the last step failed.
  const std::string& error() const { return error_; }
  // Samples of the file handed to the output so far.
  std::int64_t samples_played() const { return samples_played_.load(); }

 private:
  // The output's request for `length` bytes of sound, on the output's thread.
  static void fill_output(void* playback, std::uint8_t* stream, int length);

  bool audio_system_ = false;
  std::uint32_t device_ = 0;  // 0 while no output is open
  AudioFormat format_;        // what the output plays
  bool loaded_ = false;
  // Read by the output's thread only once start() has run; untouched here after.
  AudioReader reader_;
  std::chrono::microseconds duration_{0};
  std::atomic<std::int64_t> samples_played_{0};
  std::string error_;
};

}  // namespace pictavo
