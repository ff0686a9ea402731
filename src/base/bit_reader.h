#pragma once

#include <cstddef>
#include <cstdint>
#include <span>

namespace pictavo {

// Bounds-checked reading of a bit stream, most significant bit first, with the
// exp-Golomb codes of video headers. As with ByteReader, a read past the end
// yields zeros and clears ok(), so a parser reads a whole header and checks once.
class BitReader {
 public:
  explicit BitReader(std::span<const std::uint8_t> bytes) : bytes_(bytes) {}

  bool ok() const { return ok_; }

  bool bit() {
    if (position_ >= bytes_.size() * 8) {
      ok_ = false;
      return false;
    }
    const bool set = (bytes_[position_ / 8] >> (7 - position_ % 8) & 1) != 0;
    ++position_;
    return set;
  }

  // Up to 32 bits as an unsigned number.
  std::uint32_t bits(int count) {
    std::uint32_t value = 0;
    for (int i = 0; i < count; ++i)
      value = value << 1 | static_cast<std::uint32_t>(bit());
    return value;
  }

  void skip(std::size_t count) {
    for (std::size_t i = 0; i < count && ok_; ++i)
      bit();
  }

  // An unsigned exp-Golomb code: N zeros, a one, then N bits. Longer codes than
  // 32 bits hold no value a header may carry.
  std::uint32_t exp_golomb() {
    int zeros = 0;
    while (!bit()) {
      if (!ok_ || ++zeros > 31) {
        ok_ = false;
        return 0;
      }
    }
    return (std::uint32_t{1} << zeros) - 1 + bits(zeros);
  }

  // A signed exp-Golomb code: 1, -1, 2, -2, ... for the codes 1, 2, 3, 4, ...
  std::int64_t signed_exp_golomb() {
    const std::int64_t code = exp_golomb();
    return code % 2 == 1 ? (code + 1) / 2 : -code / 2;
  }

 private:
  std::span<const std::uint8_t> bytes_;
  std::size_t position_ = 0;
  bool ok_ = true;
};

}  // namespace pictavo
