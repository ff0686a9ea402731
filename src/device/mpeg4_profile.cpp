#include "device/mpeg4_profile.h"

#include <algorithm>
#include <array>

#include "base/bit_reader.h"

namespace pictavo {
namespace {

constexpr int kVisualObjectSequence = 0xB0;
constexpr int kSimpleObjectType = 1;
constexpr int kAdvancedSimpleObjectType = 17;

// The bytes after the first start code (0 0 1 and a code) whose code `matches`;
// nothing without one.
std::span<const std::uint8_t> after_start_code(std::span<const std::uint8_t> bytes,
                                               bool (*matches)(int code)) {
  constexpr std::array<std::uint8_t, 3> kPrefix{0, 0, 1};
  auto at = bytes.begin();
  while ((at = std::search(at, bytes.end(), kPrefix.begin(), kPrefix.end())) != bytes.end()) {
    at += kPrefix.size();
    if (at != bytes.end() && matches(*at)) return {at + 1, bytes.end()};
  }
  return {};
}

std::string hex_byte(int value) {
  constexpr char kDigits[] = "0123456789ABCDEF";
  return {'0', 'x', kDigits[value >> 4 & 15], kDigits[value & 15]};
}

}  // namespace

Result<Mpeg4Profile> mpeg4_profile(std::span<const std::uint8_t> configuration) {
  const std::span<const std::uint8_t> sequence =
      after_start_code(configuration, [](int code) { return code == kVisualObjectSequence; });
  if (!sequence.empty()) {
    // The high four bits name the profile, the low four its level.
    const int profile_and_level = sequence[0];
    if (profile_and_level >> 4 == 0) return Mpeg4Profile{true, "Simple Profile"};
    if (profile_and_level >> 4 == 0xF) return Mpeg4Profile{false, "Advanced Simple Profile"};
    return Mpeg4Profile{false, "profile and level " + hex_byte(profile_and_level)};
  }
  const std::span<const std::uint8_t> layer =
      after_start_code(configuration, [](int code) { return code >= 0x20 && code <= 0x2F; });
  BitReader bits(layer);
  bits.skip(1);  // random_accessible_vol
  const int object_type = static_cast<int>(bits.bits(8));
  if (!bits.ok()) return Failure{"the MPEG-4 video names no profile"};
  if (object_type == kSimpleObjectType) return Mpeg4Profile{true, "Simple Profile"};
  if (object_type == kAdvancedSimpleObjectType)
    return Mpeg4Profile{false, "Advanced Simple Profile"};
  return Mpeg4Profile{false, "object type " + std::to_string(object_type)};
}

}  // namespace pictavo
