#include "device/file_copier.h"

#include <cstdio>
#include <cstring>
#include <fstream>
#include <map>
#include <system_error>

#include "base/atomic_file.h"
#include "base/event.h"

namespace pictavo {
namespace {

namespace fs = std::filesystem;

constexpr std::size_t kPieceBytes = 256 * 1024;

std::string megabytes(std::uint64_t bytes) {
  char text[32];
  std::snprintf(text, sizeof text, "%.2f MB", static_cast<double>(bytes) / (1 << 20));
  return text;
}

}  // namespace

std::string FileCopier::space_shortage(const std::vector<CopyStep>& steps) const {
  struct Need {
    DriveSpace drive;
    std::uint64_t bytes = 0;
  };
  std::map<std::uint64_t, Need> needs;
  for (const CopyStep& step : steps) {
    const std::optional<DriveSpace> drive = query_(step.target.parent_path());
    if (!drive) return "Cannot read the free space of " + step.target.parent_path().string() + ".";
    Need& need = needs[drive->device];
    need.drive = *drive;
    need.bytes += step.bytes;
  }
  for (const auto& [device, need] : needs) {
    if (need.bytes > need.drive.free_bytes) {
      return "Not enough free space on " + need.drive.drive.string() + ": the files need " +
             megabytes(need.bytes) + ", only " + megabytes(need.drive.free_bytes) +
             " are free. Nothing was copied.";
    }
  }
  return {};
}

CopyReport FileCopier::copy(const std::vector<CopyStep>& steps,
                            const std::function<void(const CopyProgress&)>& progress,
                            Event* stop) const {
  CopyReport report;
  const auto fail = [&report](std::string reason) {
    report.outcome = CopyOutcome::kFailed;
    report.reason = std::move(reason);
    return report;
  };
  for (const CopyStep& step : steps) {
    std::error_code error;
    fs::create_directories(step.target.parent_path(), error);
    if (error) return fail("Cannot make the folder " + step.target.parent_path().string() + ".");
  }
  if (std::string shortage = space_shortage(steps); !shortage.empty()) return fail(shortage);

  CopyProgress position{.files = steps.size()};
  for (const CopyStep& step : steps)
    position.total_bytes += step.bytes;
  std::string piece(kPieceBytes, '\0');
  for (position.file = 0; position.file < steps.size(); ++position.file) {
    const CopyStep& step = steps[position.file];
    std::ifstream source(step.source, std::ios::binary);
    AtomicFile target(step.target);
    if (!source || !target.is_good()) {
      return fail("Cannot copy " + step.source.string() + " to " + step.target.string() + ": " +
                  std::strerror(errno) + ".");
    }
    std::uint64_t copied = 0;
    while (source) {
      source.read(piece.data(), static_cast<std::streamsize>(piece.size()));
      const auto got = static_cast<std::size_t>(source.gcount());
      if (got == 0) break;
      if (!target.write(std::string_view(piece.data(), got))) {
        return fail("Cannot write " + step.target.string() + ": " + std::strerror(errno) + ".");
      }
      copied += got;
      position.copied_bytes += got;
      if (progress) progress(position);
      if (stop != nullptr && stop->try_wait()) {
        report.outcome = CopyOutcome::kStopped;
        return report;
      }
    }
    std::error_code error;
    const std::uint64_t written = fs::file_size(target.temporary_path(), error);
    if (source.bad() || copied != step.bytes || error || written != copied) {
      return fail("The copy of " + step.source.string() +
                  " is incomplete: the file changed or could not be read while it was copied.");
    }
    if (!target.commit()) {
      return fail("Cannot write " + step.target.string() + ": " + std::strerror(errno) + ".");
    }
    report.written.push_back(step.target);
  }
  return report;
}

}  // namespace pictavo
