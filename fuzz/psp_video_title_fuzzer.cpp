// Reads arbitrary bytes as a video for the title the PSP shows, once from memory
// and once from a file: whatever sizes the boxes claim, the reads stay inside the
// input and both ways give the same title.
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <optional>
#include <string>
#include <string_view>

#include "device/psp_video_title.h"
#include "fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  const std::optional<std::string> title = pictavo::psp_video_title_in_bytes(bytes);

  const std::filesystem::path video = pictavo::fuzz::scratch_folder() / "video.mp4";
  {
    std::ofstream out(video, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    pictavo::fuzz::require(out.good());
  }
  pictavo::fuzz::require(pictavo::psp_video_title(video) == title);
  return 0;
}
