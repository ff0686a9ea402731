#include "device/copy_plan.h"

#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <map>
#include <set>
#include <system_error>

#include "base/free_name.h"
#include "device/psp_detection.h"
#include "device/psp_video_kind.h"

namespace pictavo {
namespace {

namespace fs = std::filesystem;

std::string lower(std::string text) {
  std::transform(text.begin(), text.end(), text.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return text;
}

bool has_extension(const fs::path& path, const char* extension) {
  return lower(path.extension().string()) == extension;
}

// Names already used in a target folder, on disk or by earlier steps of the plan.
class TakenNames {
 public:
  bool taken(const fs::path& target) const {
    std::error_code error;
    return planned_.contains(target) || fs::exists(fs::symlink_status(target, error));
  }
  void take(const fs::path& target) { planned_.insert(target); }

 private:
  std::set<fs::path> planned_;
};

Result<CopyStep> source_step(const fs::path& source) {
  std::error_code error;
  const std::uint64_t bytes = fs::file_size(source, error);
  if (error || !fs::is_regular_file(source, error) || ::access(source.c_str(), R_OK) != 0) {
    return Failure{"Cannot read " + source.string() + "."};
  }
  return CopyStep{.source = source, .target = {}, .bytes = bytes};
}

// `name` in `folder`, or "stem (2).ext", "stem (3).ext"... when it is taken.
fs::path take_free_name(const fs::path& folder, const fs::path& name, TakenNames& names) {
  const fs::path target =
      free_name(folder / name, [&names](const fs::path& path) { return names.taken(path); });
  names.take(target);
  return target;
}

Status add_kept_name(const fs::path& source, const fs::path& folder, TakenNames& names,
                     std::vector<CopyStep>& steps) {
  Result<CopyStep> step = source_step(source);
  if (!step) return Failure{step.reason()};
  step->target = take_free_name(folder, source.filename(), names);
  steps.push_back(*step);
  return {};
}

// The thumbnail beside a video: the same name with a THM extension of any case.
std::optional<fs::path> thumbnail_of(const fs::path& video) {
  std::error_code error;
  for (const fs::directory_entry& entry : fs::directory_iterator(video.parent_path(), error)) {
    const fs::path& path = entry.path();
    if (path.stem() == video.stem() && has_extension(path, ".thm") && entry.is_regular_file(error))
      return path;
  }
  return std::nullopt;
}

// Hands out the PSP's numbered names of one folder, PREFIXnnnnn, counting on from
// the highest number in use there.
class NumberedNames {
 public:
  NumberedNames(fs::path folder, std::string prefix)
      : folder_(std::move(folder)), prefix_(std::move(prefix)) {
    std::error_code error;
    for (const fs::directory_entry& entry : fs::directory_iterator(folder_, error)) {
      // PREFIX + five digits + ".MP4" or ".THM", in any case.
      const std::string name = lower(entry.path().filename().string());
      if (name.size() != prefix_.size() + 9 || !name.starts_with(lower(prefix_))) continue;
      const std::string digits = name.substr(prefix_.size(), 5);
      const std::string extension = name.substr(prefix_.size() + 5);
      if (digits.find_first_not_of("0123456789") == std::string::npos &&
          (extension == ".mp4" || extension == ".thm"))
        last_ = std::max(last_, std::stoi(digits));
    }
  }

  const fs::path& folder() const { return folder_; }

  std::optional<std::string> next() {
    if (last_ >= 99999) return std::nullopt;
    char base[16];
    std::snprintf(base, sizeof base, "%s%05d", prefix_.c_str(), ++last_);
    return base;
  }

 private:
  fs::path folder_;
  std::string prefix_;
  int last_ = 0;
};

}  // namespace

Result<std::vector<CopyStep>> plan_copy(const std::vector<fs::path>& sources,
                                        const fs::path& target_folder) {
  std::vector<CopyStep> steps;
  TakenNames names;
  for (const fs::path& source : sources) {
    if (Status added = add_kept_name(source, target_folder, names, steps); !added)
      return Failure{added.reason()};
  }
  return steps;
}

Result<std::vector<CopyStep>> plan_copy_to_psp(const std::vector<fs::path>& sources,
                                               const fs::path& psp_folder) {
  const fs::path root = psp_folder.parent_path().parent_path();
  NumberedNames mpeg4(root / kPspVideoFolder, "M4V");
  NumberedNames avc(root / kPspAvcFolder, "MAQ");
  // Thumbnails travel with their videos under the videos' new names.
  std::map<fs::path, PspVideoKind> kinds;
  std::set<fs::path> with_their_video;
  for (const fs::path& source : sources) {
    const PspVideoKind kind =
        has_extension(source, ".mp4") ? psp_video_kind(source) : PspVideoKind::kOther;
    kinds[source] = kind;
    if (kind == PspVideoKind::kOther) continue;
    if (std::optional<fs::path> thumbnail = thumbnail_of(source))
      with_their_video.insert(*thumbnail);
  }

  std::vector<CopyStep> steps;
  TakenNames names;
  for (const fs::path& source : sources) {
    if (with_their_video.contains(source)) continue;
    const PspVideoKind kind = kinds[source];
    if (kind == PspVideoKind::kOther) {
      if (Status added = add_kept_name(source, psp_folder, names, steps); !added)
        return Failure{added.reason()};
      continue;
    }
    NumberedNames& numbered = kind == PspVideoKind::kAvc ? avc : mpeg4;
    const std::optional<std::string> base = numbered.next();
    if (!base) return Failure{"The PSP folder " + numbered.folder().string() + " is full."};
    Result<CopyStep> video = source_step(source);
    if (!video) return Failure{video.reason()};
    video->target = numbered.folder() / (*base + ".MP4");
    steps.push_back(*video);
    if (std::optional<fs::path> thumbnail = thumbnail_of(source)) {
      Result<CopyStep> picture = source_step(*thumbnail);
      if (!picture) return Failure{picture.reason()};
      picture->target = numbered.folder() / (*base + ".THM");
      steps.push_back(*picture);
    }
  }
  return steps;
}

}  // namespace pictavo
