#include "audio/music_player.h"

#include <algorithm>
#include <numeric>
#include <utility>

#include "audio/audio_duration.h"
#include "base/log.h"

namespace pictavo {

MusicPlayer::MusicPlayer(TimerService& timers) : timers_(timers) {}

MusicPlayer::~MusicPlayer() {
  stop_playback();
}

void MusicPlayer::play_files(std::vector<std::filesystem::path> files,
                             std::chrono::microseconds from) {
  if (playing_ || stopping_ || files.empty()) return;
  std::size_t first = 0;
  if (from > std::chrono::microseconds(0)) {
    // The track `from` falls in, by the tracks' measured lengths.
    std::vector<std::chrono::microseconds> lengths;
    for (const std::filesystem::path& file : files)
      lengths.push_back(std::max(audio_duration(file.c_str()), std::chrono::microseconds(0)));
    const std::chrono::microseconds total =
        std::accumulate(lengths.begin(), lengths.end(), std::chrono::microseconds(0));
    if (from >= total && !loop_audio_) return;
    from = total > std::chrono::microseconds(0) ? from % total : std::chrono::microseconds(0);
    // Within the list now, so the search ends inside it.
    for (; from >= lengths[first] && lengths[first] > std::chrono::microseconds(0); ++first)
      from -= lengths[first];
  }
  playing_ = true;
  play_list_ = std::move(files);
  next_index_ = first;
  skip_ = from;
  play_next();
}

void MusicPlayer::stop_playback() {
  if (!playing_ || stopping_) return;
  stopping_ = true;
  playback_.reset();
  if (timer_ != 0) timers_.kill_timer(std::exchange(timer_, 0));
  next_index_ = 0;
  play_list_.clear();
  playing_ = false;
  stopping_ = false;
}

std::optional<std::size_t> MusicPlayer::current_track() const {
  if (!playing_ || next_index_ == 0) return std::nullopt;
  return next_index_ - 1;
}

bool MusicPlayer::play_next() {
  const std::size_t index = next_index_++;
  auto playback = std::make_unique<TrackPlayback>();
  switch (playback->open_output()) {
    case TrackPlayback::OutputStatus::no_audio_system:
      write_log("Init IID_IGraphBuilder failed!");
      fail(index, playback->error());
      return false;
    case TrackPlayback::OutputStatus::no_output_device:
      write_log("Init IID_IMediaControl failed!");
      fail(index, playback->error());
      return false;
    case TrackPlayback::OutputStatus::ready:
      break;
  }
  write_log("Init audio player module ok!");
  if (!playback->load(play_list_[index])) {
    write_log("Render file failed, there is no need audio player module installed!");
    fail(index, playback->error());
    return false;
  }
  write_log("Render file ok!");
  const std::chrono::microseconds skipped = std::exchange(skip_, std::chrono::microseconds(0));
  playback->skip(skipped);
  playback->start();
  playback_ = std::move(playback);
  // At least a millisecond, so that a list of tiny files cannot spin the timers.
  const auto length = std::max(
      std::chrono::duration_cast<std::chrono::milliseconds>(playback_->duration() - skipped),
      std::chrono::milliseconds(1));
  timer_ = timers_.start_timer(length, [this] { track_ended(); });
  if (observer_ != nullptr) {
    observer_->track_started(index, play_list_[index], playback_->duration());
  }
  return true;
}

void MusicPlayer::track_ended() {
  timer_ = 0;  // it has fired
  playback_.reset();
  if (next_index_ >= play_list_.size()) {
    if (!loop_audio_) {
      stop_playback();
      if (observer_ != nullptr) observer_->playback_finished();
      return;
    }
    next_index_ = 0;
  }
  play_next();
}

void MusicPlayer::fail(std::size_t index, const std::string& reason) {
  const std::filesystem::path file = play_list_[index];
  stop_playback();
  if (observer_ != nullptr) observer_->playback_failed(index, file, reason);
}

}  // namespace pictavo
