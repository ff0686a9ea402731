#pragma once

#include <cstdint>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "base/user_text.h"
#include "device/copy_plan.h"
#include "video/drive_space.h"

namespace pictavo {

class Event;

struct CopyProgress {
  std::uint64_t copied_bytes = 0;
  std::uint64_t total_bytes = 0;
  std::size_t file = 0;  // the step being copied, from 0
  std::size_t files = 0;
};

enum class CopyOutcome { kDone, kFailed, kStopped };

struct CopyReport {
  CopyOutcome outcome = CopyOutcome::kDone;
  UserText reason;                             // with kFailed
  std::vector<std::filesystem::path> written;  // the files completed, in order
};

// Runs planned copies one file after the other. Each file is written under a
// temporary name in its target folder, synced, checked against the source's size
// and only then renamed to its target, so a cancel, a full drive or a drive pulled
// out never leaves part of a file under a real name; files completed before stay.
// Before anything is written, every target drive must have room for all the files
// going to it. Folders missing on the way to a target are made.
//
// `progress` is called on the caller's thread after every piece; `stop` (may be
// null) is tested after every piece. For a worker thread.
class FileCopier {
 public:
  explicit FileCopier(DriveSpaceQuery query = query_drive_space) : query_(std::move(query)) {}

  CopyReport copy(const std::vector<CopyStep>& steps,
                  const std::function<void(const CopyProgress&)>& progress, Event* stop) const;

 private:
  UserText space_shortage(const std::vector<CopyStep>& steps) const;

  DriveSpaceQuery query_;
};

}  // namespace pictavo
