#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "base/user_text.h"
#include "device/removable_drives.h"

namespace pictavo {

// The PSP's folder for MPEG-4 videos, below a drive's root; the firmware lists the
// videos of `MP_ROOT` only when they stand in it (or, for H.264, in kPspAvcFolder).
inline constexpr char kPspVideoFolder[] = "MP_ROOT/100MNV01";
inline constexpr char kPspAvcFolder[] = "MP_ROOT/100ANV01";

// Why the drives are searched: opening the transfer dialog also gives a drive
// without the video folder one; "Detect PSP connection" only looks.
enum class PspSearch { kOpening, kDetect };

// One entry of the drive list.
struct PspDriveEntry {
  std::string text;  // the video folder when the drive had one, else the label
  RemovableDrive drive;
  std::filesystem::path video_folder;  // empty when the drive has none (still)
};

struct PspDetection {
  std::vector<PspDriveEntry> entries;
  std::optional<std::size_t> selected;  // the entry to show as chosen
  std::filesystem::path psp_folder;     // where videos go; empty when no PSP was found
};

// Lists `drives` and picks the PSP: the last drive holding the video folder. On
// opening, a drive lacking the folder gets it made (MP_ROOT too when it is
// missing), so that a freshly formatted memory stick is ready; such a drive keeps
// its label in the list and is chosen only when no drive had the folder before,
// as the first entry. The PSP folder is always a folder that exists, never a
// label: empty when the chosen entry has none.
PspDetection detect_psp(const std::vector<RemovableDrive>& drives, PspSearch search);

// The message for a search that found no PSP folder; `computer_folder` is the
// transfer's folder on the computer, named when it does not exist.
UserText psp_not_found_message(PspSearch search, const std::filesystem::path& computer_folder);

}  // namespace pictavo
