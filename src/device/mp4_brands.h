#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "base/result.h"

namespace pictavo {

// The major brand of the PSP's own MP4 flavour.
inline constexpr char kPspMp4Brand[] = "MSNV";

// The brands of the file type box an MP4 file starts with: which flavours of the
// format the file claims to follow.
struct Mp4Brands {
  std::string major;
  std::vector<std::string> compatible;

  bool has(const std::string& brand) const;
};

// A reason when the file cannot be read or does not start with that box.
Result<Mp4Brands> read_mp4_brands(const std::filesystem::path& file);

}  // namespace pictavo
