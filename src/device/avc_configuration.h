#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "base/result.h"

namespace pictavo {

// What an H.264 stream's sequence parameter set says about how hard it is to decode.
struct H264SequenceHeader {
  int profile_idc = 0;
  int constraint_flags = 0;  // constraint_set0_flag in bit 7 down to constraint_set5_flag
  int level_idc = 0;
  int max_num_ref_frames = 0;
};

// The decoder configuration an MP4 file keeps for H.264 (its `avcC` box, which
// FFmpeg hands over as the stream's extradata): the size of the length before each
// NAL unit of a sample, and the first sequence parameter set.
struct AvcConfiguration {
  int nal_length_size = 4;
  H264SequenceHeader sequence;
};

// Reads the configuration and parses its first sequence parameter set up to
// max_num_ref_frames, past the scaling lists the High profiles may carry. A reason
// when the bytes are cut or hold no such set.
Result<AvcConfiguration> read_avc_configuration(std::span<const std::uint8_t> avcc);

// The bytes of a NAL unit without its emulation prevention bytes (the 3 of each
// 0 0 3 that keeps start codes out of the payload).
std::vector<std::uint8_t> nal_payload(std::span<const std::uint8_t> nal);

}  // namespace pictavo
