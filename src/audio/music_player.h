#pragma once

#include <chrono>
#include <cstddef>
#include <filesystem>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "audio/track_playback.h"
#include "base/timer_service.h"

namespace pictavo {

// What a music player tells its owner (the music page shows the playing track).
class MusicPlayerObserver {
 public:
  virtual ~MusicPlayerObserver() = default;
  virtual void track_started(std::size_t /*index*/, const std::filesystem::path& /*file*/,
                             std::chrono::microseconds /*duration*/) {}
  // The track at `index` cannot be played; the player has stopped.
  virtual void playback_failed(std::size_t /*index*/, const std::filesystem::path& /*file*/,
                               const std::string& /*reason*/) {}
  // Every track has been played once (loop-audio off); the player has stopped.
  virtual void playback_finished() {}
};

// Plays a list of music files one after the other, from the start again after the
// last one when loop-audio is on. Each track plays for its measured length, timed
// by a one-shot timer of the owner's TimerService, so every call and every timer
// callback runs on the owner's thread. Failures go to the program's log and leave
// the player idle; it never asks or tells the user anything itself.
class MusicPlayer {
 public:
  // `timers` must outlive the player.
  explicit MusicPlayer(TimerService& timers);
  ~MusicPlayer();
  MusicPlayer(const MusicPlayer&) = delete;
  MusicPlayer& operator=(const MusicPlayer&) = delete;

  // Read when the end of the list is reached, so a change applies to a running list.
  void set_loop_audio(bool loop) { loop_audio_ = loop; }
  void set_observer(MusicPlayerObserver* observer) { observer_ = observer; }

  // Starts the music files from the first, or `from` into the list as if it had
  // played that long (around again with loop-audio; nothing when the list ends
  // before it). Ignored while playing or stopping, and for an empty list.
  void play_files(std::vector<std::filesystem::path> files,
                  std::chrono::microseconds from = std::chrono::microseconds(0));
  // Silences the player and forgets the list; ignored unless playing.
  void stop_playback();

  bool is_playing() const { return playing_; }
  // The index of the track that plays now; nothing while idle.
  std::optional<std::size_t> current_track() const;
  // The output of the track that plays now; null while idle.
  const TrackPlayback* current_playback() const { return playback_.get(); }

 private:
  // Plays the file at the next index and moves the index on; false (and the
  // player idle) when it cannot be played.
  bool play_next();
  void track_ended();
  void fail(std::size_t index, const std::string& reason);

  TimerService& timers_;
  MusicPlayerObserver* observer_ = nullptr;
  bool loop_audio_ = false;

  bool playing_ = false;
  bool stopping_ = false;
  std::vector<std::filesystem::path> play_list_;
  std::size_t next_index_ = 0;
  std::chrono::microseconds skip_{0};  // into the next track that starts
  std::unique_ptr<TrackPlayback> playback_;
  TimerService::TimerId timer_ = 0;  // 0 while no timer runs
};

}  // namespace pictavo
