#include "device/file_copier.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <map>
#include <system_error>

#include "base/atomic_file.h"
#include "base/event.h"
#include "base/translation_mark.h"

namespace pictavo {
namespace {

namespace fs = std::filesystem;

constexpr std::size_t kPieceBytes = 256 * 1024;

std::string megabytes(std::uint64_t bytes) {
  char text[32];
  std::snprintf(text, sizeof text, "%.2f MB", static_cast<double>(bytes) / (1 << 20));
  return text;
}

// `what`, a marked "... %1: %2.", for `path` and the errno value `error`.
UserText failure_text(const char* what, const fs::path& path, int error) {
  return UserText::marked(what, {path.string(), std::generic_category().message(error)});
}

UserText read_failure(const fs::path& path, int error) {
  return failure_text(QT_TRANSLATE_NOOP("Engine", "Cannot read %1: %2."), path, error);
}

UserText write_failure(const fs::path& path, int error) {
  return failure_text(QT_TRANSLATE_NOOP("Engine", "Cannot write %1: %2."), path, error);
}

// The file a copy reads, keeping the errno of the call that failed: what runs
// between a failed call and the making of the message may change errno.
class SourceFile {
 public:
  explicit SourceFile(const fs::path& path)
      : fd_(::open(path.c_str(), O_RDONLY | O_CLOEXEC)), error_(fd_ < 0 ? errno : 0) {}
  ~SourceFile() {
    if (fd_ >= 0) ::close(fd_);
  }
  SourceFile(const SourceFile&) = delete;
  SourceFile& operator=(const SourceFile&) = delete;

  // The errno of the failed open or read; 0 while none failed.
  int error() const { return error_; }

  // Fills `piece` as far as the file goes; 0 at its end or after a failure.
  std::size_t read(std::string& piece) {
    std::size_t got = 0;
    while (error_ == 0 && got < piece.size()) {
      const ssize_t count = ::read(fd_, piece.data() + got, piece.size() - got);
      if (count == 0) break;
      if (count > 0) {
        got += static_cast<std::size_t>(count);
      } else if (errno != EINTR) {
        error_ = errno;
      }
    }
    return got;
  }

 private:
  int fd_;
  int error_;
};

}  // namespace

UserText FileCopier::space_shortage(const std::vector<CopyStep>& steps) const {
  struct Need {
    DriveSpace drive;
    std::uint64_t bytes = 0;
  };
  std::map<std::uint64_t, Need> needs;
  for (const CopyStep& step : steps) {
    const std::optional<DriveSpace> drive = query_(step.target.parent_path());
    if (!drive) {
      return UserText::marked(QT_TRANSLATE_NOOP("Engine", "Cannot read the free space of %1."),
                              {step.target.parent_path().string()});
    }
    Need& need = needs[drive->device];
    need.drive = *drive;
    need.bytes += step.bytes;
  }
  for (const auto& [device, need] : needs) {
    if (need.bytes > need.drive.free_bytes) {
      return UserText::marked(
          QT_TRANSLATE_NOOP("Engine",
                            "Not enough free space on %1: the files need %2, only %3 are free. "
                            "Nothing was copied."),
          {need.drive.drive.string(), megabytes(need.bytes), megabytes(need.drive.free_bytes)});
    }
  }
  return {};
}

CopyReport FileCopier::copy(const std::vector<CopyStep>& steps,
                            const std::function<void(const CopyProgress&)>& progress,
                            Event* stop) const {
  CopyReport report;
  const auto fail = [&report](UserText reason) {
    report.outcome = CopyOutcome::kFailed;
    report.reason = std::move(reason);
    return report;
  };
  for (const CopyStep& step : steps) {
    std::error_code error;
    fs::create_directories(step.target.parent_path(), error);
    if (error) {
      return fail(UserText::marked(QT_TRANSLATE_NOOP("Engine", "Cannot make the folder %1: %2."),
                                   {step.target.parent_path().string(), error.message()}));
    }
    // What a killed copy was writing there is the program's own.
    remove_leftover_temporaries(step.target.parent_path());
  }
  if (UserText shortage = space_shortage(steps); !shortage.empty()) return fail(shortage);

  CopyProgress position{.files = steps.size()};
  for (const CopyStep& step : steps)
    position.total_bytes += step.bytes;
  std::string piece(kPieceBytes, '\0');
  for (position.file = 0; position.file < steps.size(); ++position.file) {
    const CopyStep& step = steps[position.file];
    SourceFile source(step.source);
    if (source.error() != 0) return fail(read_failure(step.source, source.error()));
    AtomicFile target(step.target);
    if (!target.is_good()) return fail(write_failure(step.target, target.error()));
    std::uint64_t copied = 0;
    while (const std::size_t got = source.read(piece)) {
      if (!target.write(std::string_view(piece.data(), got))) {
        return fail(write_failure(step.target, target.error()));
      }
      copied += got;
      position.copied_bytes += got;
      if (progress) progress(position);
      if (stop != nullptr && stop->try_wait()) {
        report.outcome = CopyOutcome::kStopped;
        return report;
      }
    }
    if (source.error() != 0) return fail(read_failure(step.source, source.error()));
    std::error_code error;
    const std::uint64_t written = fs::file_size(target.temporary_path(), error);
    if (copied != step.bytes || error || written != copied) {
      return fail(UserText::marked(
          QT_TRANSLATE_NOOP("Engine",
                            "The copy of %1 is incomplete: the file changed while it was copied."),
          {step.source.string()}));
    }
    if (!target.commit()) return fail(write_failure(step.target, target.error()));
    report.written.push_back(step.target);
  }
  return report;
}

}  // namespace pictavo
