#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <system_error>
#include <thread>
#include <vector>

#include "audio/audio_converter_module.h"
#include "audio/audio_duration.h"
#include "audio/audio_reader.h"
#include "audio/music_player.h"
#include "audio/music_preparation.h"
#include "base/clock_seconds.h"
#include "base/event.h"
#include "base/log.h"
#include "base/program_folder.h"
#include "base/result_code.h"
#include "base/timer_queue.h"
#include "cli/commands.h"
#include "cli/interrupt_watch.h"
#include "model/audio_track.h"

extern "C" {
#include <libavutil/log.h>
}

namespace pictavo::cli {
namespace {

void complain(const char* subcommand, const std::string& text) {
  std::fprintf(stderr, "pictavo-cli audio %s: %s\n", subcommand, text.c_str());
}

// What is done with music goes to the program's log, as in the program.
void use_program_log() {
  set_log_path(writable_folder_for(program_folder()) / "log.txt");
}

bool converter_available(const char* subcommand) {
  const Result<SharedModule> module = load_audio_converter_module();
  if (module) return true;
  complain(subcommand, "cannot load the audio converter module: " + module.reason());
  return false;
}

// Why a file of no measurable length is no music track.
std::string refusal_reason(const std::filesystem::path& path) {
  std::error_code error;
  if (!std::filesystem::is_regular_file(path, error)) return "no such file";
  AudioReader reader;
  if (!reader.open(path.c_str(), AudioFormat{})) return reader.error();
  if (audio_duration(path.c_str()).count() == 0) return "no sound in it";
  return "shorter than one second";
}

// The text the program shows when it refuses a music file.
std::string refusal(const std::filesystem::path& path) {
  return not_music_message(path).english() + " (" + refusal_reason(path) + ")";
}

std::vector<std::string> files_of(Arguments& args) {
  std::vector<std::string> files = args.finish();
  if (files.empty()) throw UsageError{"name at least one audio file"};
  return files;
}

int run_measure(Arguments& args) {
  const std::vector<std::string> files = files_of(args);
  if (!converter_available("info")) return kFailed;
  int status = kDone;
  for (const std::string& file : files) {
    const int seconds = track_seconds(file);
    if (seconds > 0) {
      std::printf("%s  %s\n", ClockSeconds(seconds).text().c_str(), file.c_str());
    } else {
      complain("info", refusal(file));
      status = kFailed;
    }
  }
  return status;
}

// A folder of its own for the converted tracks, removed with them.
class ScratchFolder {
 public:
  ScratchFolder() {
    std::string pattern =
        (std::filesystem::temp_directory_path() / "pictavo-audio-XXXXXX").string();
    if (::mkdtemp(pattern.data()) != nullptr) path_ = pattern;
  }
  ~ScratchFolder() {
    std::error_code ignored;
    if (!path_.empty()) std::filesystem::remove_all(path_, ignored);
  }
  ScratchFolder(const ScratchFolder&) = delete;
  ScratchFolder& operator=(const ScratchFolder&) = delete;

  const std::filesystem::path& path() const { return path_; }

