#include "device/psp_detection.h"

#include <system_error>

#include "base/translation_mark.h"

namespace pictavo {
namespace {

namespace fs = std::filesystem;

bool is_folder(const fs::path& path) {
  std::error_code error;
  return fs::is_directory(path, error);
}

}  // namespace

PspDetection detect_psp(const std::vector<RemovableDrive>& drives, PspSearch search) {
  PspDetection detection;
  for (const RemovableDrive& drive : drives) {
    const fs::path folder = drive.root / kPspVideoFolder;
    if (is_folder(folder)) {
      detection.entries.push_back({folder.string(), drive, folder});
      detection.selected = detection.entries.size() - 1;
      continue;
    }
    // A folder made now does not make the drive the found one in this pass: a drive
    // that already held videos is preferred.
    std::error_code error;
    if (search == PspSearch::kOpening) fs::create_directories(folder, error);
    detection.entries.push_back({drive.label(), drive, is_folder(folder) ? folder : fs::path()});
  }
  if (!detection.selected && search == PspSearch::kOpening && !detection.entries.empty()) {
    detection.selected = 0;
  }
  if (detection.selected)
    detection.psp_folder = detection.entries[*detection.selected].video_folder;
  return detection;
}

UserText psp_not_found_message(PspSearch search, const fs::path& computer_folder) {
  if (search == PspSearch::kDetect || is_folder(computer_folder))
    return UserText::marked(QT_TRANSLATE_NOOP("Engine", "Please make sure the PSP is connected."));
  return UserText::marked(
      QT_TRANSLATE_NOOP("Engine",
                        "Please make sure the PSP is connected.\nAnd the video folder %1 is not "
                        "valid.\nPlease select a valid source folder."),
      {computer_folder.string()});
}

}  // namespace pictavo
