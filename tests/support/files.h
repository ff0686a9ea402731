#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace pictavo::test {

// The whole file, byte for byte; empty when it cannot be read.
std::string read_file(const std::filesystem::path& path);

// Writes `bytes` as the whole file, creating the folders above it.
void write_file(const std::filesystem::path& path, std::string_view bytes = "x");

}  // namespace pictavo::test
