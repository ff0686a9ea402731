#pragma once

#include <chrono>
#include <cstdint>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "base/event.h"
#include "model/prompt.h"
#include "render/image_layer_photos.h"
#include "video/made_video_check.h"
#include "video/make_video_order.h"

namespace pictavo {

// The module whose own failure code a job's result is. The codes overlap: 3 is
// bad input to the audio converter and bad settings to the encoder.
enum class FailedModule { kNone, kAudioConverter, kEncoder };

// How a make-video job ended.
struct MakeVideoOutcome {
  // 0 done, 1 failed, 2 stopped by the user, any other value a module's failure code.
  int result = 0;
  std::string reason;  // what failed, in plain words; empty when done or stopped
  FailedModule module = FailedModule::kNone;  // set with a module's failure code
  // The videos made that the job's check says will not play, in order; they stay
  // made, and the job is still done.
  std::vector<UnplayableVideo> unplayable;
};

// What a job tells the front end, on the job's thread: the user interface posts it
// on to its own thread; it must not start a job from these calls.
class MakeVideoListener {
 public:
  virtual ~MakeVideoListener() = default;
  virtual void music_started() {}
  virtual void slideshow_started(int /*index*/) {}
  virtual void slideshow_finished(int /*index*/, int /*result*/) {}
  // The progress over the whole project, 0 to 65535: each slideshow moves it over
  // its share of the project's frames.
  virtual void progress(int /*position*/) {}
  // The job's last call; it no longer runs.
  virtual void job_ended(const MakeVideoOutcome& /*outcome*/) {}
};

enum class JobStartState {
  kStarted,
  kAlreadyRunning,
  kNothingToMake,  // no slideshows: nothing happens, nothing is said
  kEmptySlideshow,
  kUnreadablePhoto,
  kOutputHoldsOtherFiles,
  kOutputNotWritable,
  kNotStarted,  // the job's thread could not be started
};

struct JobStart {
  JobStartState state = JobStartState::kStarted;
  std::optional<PromptMessage> message;  // what the user interface shows
  std::string reason;                    // the same in plain words
};

// Makes the videos of a project: the engine of the "Create Video Files" button.
// A job prepares the music once, then writes each slideshow's picture (the THM
// thumbnail of a PSP video, the JPEG cover of another) and makes its video,
// reporting progress through the listener; the PSP check looks at PSP videos
// only. One job at a time.
//
// Stopping: request_stop() asks a running job to stop after the current frame or
// music step; the job then sets the done event when it ends, however it ends. A
// request that comes after the job's last look at the stop event thus still gets
// its done event, and the job's own result (0 when everything was made) says what
// happened.
class MakeVideoJob {
 public:
  explicit MakeVideoJob(MakeVideoListener& listener);
  // Stops a running job and waits for its end.
  ~MakeVideoJob();
  MakeVideoJob(const MakeVideoJob&) = delete;
  MakeVideoJob& operator=(const MakeVideoJob&) = delete;

  // Checks that every slideshow has photos that can still be read, prepares the
  // output folder (output_folder.h) and starts the job's thread with the order.
  // Nothing is started unless the result is kStarted, and nothing changed before
  // the output folder was prepared: only kNotStarted comes after that. With a
  // `check`, which must outlive the job's run, each video made is checked and the
  // ones that will not play are logged and listed in the outcome.
  JobStart start(MakeVideoOrder order, const MadeVideoCheck* check = nullptr);
  bool running() const;

  // Asks the running job to stop; false (and nothing happens) when none runs.
  bool request_stop();
  // Waits up to `timeout` for the end of a job that was asked to stop: the user
  // interface waits in short steps and keeps handling its events in between.
  bool wait_for_done(std::chrono::milliseconds timeout);
  // request_stop(), then waits for the done event. From one thread at a time.
  void cancel();
  // Waits until the job's thread has ended; the outcome of the last job.
  MakeVideoOutcome wait();

 private:
  void run();
  MakeVideoOutcome make_videos();
  void make_music_and_slideshows(MakeVideoOutcome& outcome);
  int make_slideshow(int index, std::int64_t frames_before, std::int64_t project_frames,
                     std::string& reason);
  void check_video(const std::filesystem::path& video, MakeVideoOutcome& outcome) const;

  MakeVideoListener& listener_;
  const ImageLayerPhotos decoder_;
  Event stop_;
  Event done_;

  // Guarded by mutex_: whether a job runs, and whether it was asked to stop.
  mutable std::mutex mutex_;
  bool running_ = false;
  bool stop_requested_ = false;

  // Set by start() before the thread starts and read-only while it runs.
  std::unique_ptr<const MakeVideoOrder> order_;
  const MadeVideoCheck* check_ = nullptr;
  // Written by the job's thread before it ends; read after wait().
  MakeVideoOutcome outcome_;
  std::thread thread_;
};

// What the user interface shows when a job ended: "Making the video files failed!" for a
// failure (not when the computer is to be switched off after the job), "Stopped!"
// after a stop, the videos that will not play after a job that made some (again
// not before the computer is switched off), nothing otherwise.
std::optional<PromptMessage> outcome_message(const MakeVideoOutcome& outcome,
                                             bool power_off_requested);

}  // namespace pictavo
