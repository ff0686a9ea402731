#pragma once

#include <filesystem>
#include <string_view>

namespace pictavo {

// Replaces `path` with `bytes` through a temporary file in the same folder that is
// synced and renamed over the old file: a crash or a full disk leaves either the
// old file or the new one, never half of one. False when anything failed; the old
// file is then untouched.
bool write_file_atomically(const std::filesystem::path& path, std::string_view bytes);

}  // namespace pictavo
