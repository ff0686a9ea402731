#pragma once

#include <filesystem>

#include "base/result.h"

namespace pictavo {

// The frame header of a JPEG file: its SOF marker, which says how it is coded,
// and its size.
struct JpegFrame {
  int marker = 0;  // 0xC0 baseline, 0xC1 extended, 0xC2 progressive, ...
  int width = 0;
  int height = 0;

  bool baseline() const { return marker == 0xC0; }
};

// Walks the file's markers up to its frame header; reads nothing of the scans. A
// reason when the file cannot be read, is no JPEG or ends before that header.
Result<JpegFrame> read_jpeg_frame(const std::filesystem::path& file);

}  // namespace pictavo
