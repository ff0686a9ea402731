#pragma once

#include <filesystem>
#include <functional>

namespace pictavo {

// `path` when `taken` says it is free, otherwise the first free of "stem (2).ext",
// "stem (3).ext", … in the same folder: the numbering file managers use for copies.
std::filesystem::path free_name(const std::filesystem::path& path,
                                const std::function<bool(const std::filesystem::path&)>& taken);

}  // namespace pictavo
