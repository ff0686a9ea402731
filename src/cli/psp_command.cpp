#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

extern "C" {
#include <libavutil/log.h>
}

#include "base/event.h"
#include "base/result_code.h"
#include "cli/commands.h"
#include "cli/interrupt_watch.h"
#include "cli/progress_bar.h"
#include "device/capacity_texts.h"
#include "device/copy_plan.h"
#include "device/file_copier.h"
#include "device/mp4_brands.h"
#include "device/psp_detection.h"
#include "device/psp_video_check.h"
#include "device/psp_video_title.h"
#include "device/removable_drives.h"

namespace pictavo::cli {
namespace {

namespace fs = std::filesystem;

void list_videos(const fs::path& folder) {
  std::error_code error;
  if (!fs::is_directory(folder, error)) return;
  std::vector<fs::directory_entry> entries(fs::directory_iterator(folder, error), {});
  std::sort(entries.begin(), entries.end());
  for (const fs::directory_entry& entry : entries) {
    if (!entry.is_regular_file(error)) continue;
    const std::optional<std::string> title = psp_video_title(entry.path());
    std::printf("    %-40s %12ju bytes%s\n", entry.path().filename().c_str(),
                static_cast<std::uintmax_t>(entry.file_size(error)),
                title ? ("  \"" + *title + "\"").c_str() : "");
  }
}

int list_drives(Arguments& args) {
  args.finish();
  const PspDetection detection = detect_psp(list_removable_drives(), PspSearch::kDetect);
  if (detection.entries.empty()) std::printf("No removable drives.\n");
  for (std::size_t i = 0; i < detection.entries.size(); ++i) {
    const PspDriveEntry& entry = detection.entries[i];
    const bool chosen = detection.selected == i;
    std::printf("%s %s\n", chosen ? "*" : " ", entry.text.c_str());
    if (const std::optional<DriveSpace> space = query_drive_space(entry.drive.root)) {
      const CapacityTexts texts = capacity_texts(space->total_bytes, space->free_bytes);
      std::printf("    %s, %s, %s\n", texts.capacity.english().c_str(),
                  texts.used.english().c_str(), texts.free.english().c_str());
    }
    if (entry.video_folder.empty()) {
      std::printf("    no %s folder\n", kPspVideoFolder);
      continue;
    }
    for (const char* folder : {kPspVideoFolder, kPspAvcFolder}) {
      if (!fs::is_directory(entry.drive.root / folder)) continue;
      std::printf("  %s:\n", folder);
      list_videos(entry.drive.root / folder);
    }
  }
  if (!detection.selected)
    std::printf("%s\n", psp_not_found_message(PspSearch::kDetect, {}).english().c_str());
  return 0;
}

// The PSP's video folder: on the drive the user named (made there when missing),
// else the one found.
std::optional<fs::path> psp_folder(const std::optional<std::string>& drive) {
  if (drive) {
    const fs::path root = fs::path(*drive).lexically_normal();
    const PspDetection detection = detect_psp({{root, {}}}, PspSearch::kOpening);
    if (!detection.psp_folder.empty()) return detection.psp_folder;
    std::fprintf(stderr, "pictavo-cli psp: cannot make %s on %s\n", kPspVideoFolder,
                 drive->c_str());
    return std::nullopt;
  }
  const PspDetection detection = detect_psp(list_removable_drives(), PspSearch::kDetect);
  if (!detection.psp_folder.empty()) return detection.psp_folder;
  std::fprintf(stderr, "pictavo-cli psp: %s (or name the drive with --drive)\n",
               psp_not_found_message(PspSearch::kDetect, {}).english().c_str());
  return std::nullopt;
}

// A video made for other players (an ordinary MP4, such as the profiles of
// phones, tablets and TVs make) among the files: the PSP does not list it.
std::optional<fs::path> video_for_other_players(const std::vector<fs::path>& files) {
  for (const fs::path& file : files) {
    const Result<Mp4Brands> brands = read_mp4_brands(file);
    if (brands && brands->major != kPspMp4Brand && !brands->has(kPspMp4Brand)) return file;
  }
  return std::nullopt;
}

int copy_files(Arguments& args) {
  const std::optional<std::string> to_computer = args.take_value("--to-computer");
  const std::optional<std::string> drive = args.take_value("--drive");
  const bool keep_names = args.take_flag("--keep-names");
  std::vector<fs::path> files;
  for (const std::string& file : args.finish())
    files.emplace_back(file);
  if (files.empty()) throw UsageError{"no files to copy"};

  Result<std::vector<CopyStep>> plan = Failure{};
  if (to_computer) {
    plan = plan_copy(files, *to_computer);
  } else {
    if (const std::optional<fs::path> other = video_for_other_players(files);
        other && !keep_names) {
      std::fprintf(stderr,
                   "pictavo-cli psp: %s is an ordinary MP4, not a PSP video: the PSP does not "
                   "list it. Make it with a PSP profile (pictavo-cli profiles lists them), or "
                   "copy it as it is with --keep-names\n",
                   other->c_str());
      return kFailed;
    }
    const std::optional<fs::path> folder = psp_folder(drive);
    if (!folder) return kFailed;
    plan = keep_names ? plan_copy(files, *folder) : plan_copy_to_psp(files, *folder);
  }
  if (!plan) {
    std::fprintf(stderr, "pictavo-cli psp: %s\n", plan.reason().c_str());
    return kFailed;
  }

  Event stop;
  ProgressBar bar("copying");
  CopyReport report;
  {
    const InterruptWatch watch([&stop] { stop.set(); });
    report = FileCopier().copy(
        *plan,
        [&](const CopyProgress& progress) {
          bar.show(static_cast<int>(progress.copied_bytes * ProgressBar::kFullPosition /
                                    std::max<std::uint64_t>(progress.total_bytes, 1)));
          bar.set_label("copying " + (*plan)[progress.file].source.filename().string());
        },
        &stop);
  }
  bar.end(report.outcome == CopyOutcome::kDone);
  for (std::size_t i = 0; i < report.written.size(); ++i) {
    std::printf("%s -> %s\n", (*plan)[i].source.c_str(), report.written[i].c_str());
  }
  if (report.outcome == CopyOutcome::kStopped) {
    std::fprintf(stderr, "pictavo-cli psp: stopped; the file being copied was left out\n");
    return kStopped;
  }
  if (report.outcome == CopyOutcome::kFailed) {
    std::fprintf(stderr, "pictavo-cli psp: %s\n", report.reason.english().c_str());
    return kFailed;
  }
  return 0;
}

// A line a rule for each file; 1 when any file breaks a rule.
int check_files(Arguments& args) {
  const std::vector<std::string> files = args.finish();
  if (files.empty()) throw UsageError{"no files to check"};
  bool all_play = true;
  for (const std::string& file : files) {
    const PspVideoCheck check = check_psp_video(file);
    std::printf("%s: %s\n", file.c_str(),
                check.plays() ? "plays on the PSP" : "will not play on the PSP");
    for (const PspRule& rule : check.rules) {
      std::printf("  %s  %-16s %s\n", rule.passed ? "pass" : "fail", rule.name.english().c_str(),
                  rule.reason.english().c_str());
    }
    all_play = all_play && check.plays();
  }
  return all_play ? 0 : kFailed;
}

}  // namespace

int run_psp(Arguments& args) {
  // Files that are no videos are copied under their own names or reported as such;
  // FFmpeg's remarks on them while their streams are read would only be noise.
  av_log_set_level(AV_LOG_QUIET);
  const std::optional<std::string> action = args.take_first();
  if (action == "list") return list_drives(args);
  if (action == "check") return check_files(args);
  if (action == "copy") return copy_files(args);
  throw UsageError{action ? "unknown action \"" + *action + "\"" : "list, check or copy?"};
}

}  // namespace pictavo::cli
