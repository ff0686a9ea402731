#include "cli/video_making.h"

#include <atomic>
#include <cstdio>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "base/result_code.h"
#include "cli/interrupt_watch.h"
#include "cli/progress_bar.h"
#include "device/psp_made_video_check.h"
#include "model/project.h"
#include "model/project_messages.h"
#include "video/disk_check.h"
#include "video/make_video_job.h"

namespace pictavo::cli {
namespace {

// The job's progress as a bar labelled with what is being made.
class ProgressReport final : public MakeVideoListener {
 public:
  explicit ProgressReport(const MakeVideoOrder& order) {
    for (const Slideshow& slideshow : order.slideshows)
      names_.push_back(slideshow.name());
  }

  void music_started() override { bar_.set_label("music"); }
  void slideshow_started(int index) override {
    bar_.set_label(names_[static_cast<std::size_t>(index)] + " (" + std::to_string(index + 1) +
                   "/" + std::to_string(names_.size()) + ")");
  }
  void progress(int position) override { bar_.show(position); }

  ProgressBar& bar() { return bar_; }

 private:
  std::vector<std::string> names_;
  ProgressBar bar_{"starting"};
};

void complain(std::string_view command, const std::string& reason) {
  std::fprintf(stderr, "pictavo-cli %.*s: %s\n", static_cast<int>(command.size()), command.data(),
               reason.c_str());
}

// Whether the videos fit, said in plain words; false when they do not.
bool enough_space(std::string_view command, const Project& project,
                  const std::filesystem::path& output_folder) {
  const DiskCheck disk = check_disk_space(output_folder, project.default_setting.temp_folder,
                                          project.estimated_mb, query_drive_space);
  if (!disk.message) return true;
  const std::string numbers =
      disk.drive.string() + " has " + std::to_string(disk.free_megabytes) + " MB free, about " +
      std::to_string(static_cast<long long>(disk.needed_megabytes)) + " MB are needed";
  if (disk.pass) {
    complain(command, "warning: little space for the temporary files: " + numbers);
    return true;
  }
  complain(command, "not enough disk space for the videos: " + numbers);
  return false;
}

// Every file a finished job leaves: each slideshow's video and the picture beside it.
std::vector<std::filesystem::path> files_made(const MakeVideoOrder& order) {
  std::vector<std::filesystem::path> files;
  for (const Slideshow& slideshow : order.slideshows) {
    files.push_back(slideshow.video_path);
    files.push_back(order.picture_path(slideshow));
  }
  return files;
}

}  // namespace

int make_project_videos(std::string_view command, const Project& project,
                        const std::filesystem::path& output_folder) {
  if (project.slideshows.empty()) {
    complain(command, "the project has no slideshows");
    return kFailed;
  }
  if (!enough_space(command, project, output_folder)) return kFailed;
  std::optional<MakeVideoOrder> order = make_video_order(project, output_folder);
  if (!order) {
    complain(command, "there is no output profile");
    return kFailed;
  }
  if (!order->left_out.empty()) project.front_end.show(photos_left_out_message(order->left_out));
  const std::vector<std::filesystem::path> files = files_made(*order);

  ProgressReport report(*order);
  MakeVideoJob job(report);
  std::atomic<bool> interrupted{false};
  const InterruptWatch watch([&job, &interrupted] {
    interrupted = true;
    job.request_stop();
  });
  const PspMadeVideoCheck check;
  const JobStart start = job.start(std::move(*order), &check);
  if (start.state != JobStartState::kStarted) {
    complain(command, start.reason);
    return kFailed;
  }
  // A Ctrl-C that came while the job was being started.
  if (interrupted) job.request_stop();
  const MakeVideoOutcome outcome = job.wait();
  report.bar().end(outcome.result == 0);

  if (outcome.result == 0) {
    for (const std::filesystem::path& file : files)
      std::printf("%s\n", file.c_str());
    for (const UnplayableVideo& video : outcome.unplayable) {
      for (const UserText& rule : video.broken_rules)
        complain(command, "warning: " + video.video.string() +
                              " will not play on the PSP: " + rule.english());
    }
    return 0;
  }
  if (outcome.result == kStopped) {
    complain(command, "stopped; what was made so far is in " + output_folder.string());
    return kStopped;
  }
  complain(command, outcome.reason);
  return kFailed;
}

}  // namespace pictavo::cli
