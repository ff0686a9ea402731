#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace pictavo::test {

// The whole file, byte for byte; empty when it cannot be read.
std::string read_file(const std::filesystem::path& path);

// Writes `bytes` as the whole file, creating the folders above it.
void write_file(const std::filesystem::path& path, std::string_view bytes = "x");

// Writes a PNG photo of `width` × `height` pixels all `colour`; gives its path.
std::string write_photo(const std::filesystem::path& path, int width, int height,
                        std::uint32_t colour);

// An EXIF block ("Exif\0\0", then a TIFF header) whose directory points to an EXIF
// directory holding DateTimeOriginal `stamp` ("YYYY:MM:DD hh:mm:ss").
std::string exif_block_taken_at(const std::string& stamp);

// The texts of the program's log file `log`, one per line, without their times.
std::vector<std::string> log_texts(const std::filesystem::path& log);

}  // namespace pictavo::test
