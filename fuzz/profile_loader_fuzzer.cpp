// Feeds arbitrary group and profile files to the profile loader. The input is
// split at "\n@@\n": the first part is the group file, the others are profile
// files of the group folder "g".
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>

#include "profiles/profile_group_list.h"

namespace {

std::filesystem::path fuzz_folder() {
  static const std::filesystem::path folder = [] {
    std::string pattern = (std::filesystem::temp_directory_path() / "pictavo-fuzz-XXXXXX").string();
    return std::filesystem::path(::mkdtemp(pattern.data()));
  }();
  static const bool cleanup_registered = [] {
    return std::atexit([] {
             std::error_code ignored;
             std::filesystem::remove_all(folder, ignored);
           }) == 0;
  }();
  (void)cleanup_registered;
  return folder;
}

void write(const std::filesystem::path& path, std::string_view bytes) {
  std::ofstream(path, std::ios::binary | std::ios::trunc)
      .write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::filesystem::path home = fuzz_folder();
  const std::filesystem::path avoutput = home / "profile" / "avoutput";
  std::filesystem::remove_all(avoutput);
  std::filesystem::create_directories(avoutput / "g");

  std::string_view input(reinterpret_cast<const char*>(data), size);
  constexpr std::string_view kSeparator = "\n@@\n";
  std::size_t part = 0;
  while (true) {
    const std::size_t cut = input.find(kSeparator);
    const std::string_view piece = input.substr(0, cut);
    write(part == 0 ? avoutput / "profile_group.xml"
                    : avoutput / "g" / ("p" + std::to_string(part) + ".xml"),
          piece);
    if (cut == std::string_view::npos || part == 8) break;
    input.remove_prefix(cut + kSeparator.size());
    ++part;
  }

  pictavo::ProfileGroupList list;
  list.load_profiles(home);
  if (pictavo::OutputProfile* profile = list.current_profile()) {
    profile->set_parameter_text(pictavo::ProfileParameterId::kVideoSize, "320x240");
    profile->set_parameter_index(pictavo::ProfileParameterId::kVideoCodec, 1);
  }
  return 0;
}
