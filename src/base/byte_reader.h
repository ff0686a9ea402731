#pragma once

#include <cstddef>
#include <cstdint>
#include <span>

namespace pictavo {

// Bounds-checked reading of a byte buffer for the hand-written codecs. A read past
// the end yields zeros and clears ok(), so a decoder can read a whole header and
// check once before trusting any of its values.
class ByteReader {
 public:
  explicit ByteReader(std::span<const std::uint8_t> bytes, std::size_t offset = 0)
      : bytes_(bytes), offset_(offset), ok_(offset <= bytes.size()) {}

  bool ok() const { return ok_; }
  std::size_t offset() const { return offset_; }
  std::size_t remaining() const { return offset_ < bytes_.size() ? bytes_.size() - offset_ : 0; }
  bool at_end() const { return remaining() == 0; }

  void seek(std::size_t offset) {
    if (offset > bytes_.size()) ok_ = false;
    offset_ = offset;
  }
  void skip(std::size_t count) {
    if (count > remaining()) ok_ = false;
    offset_ = count > remaining() ? bytes_.size() : offset_ + count;
  }

  std::uint8_t u8() {
    if (remaining() < 1) return fail();
    return bytes_[offset_++];
  }
  // Each byte is read in its own statement: operands of | have no defined order.
  std::uint16_t u16le() {
    const unsigned low = u8();
    return static_cast<std::uint16_t>(low | unsigned{u8()} << 8);
  }
  std::uint16_t u16be() {
    const unsigned high = u8();
    return static_cast<std::uint16_t>(high << 8 | u8());
  }
  std::uint32_t u32le() {
    const std::uint32_t low = u16le();
    return low | static_cast<std::uint32_t>(u16le()) << 16;
  }
  std::uint32_t u32be() {
    const std::uint32_t high = u16be();
    return high << 16 | u16be();
  }

  // The next `count` bytes, or an empty span (and !ok()) when fewer remain.
  std::span<const std::uint8_t> take(std::size_t count) {
    if (count > remaining()) {
      fail();
      return {};
    }
    const std::span<const std::uint8_t> part = bytes_.subspan(offset_, count);
    offset_ += count;
    return part;
  }

 private:
  std::uint8_t fail() {
    ok_ = false;
    offset_ = bytes_.size();
    return 0;
  }

  std::span<const std::uint8_t> bytes_;
  std::size_t offset_;
  bool ok_;
};

}  // namespace pictavo