 private:
  std::filesystem::path path_;
};

int run_prepare(Arguments& args) {
  const std::optional<std::string> output = args.take_value("-o");
  const std::optional<int> loop_seconds = args.take_int("--loop-seconds");
  const std::vector<std::string> files = files_of(args);
  if (!output) throw UsageError{"name the joined file with -o OUT.mp2"};
  if (loop_seconds && *loop_seconds < 0) throw UsageError{"--loop-seconds cannot be negative"};
  if (!converter_available("prepare")) return kFailed;
  const ScratchFolder scratch;
  if (scratch.path().empty()) {
    complain("prepare", "cannot create a temporary folder");
    return kFailed;
  }

  const std::filesystem::path default_music = program_folder() / "menu_pic" / "default.mp3";
  std::vector<std::unique_ptr<AudioTrack>> tracks;
  int total_seconds = 0;
  for (const std::string& file : files) {
    const std::filesystem::path path(file);
    std::error_code error;
    if (!std::filesystem::is_regular_file(path, error)) {
      complain("prepare", refusal(path));
      return kFailed;
    }
    auto track = std::make_unique<AudioTrack>(path, path.filename().string(),
                                              std::filesystem::path(), default_music);
    if (track->duration().seconds() == 0) {
      complain("prepare", refusal(path));
      return kFailed;
    }
    track->converted_path = make_converted_path(track->source_path(), scratch.path(), "mp2");
    total_seconds += track->duration().seconds();
    tracks.push_back(std::move(track));
  }

  use_program_log();
  Event stop;
  const std::vector<MusicTrack> music = music_tracks(tracks);
  const MusicRequest request{.tracks = music,
                             .output_path = *output,
                             .stop = &stop,
                             .loop_audio = loop_seconds.has_value(),
                             .project_seconds = loop_seconds.value_or(0)};
  int result = kFailed;
  std::string failure;
  {
    const InterruptWatch watch([&stop] { stop.set(); });
    result = prepare_music(request, &failure);
  }
  if (result == kDone) {
    const int passes = repetition_count(request);
    std::printf("%s: %zu tracks of %s, %d time%s\n", output->c_str(), tracks.size(),
                ClockSeconds(total_seconds).text().c_str(), passes, passes == 1 ? "" : "s");
    return kDone;
  }
  if (result == kStopped) {
    complain("prepare", "stopped; nothing was written");
    return kStopped;
  }
  complain("prepare", failure + " (result " + std::to_string(result) + ")");
  return kFailed;
}

// Reports the player's progress on the terminal.
class PlayReport final : public MusicPlayerObserver {
 public:
  explicit PlayReport(std::size_t count) : count_(count) {}

  void track_started(std::size_t index, const std::filesystem::path& file,
                     std::chrono::microseconds duration) override {
    const auto seconds = std::chrono::duration_cast<std::chrono::seconds>(duration).count();
    std::printf("playing %zu/%zu: %s (%s)\n", index + 1, count_, file.c_str(),
                ClockSeconds(static_cast<int>(seconds)).text().c_str());
    std::fflush(stdout);
  }
  void playback_failed(std::size_t, const std::filesystem::path& file,
                       const std::string& reason) override {
    complain("play", "cannot play " + file.string() + ": " + reason);
    failed_ = true;
  }

  bool failed() const { return failed_; }

 private:
  std::size_t count_;
  bool failed_ = false;
};

int run_play(Arguments& args) {
  const bool loop = args.take_flag("--loop");
  const std::vector<std::string> files = files_of(args);
  use_program_log();
  std::atomic<bool> interrupted{false};
  const InterruptWatch watch([&interrupted] { interrupted = true; });

  TimerQueue timers;
  MusicPlayer player(timers);
  PlayReport report(files.size());
  player.set_observer(&report);
  player.set_loop_audio(loop);
  player.play_files({files.begin(), files.end()});

  // The player's timers run here, on the thread that owns it.
  using std::chrono::milliseconds;
  const auto start = std::chrono::steady_clock::now();
  while (player.is_playing() && !interrupted) {
    const auto now =
        std::chrono::duration_cast<milliseconds>(std::chrono::steady_clock::now() - start);
    timers.advance_to(now);
    milliseconds wait(100);
    if (const auto due = timers.next_due()) wait = std::clamp(*due - now, milliseconds(0), wait);
    std::this_thread::sleep_for(wait);
  }
  if (interrupted) {
    player.stop_playback();
    return kStopped;
  }
  return report.failed() ? kFailed : kDone;
}

}  // namespace

int run_audio(Arguments& args) {
  // Refusals come with the command's own reasons; FFmpeg's remarks on damaged
  // files would only repeat them less clearly.
  av_log_set_level(AV_LOG_QUIET);
  const std::optional<std::string> action = args.take_first();
  if (action == "info") return run_measure(args);
  if (action == "prepare") return run_prepare(args);
  if (action == "play") return run_play(args);
  throw UsageError{"name what to do: info, prepare or play"};
}

}  // namespace pictavo::cli
