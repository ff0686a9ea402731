#include "device/h264_slice_count.h"

#include <algorithm>
#include <vector>

#include "base/bit_reader.h"
#include "base/byte_reader.h"
#include "device/avc_configuration.h"

namespace pictavo {
namespace {

// Coded slices: of a plain picture, the first data partition of one, and of an
// IDR picture.
bool is_slice(int nal_unit_type) {
  return nal_unit_type == 1 || nal_unit_type == 2 || nal_unit_type == 5;
}

// first_mb_in_slice, the first field after the NAL unit's header byte. A few bytes
// hold it, whatever the size of the slice.
std::uint32_t first_macroblock(std::span<const std::uint8_t> nal) {
  constexpr std::size_t kHeaderBytes = 8;
  const std::vector<std::uint8_t> payload =
      nal_payload(nal.subspan(1, std::min(nal.size() - 1, kHeaderBytes)));
  BitReader bits(payload);
  return bits.exp_golomb();
}

}  // namespace

Result<int> h264_slice_count(std::span<const std::uint8_t> sample, int nal_length_size) {
  ByteReader reader(sample);
  int slices = 0;
  while (!reader.at_end()) {
    std::size_t length = 0;
    for (int i = 0; i < nal_length_size; ++i)
      length = length << 8 | reader.u8();
    const std::span<const std::uint8_t> nal = reader.take(length);
    if (!reader.ok()) return Failure{"the first picture's NAL units run past its sample"};
    if (nal.empty() || !is_slice(nal[0] & 0x1f)) continue;
    if (slices > 0 && first_macroblock(nal) == 0) break;
    ++slices;
  }
  if (slices == 0) return Failure{"the first picture holds no slice"};
  return slices;
}

}  // namespace pictavo
