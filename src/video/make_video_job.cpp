#include "video/make_video_job.h"

#include <algorithm>
#include <string>
#include <system_error>
#include <utility>
#include <vector>

#include "audio/music_preparation.h"
#include "base/exception_text.h"
#include "base/log.h"
#include "base/result_code.h"
#include "model/audio_track.h"
#include "model/photo_preparation.h"
#include "profiles/video_size_table.h"
#include "video/encoder_module.h"
#include "video/make_video_messages.h"
#include "video/output_folder.h"
#include "video/video_maker.h"

namespace pictavo {
namespace {

constexpr int kFullProgress = 65535;

bool is_module_code(int result) {
  return result != kDone && result != kFailed && result != kStopped;
}

// The first photo of the slideshow whose picture can no longer be read.
const PhotoItem* unreadable_photo(const Slideshow& slideshow, const PhotoDecoder& decoder) {
  for (const auto& photo : slideshow.photos) {
    if (!decoder.probe(photo->prepared_path)) return photo.get();
  }
  return nullptr;
}

std::string unreadable_photo_reason(const PhotoItem& photo, const Slideshow& slideshow) {
  return "the photo " + photo.prepared_path.string() + " of slideshow \"" + slideshow.name() +
         "\" cannot be read any more";
}

// The PSP's THM thumbnail beside a PSP video, else a cover picture of the video's
// own frame size.
bool write_video_picture(const MakeVideoOrder& order, const Slideshow& slideshow) {
  if (order.profile.for_psp()) return write_thm(slideshow, order.output_folder);
  const VideoSize* size = find_video_size(order.profile.value(ProfileParameterId::kVideoSize));
  return size != nullptr &&
         write_video_cover(slideshow, order.output_folder, size->width, size->height);
}

JobStart refused(JobStartState state, std::optional<PromptMessage> message, std::string reason) {
  return JobStart{state, std::move(message), std::move(reason)};
}

// Checks the slideshows before anything is touched.
std::optional<JobStart> check_slideshows(const MakeVideoOrder& order, const PhotoDecoder& decoder) {
  if (order.slideshows.empty()) return refused(JobStartState::kNothingToMake, {}, "no slideshows");
  for (const Slideshow& slideshow : order.slideshows) {
    if (slideshow.photos.empty()) {
      return refused(JobStartState::kEmptySlideshow, empty_slideshow_message(slideshow.name()),
                     "slideshow \"" + slideshow.name() + "\" has no photos");
    }
    if (const PhotoItem* photo = unreadable_photo(slideshow, decoder)) {
      return refused(JobStartState::kUnreadablePhoto,
                     unreadable_photo_message(photo->prepared_path, slideshow.name()),
                     unreadable_photo_reason(*photo, slideshow));
    }
  }
  return std::nullopt;
}

std::optional<JobStart> check_output_folder(const MakeVideoOrder& order) {
  const std::vector<std::string> own_files = order.output_file_names();
  const OutputFolderCheck folder =
      prepare_output_folder(order.output_folder, order.output_folder_is_own, own_files);
  switch (folder.state) {
    case OutputFolderState::kReady:
      return std::nullopt;
    case OutputFolderState::kHoldsOtherFiles:
      return refused(JobStartState::kOutputHoldsOtherFiles, output_folder_not_emptied_message(),
                     "the output folder " + order.output_folder.string() +
                         " holds files that are not this project's videos (" +
                         folder.blocking_entry.filename().string() +
                         "); choose an empty or new folder");
    case OutputFolderState::kNotWritable:
      break;
  }
  return refused(
      JobStartState::kOutputNotWritable, output_folder_not_writable_message(order.output_folder),
      "the output folder " + order.output_folder.string() + " cannot be made or written");
}

}  // namespace

MakeVideoJob::MakeVideoJob(MakeVideoListener& listener) : listener_(listener) {}

MakeVideoJob::~MakeVideoJob() {
  request_stop();
  if (thread_.joinable()) thread_.join();
}

JobStart MakeVideoJob::start(MakeVideoOrder order, const MadeVideoCheck* check) {
  if (running()) return refused(JobStartState::kAlreadyRunning, {}, "a job is running");
  if (thread_.joinable()) thread_.join();
  if (std::optional<JobStart> refusal = check_slideshows(order, decoder_)) return *refusal;
  if (std::optional<JobStart> refusal = check_output_folder(order)) return *refusal;
  std::error_code ignored;
  std::filesystem::create_directories(order.temp_folder, ignored);
  write_log("Created output directory " + order.output_folder.string());

  order_ = std::make_unique<const MakeVideoOrder>(std::move(order));
  check_ = check;
  outcome_ = {};
  stop_.reset();
  done_.reset();
  {
    const std::lock_guard lock(mutex_);
    running_ = true;
    stop_requested_ = false;
  }
  try {
    thread_ = std::thread([this] { run(); });
  } catch (const std::system_error& error) {
    // No thread, so no job: a later start must not find one running.
    const std::lock_guard lock(mutex_);
    running_ = false;
    const std::string reason = std::string("the job cannot be started: ") + error.what();
    write_log(reason);
    return refused(JobStartState::kNotStarted, make_video_failed_message(), reason);
  }
  return JobStart{};
}

bool MakeVideoJob::running() const {
  const std::lock_guard lock(mutex_);
  return running_;
}

bool MakeVideoJob::request_stop() {
  const std::lock_guard lock(mutex_);
  if (!running_) return false;
  stop_requested_ = true;
  stop_.set();
  return true;
}

bool MakeVideoJob::wait_for_done(std::chrono::milliseconds timeout) {
  return done_.wait_for(timeout);
}

void MakeVideoJob::cancel() {
  if (request_stop()) done_.wait();
}

MakeVideoOutcome MakeVideoJob::wait() {
  if (thread_.joinable()) thread_.join();
  return outcome_;
}

void MakeVideoJob::run() {
  outcome_ = make_videos();
  {
    // Under the lock that request_stop() takes: a request either came before this
    // point and gets its done event, or finds the job ended and waits for nothing.
    const std::lock_guard lock(mutex_);
    running_ = false;
    if (stop_requested_) done_.set();
  }
  listener_.job_ended(outcome_);
}

MakeVideoOutcome MakeVideoJob::make_videos() {
  const MakeVideoOrder& order = *order_;
  write_log("Begin make Video files process");
  MakeVideoOutcome outcome;
  try {
    make_music_and_slideshows(outcome);
  } catch (...) {
    // What a step throws (no memory, a file system call that failed) fails the
    // job like any other failure; it must not end the program.
    outcome = {
        kFailed, "making the videos failed: " + current_exception_text(), FailedModule::kNone, {}};
    write_log(outcome.reason);
  }
  // The shared music lives only while the job runs; the silent track is the program's.
  if (order.makes_music()) {
    std::error_code ignored;
    std::filesystem::remove(order.music_path, ignored);
  }
  if (outcome.result == 0) {
    listener_.progress(kFullProgress);
    write_log("End make Video files process successful");
  }
  if (outcome.result == 0 || outcome.result == kStopped) outcome.reason.clear();
  return outcome;
}

void MakeVideoJob::make_music_and_slideshows(MakeVideoOutcome& outcome) {
  const MakeVideoOrder& order = *order_;
  write_log("Begin make slideshow audio");
  listener_.music_started();
  if (order.makes_music()) {
    const std::vector<MusicTrack> tracks = music_tracks(order.slideshows.front().tracks);
    const MusicRequest request{.tracks = tracks,
                               .output_path = order.music_path,
                               .stop = &stop_,
                               .loop_audio = order.loop_audio,
                               .project_seconds = order.project_seconds};
    outcome.result = prepare_music(request, &outcome.reason);
    if (is_module_code(outcome.result)) outcome.module = FailedModule::kAudioConverter;
  }
  write_log("End make slideshow audio return value:" + std::to_string(outcome.result));

  std::int64_t project_frames = 0;
  for (const Slideshow& slideshow : order.slideshows)
    project_frames += slideshow.total_frames;
  std::int64_t frames_before = 0;
  for (std::size_t i = 0; i < order.slideshows.size() && outcome.result == 0; ++i) {
    outcome.result =
        make_slideshow(static_cast<int>(i), frames_before, project_frames, outcome.reason);
    if (is_module_code(outcome.result)) outcome.module = FailedModule::kEncoder;
    if (outcome.result == 0) check_video(order.slideshows[i].video_path, outcome);
    frames_before += order.slideshows[i].total_frames;
  }
}

int MakeVideoJob::make_slideshow(int index, std::int64_t frames_before, std::int64_t project_frames,
                                 std::string& reason) {
  const MakeVideoOrder& order = *order_;
  const Slideshow& slideshow = order.slideshows[static_cast<std::size_t>(index)];
  listener_.slideshow_started(index);
  // A photo deleted while the job ran would leave its frames empty.
  if (const PhotoItem* photo = unreadable_photo(slideshow, decoder_)) {
    reason = unreadable_photo_reason(*photo, slideshow);
    return kFailed;
  }
  if (!write_video_picture(order, slideshow)) {
    reason = "the picture " + order.picture_path(slideshow).string() + " cannot be written";
    return kFailed;
  }

  // This slideshow moves the progress from `base` over its `share` of the project.
  const double frames = std::max<std::int64_t>(project_frames, 1);
  const int base = static_cast<int>(static_cast<double>(frames_before) / frames * kFullProgress);
  const float share = static_cast<float>(slideshow.total_frames / frames);
  std::error_code ignored;
  std::filesystem::remove(slideshow.video_path, ignored);
  VideoJob job{.slideshow = &slideshow,
               .profile = &order.profile,
               .decoder = &decoder_,
               .on_progress =
                   [this, base, share](int value) {
                     const float done = share * static_cast<float>(std::min(value, kFullProgress));
                     listener_.progress(static_cast<int>(done + static_cast<float>(base)));
                   },
               .stop_event = &stop_,
               .blurred_background = order.blurred_background,
               .music_fade_out_seconds = order.music_fade_out_seconds};

  write_log("Begin make Slideshow video index:" + std::to_string(index));
  std::string failure;
  const int result = make_slideshow_video(job, &failure);
  write_log("End make Slideshow return value:" + std::to_string(result));
  listener_.slideshow_finished(index, result);
  if (result != 0 && result != kStopped) {
    reason = "the video of slideshow \"" + slideshow.name() +
             "\" cannot be made: " + (result == kFailed ? failure : encoder_failure_text(result));
  }
  return result;
}

void MakeVideoJob::check_video(const std::filesystem::path& video,
                               MakeVideoOutcome& outcome) const {
  // The PSP's rules are no measure of videos made for other players.
  if (check_ == nullptr || !order_->profile.for_psp()) return;
  std::vector<UserText> broken = check_->broken_rules(video);
  if (broken.empty()) return;
  for (const UserText& rule : broken)
    write_log("The video " + video.string() + " will not play on the PSP: " + rule.english());
  outcome.unplayable.push_back({video, std::move(broken)});
}

std::optional<PromptMessage> outcome_message(const MakeVideoOutcome& outcome,
                                             bool power_off_requested) {
  if (outcome.result == kFailed && !power_off_requested) return make_video_failed_message();
  if (outcome.result == kStopped) return make_video_stopped_message();
  if (outcome.result == kDone && !outcome.unplayable.empty() && !power_off_requested)
    return unplayable_videos_message(outcome.unplayable);
  return std::nullopt;
}

}  // namespace pictavo
