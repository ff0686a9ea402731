#pragma once

#include <filesystem>
#include <string>

namespace pictavo {

// The text after the last "." of the file name, lower-cased; empty when there is none.
std::string lower_extension(const std::filesystem::path& path);

}  // namespace pictavo
