#pragma once

#include <cstddef>
#include <cstdint>

namespace pictavo {

// Bytes of one planar YUV 4:2:0 frame: the Y plane, then U, then V, each chroma
// plane (width / 2) × (height / 2).
constexpr std::size_t i420_frame_size(int width, int height) {
  return static_cast<std::size_t>(width) * height +
         2 * static_cast<std::size_t>(width / 2) * (height / 2);
}

// Converts opaque 32-bit pixels (0x00RRGGBB in native order, as Cairo's RGB24
// stores them), rows top to bottom `stride` bytes apart, into one I420 frame in
// `yuv` (i420_frame_size bytes), top row first. Integer arithmetic only, and
// exactly this arithmetic, because stored videos were encoded from it:
//   Y = ((66 R + 129 G + 25 B) >> 8) + 16 per pixel;
//   U = ((112 ΣB − 74 ΣG − 38 ΣR) >> 10) + 128 and
//   V = ((112 ΣR − 94 ΣG − 18 ΣB) >> 10) + 128 over each 2 × 2 block,
// with shifts that round toward minus infinity and no clamping (results stay in
// 16..240). Sizes should be even; an odd last row or column has luma only.
void rgb24_to_i420(const std::uint8_t* pixels, std::ptrdiff_t stride, int width, int height,
                   std::uint8_t* yuv);

}  // namespace pictavo
