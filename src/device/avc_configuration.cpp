#include "device/avc_configuration.h"

#include "base/bit_reader.h"
#include "base/byte_reader.h"

namespace pictavo {
namespace {

constexpr int kSequenceParameterSet = 7;

// The profiles whose sequence parameter set carries the chroma format, bit depths
// and scaling lists before the fields every profile has.
bool has_chroma_fields(int profile_idc) {
  switch (profile_idc) {
    case 44:
    case 83:
    case 86:
    case 100:
    case 110:
    case 118:
    case 122:
    case 128:
    case 134:
    case 135:
    case 138:
    case 139:
    case 244:
      return true;
    default:
      return false;
  }
}

// A scaling list is read only to be passed over: its deltas until one brings the
// next scale to zero.
void skip_scaling_list(BitReader& bits, int size) {
  int last = 8;
  int next = 8;
  for (int i = 0; i < size && bits.ok(); ++i) {
    if (next != 0) next = static_cast<int>((last + bits.signed_exp_golomb() + 256) % 256);
    if (next != 0) last = next;
  }
}

void skip_chroma_fields(BitReader& bits) {
  const std::uint32_t chroma_format_idc = bits.exp_golomb();
  if (chroma_format_idc == 3) bits.skip(1);  // separate_colour_plane_flag
  bits.exp_golomb();                         // bit_depth_luma_minus8
  bits.exp_golomb();                         // bit_depth_chroma_minus8
  bits.skip(1);                              // qpprime_y_zero_transform_bypass_flag
  if (!bits.bit()) return;                   // seq_scaling_matrix_present_flag
  const int lists = chroma_format_idc == 3 ? 12 : 8;
  for (int i = 0; i < lists && bits.ok(); ++i) {
    if (bits.bit()) skip_scaling_list(bits, i < 6 ? 16 : 64);
  }
}

void skip_picture_order_fields(BitReader& bits) {
  bits.exp_golomb();  // log2_max_frame_num_minus4
  const std::uint32_t order_type = bits.exp_golomb();
  if (order_type == 0) {
    bits.exp_golomb();  // log2_max_pic_order_cnt_lsb_minus4
  } else if (order_type == 1) {
    bits.skip(1);              // delta_pic_order_always_zero_flag
    bits.signed_exp_golomb();  // offset_for_non_ref_pic
    bits.signed_exp_golomb();  // offset_for_top_to_bottom_field
    const std::uint32_t cycle = bits.exp_golomb();
    for (std::uint32_t i = 0; i < cycle && bits.ok(); ++i)
      bits.signed_exp_golomb();
  }
}

Result<H264SequenceHeader> read_sequence_header(std::span<const std::uint8_t> nal) {
  const std::vector<std::uint8_t> payload = nal_payload(nal);
  BitReader bits(payload);
  bits.skip(3);  // forbidden_zero_bit, nal_ref_idc
  if (bits.bits(5) != kSequenceParameterSet)
    return Failure{"the H.264 configuration holds no sequence parameter set"};
  H264SequenceHeader header;
  header.profile_idc = static_cast<int>(bits.bits(8));
  header.constraint_flags = static_cast<int>(bits.bits(8));
  header.level_idc = static_cast<int>(bits.bits(8));
  bits.exp_golomb();  // seq_parameter_set_id
  if (has_chroma_fields(header.profile_idc)) skip_chroma_fields(bits);
  skip_picture_order_fields(bits);
  header.max_num_ref_frames = static_cast<int>(bits.exp_golomb());
  if (!bits.ok()) return Failure{"the H.264 sequence parameter set is cut short"};
  return header;
}

}  // namespace

std::vector<std::uint8_t> nal_payload(std::span<const std::uint8_t> nal) {
  std::vector<std::uint8_t> payload;
  payload.reserve(nal.size());
  int zeros = 0;
  for (const std::uint8_t byte : nal) {
    if (zeros >= 2 && byte == 3) {
      zeros = 0;
      continue;
    }
    zeros = byte == 0 ? zeros + 1 : 0;
    payload.push_back(byte);
  }
  return payload;
}

Result<AvcConfiguration> read_avc_configuration(std::span<const std::uint8_t> avcc) {
  ByteReader reader(avcc);
  const std::uint8_t version = reader.u8();
  reader.skip(3);  // profile, compatibility and level, again in the parameter set
  AvcConfiguration configuration;
  configuration.nal_length_size = (reader.u8() & 3) + 1;
  const int sets = reader.u8() & 0x1f;
  const std::uint16_t size = reader.u16be();
  const std::span<const std::uint8_t> nal = reader.take(size);
  if (!reader.ok() || version != 1 || sets == 0)
    return Failure{"the H.264 stream has no usable decoder configuration"};
  Result<H264SequenceHeader> header = read_sequence_header(nal);
  if (!header) return Failure{header.reason()};
  configuration.sequence = *header;
  return configuration;
}

}  // namespace pictavo
