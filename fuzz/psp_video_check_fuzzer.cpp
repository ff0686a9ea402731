// Checks arbitrary bytes as a PSP video with the same bytes as its thumbnail:
// whatever the headers claim, the check ends with a reason for every rule and
// never reads outside the file.
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <fstream>

#include "device/psp_video_check.h"
#include "fuzz_support.h"

namespace {

void write(const std::filesystem::path& file, const std::uint8_t* data, std::size_t size) {
  std::ofstream out(file, std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
  pictavo::fuzz::require(out.good());
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::filesystem::path video = pictavo::fuzz::scratch_folder() / "video.mp4";
  write(video, data, size);
  write(pictavo::fuzz::scratch_folder() / "video.THM", data, size);
  const pictavo::PspVideoCheck check = pictavo::check_psp_video(video);
  pictavo::fuzz::require(!check.rules.empty());
  for (const pictavo::PspRule& rule : check.rules)
    pictavo::fuzz::require(!rule.name.empty() && !rule.reason.empty());
  pictavo::fuzz::require(check.plays() == check.failures().empty());
  return 0;
}
