#include "device/jpeg_frame.h"

#include <cstdint>
#include <fstream>

namespace pictavo {
namespace {

// SOF0 to SOF15 but for DHT (C4), JPG (C8) and DAC (CC), which share the range.
bool is_frame_marker(int marker) {
  return marker >= 0xC0 && marker <= 0xCF && marker != 0xC4 && marker != 0xC8 && marker != 0xCC;
}

// Markers without a length after them.
bool stands_alone(int marker) {
  return marker == 0x01 || (marker >= 0xD0 && marker <= 0xD7);
}

int read_u16(std::istream& in) {
  const int high = in.get();
  return high << 8 | in.get();
}

}  // namespace

Result<JpegFrame> read_jpeg_frame(const std::filesystem::path& file) {
  std::ifstream in(file, std::ios::binary);
  if (!in) return Failure{"cannot be read"};
  if (in.get() != 0xFF || in.get() != 0xD8) return Failure{"is no JPEG file"};
  for (int byte = in.get(); byte != std::char_traits<char>::eof(); byte = in.get()) {
    if (byte != 0xFF) return Failure{"has a broken marker"};
    int marker = in.get();
    while (marker == 0xFF)  // fill bytes
      marker = in.get();
    if (!in) break;
    if (marker == 0xDA || marker == 0xD9) return Failure{"has no frame header before its image"};
    if (stands_alone(marker)) continue;
    const int length = read_u16(in);
    if (length < 2) return Failure{"has a broken marker"};
    if (is_frame_marker(marker)) {
      in.get();  // sample precision
      JpegFrame frame{.marker = marker};
      frame.height = read_u16(in);
      frame.width = read_u16(in);
      if (!in) break;
      return frame;
    }
    in.seekg(length - 2, std::ios::cur);
  }
  return Failure{"ends before its frame header"};
}

}  // namespace pictavo
