#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

namespace pictavo {

// Appends little- and big-endian values to a byte buffer, for the hand-written
// encoders, and patches values written before their size was known.
class ByteWriter {
 public:
  explicit ByteWriter(std::vector<std::uint8_t>& bytes) : bytes_(bytes) {}

  std::size_t size() const { return bytes_.size(); }

  void u8(unsigned value) { bytes_.push_back(static_cast<std::uint8_t>(value)); }
  void u16le(unsigned value) {
    u8(value & 0xFF);
    u8((value >> 8) & 0xFF);
  }
  void u16be(unsigned value) {
    u8((value >> 8) & 0xFF);
    u8(value & 0xFF);
  }
  void u32le(std::uint32_t value) {
    u16le(value & 0xFFFF);
    u16le(value >> 16);
  }
  void u32be(std::uint32_t value) {
    u16be(value >> 16);
    u16be(value & 0xFFFF);
  }
  void fill(std::size_t count, std::uint8_t value) { bytes_.insert(bytes_.end(), count, value); }
  void append(std::span<const std::uint8_t> data) {
    bytes_.insert(bytes_.end(), data.begin(), data.end());
  }

  void patch_u32le(std::size_t offset, std::uint32_t value) {
    for (int i = 0; i < 4; ++i)
      bytes_[offset + i] = static_cast<std::uint8_t>(value >> (8 * i));
  }

 private:
  std::vector<std::uint8_t>& bytes_;
};

}  // namespace pictavo
