#include "render/i420.h"

#include <cstring>

#include "render/argb.h"

#if defined(__SSE2__)
#include <emmintrin.h>
#endif
#if defined(__x86_64__)
#include <immintrin.h>
#endif

namespace pictavo {
namespace {

inline std::uint32_t load(const std::uint8_t* row, int x) {
  std::uint32_t value;
  std::memcpy(&value, row + 4 * static_cast<std::ptrdiff_t>(x), sizeof value);
  return value;
}

#if defined(__SSE2__)
// Sixteen pixels at a time, with exactly the scalar arithmetic: luma sums stay
// below 2^16, so 16-bit lanes hold them unsigned; chroma needs 32-bit lanes and
// an arithmetic shift, which rounds toward minus infinity like the scalar >>.
constexpr int kVectorPixels = 16;

// Red, green and blue of eight pixels, each in a 16-bit lane.
struct Channels {
  __m128i red, green, blue;
};

Channels split(const std::uint8_t* pixels) {
  const __m128i low_byte = _mm_set1_epi32(0xFF);
  const auto channel = [&](int shift) {
    const __m128i a = _mm_loadu_si128(reinterpret_cast<const __m128i*>(pixels));
    const __m128i b = _mm_loadu_si128(reinterpret_cast<const __m128i*>(pixels + 16));
    return _mm_packs_epi32(_mm_and_si128(_mm_srli_epi32(a, shift), low_byte),
                           _mm_and_si128(_mm_srli_epi32(b, shift), low_byte));
  };
  return {channel(16), channel(8), channel(0)};
}

__m128i luma(const Channels& c) {
  const __m128i sum = _mm_add_epi16(_mm_add_epi16(_mm_mullo_epi16(c.red, _mm_set1_epi16(66)),
                                                  _mm_mullo_epi16(c.green, _mm_set1_epi16(129))),
                                    _mm_mullo_epi16(c.blue, _mm_set1_epi16(25)));
  return _mm_add_epi16(_mm_srli_epi16(sum, 8), _mm_set1_epi16(16));
}

int luma_row_vector(const std::uint8_t* row, int width, std::uint8_t* y_out) {
  int x = 0;
  for (; x + kVectorPixels <= width; x += kVectorPixels) {
    const __m128i first = luma(split(row + 4 * x));
    const __m128i second = luma(split(row + 4 * x + 32));
    _mm_storeu_si128(reinterpret_cast<__m128i*>(y_out + x), _mm_packus_epi16(first, second));
  }
  return x;
}

// Weighted sums of four 2 × 2 blocks: `pair` holds two of each block's channel
// sums in the low and high 16 bits of a 32-bit lane, `other` the third in the
// low 16 bits.
__m128i chroma(__m128i pair, __m128i other, int low_weight, int high_weight, int other_weight) {
  const __m128i weights = _mm_set1_epi32(static_cast<int>(
      static_cast<std::uint32_t>(high_weight) << 16 | static_cast<std::uint16_t>(low_weight)));
  const __m128i sum = _mm_add_epi32(
      _mm_madd_epi16(pair, weights),
      _mm_madd_epi16(other, _mm_set1_epi32(static_cast<std::uint16_t>(other_weight))));
  return _mm_add_epi32(_mm_srai_epi32(sum, 10), _mm_set1_epi32(128));
}

struct ChromaPair {
  __m128i u, v;  // four values each, in 32-bit lanes
};

ChromaPair chroma_of_eight(const std::uint8_t* top, const std::uint8_t* bottom) {
  const Channels a = split(top);
  const Channels b = split(bottom);
  const __m128i ones = _mm_set1_epi16(1);
  // Column sums, then the two columns of each block: at most 1020 in 32 bits.
  const __m128i red = _mm_madd_epi16(_mm_add_epi16(a.red, b.red), ones);
  const __m128i green = _mm_madd_epi16(_mm_add_epi16(a.green, b.green), ones);
  const __m128i blue = _mm_madd_epi16(_mm_add_epi16(a.blue, b.blue), ones);
  const __m128i blue_green = _mm_or_si128(blue, _mm_slli_epi32(green, 16));
  const __m128i red_green = _mm_or_si128(red, _mm_slli_epi32(green, 16));
  return {chroma(blue_green, red, 112, -74, -38),   // U = 112 ΣB − 74 ΣG − 38 ΣR
          chroma(red_green, blue, 112, -94, -18)};  // V = 112 ΣR − 94 ΣG − 18 ΣB
}

int chroma_row_vector(const std::uint8_t* top, const std::uint8_t* bottom, int chroma_width,
                      std::uint8_t* u_out, std::uint8_t* v_out) {
  constexpr int kBlocks = kVectorPixels / 2;
  int x = 0;
  for (; x + kBlocks <= chroma_width; x += kBlocks) {
    const ChromaPair first = chroma_of_eight(top + 8 * x, bottom + 8 * x);
    const ChromaPair second = chroma_of_eight(top + 8 * x + 32, bottom + 8 * x + 32);
    const __m128i u = _mm_packs_epi32(first.u, second.u);
    const __m128i v = _mm_packs_epi32(first.v, second.v);
    _mm_storel_epi64(reinterpret_cast<__m128i*>(u_out + x), _mm_packus_epi16(u, u));
    _mm_storel_epi64(reinterpret_cast<__m128i*>(v_out + x), _mm_packus_epi16(v, v));
  }
  return x;
}
#else
int luma_row_vector(const std::uint8_t*, int, std::uint8_t*) {
  return 0;
}
int chroma_row_vector(const std::uint8_t*, const std::uint8_t*, int, std::uint8_t*, std::uint8_t*) {
  return 0;
}
#endif

#if defined(__x86_64__)
// The same arithmetic on processors with AVX2, which do twice the pixels an
// instruction: 1920 × 1080 frames spend much of their time here. The 256-bit
// packs work within each 128-bit half, so the pixels of one half come out as
// pixels 0-3 and 8-11, the other half's as 4-7 and 12-15; a permutation puts
// them back in order before they are stored.
#define PICTAVO_AVX2 __attribute__((target("avx2")))

struct WideChannels {
  __m256i red, green, blue;  // sixteen pixels in that order
};

template <int kShift>
PICTAVO_AVX2 __m256i channel_wide(__m256i a, __m256i b) {
  const __m256i low_byte = _mm256_set1_epi32(0xFF);
  return _mm256_packs_epi32(_mm256_and_si256(_mm256_srli_epi32(a, kShift), low_byte),
                            _mm256_and_si256(_mm256_srli_epi32(b, kShift), low_byte));
}

PICTAVO_AVX2 WideChannels split_wide(const std::uint8_t* pixels) {
  const __m256i a = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(pixels));
  const __m256i b = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(pixels + 32));
  return {channel_wide<16>(a, b), channel_wide<8>(a, b), channel_wide<0>(a, b)};
}

// Sixteen luma bytes, in order.
PICTAVO_AVX2 __m128i luma_wide(const std::uint8_t* pixels) {
  const WideChannels c = split_wide(pixels);
  const __m256i sum =
      _mm256_add_epi16(_mm256_add_epi16(_mm256_mullo_epi16(c.red, _mm256_set1_epi16(66)),
                                        _mm256_mullo_epi16(c.green, _mm256_set1_epi16(129))),
                       _mm256_mullo_epi16(c.blue, _mm256_set1_epi16(25)));
  const __m256i luma = _mm256_permute4x64_epi64(
      _mm256_add_epi16(_mm256_srli_epi16(sum, 8), _mm256_set1_epi16(16)), 0xD8);
  return _mm_packus_epi16(_mm256_castsi256_si128(luma), _mm256_extracti128_si256(luma, 1));
}

PICTAVO_AVX2 int luma_row_wide(const std::uint8_t* row, int width, std::uint8_t* y_out) {
  int x = 0;
  for (; x + 16 <= width; x += 16)
    _mm_storeu_si128(reinterpret_cast<__m128i*>(y_out + x), luma_wide(row + 4 * x));
  return x;
}

PICTAVO_AVX2 __m256i chroma_wide(__m256i pair, __m256i other, int low_weight, int high_weight,
                                 int other_weight) {
  const __m256i weights = _mm256_set1_epi32(static_cast<int>(
      static_cast<std::uint32_t>(high_weight) << 16 | static_cast<std::uint16_t>(low_weight)));
  const __m256i sum = _mm256_add_epi32(
      _mm256_madd_epi16(pair, weights),
      _mm256_madd_epi16(other, _mm256_set1_epi32(static_cast<std::uint16_t>(other_weight))));
  return _mm256_add_epi32(_mm256_srai_epi32(sum, 10), _mm256_set1_epi32(128));
}

// Eight 32-bit values of blocks 0, 1, 4, 5 | 2, 3, 6, 7 as eight bytes in order.
PICTAVO_AVX2 void store_chroma(__m256i values, std::uint8_t* out) {
  const __m256i ordered =
      _mm256_permutevar8x32_epi32(values, _mm256_setr_epi32(0, 1, 4, 5, 2, 3, 6, 7));
  const __m128i words =
      _mm_packs_epi32(_mm256_castsi256_si128(ordered), _mm256_extracti128_si256(ordered, 1));
  _mm_storel_epi64(reinterpret_cast<__m128i*>(out), _mm_packus_epi16(words, words));
}

PICTAVO_AVX2 int chroma_row_wide(const std::uint8_t* top, const std::uint8_t* bottom,
                                 int chroma_width, std::uint8_t* u_out, std::uint8_t* v_out) {
  int x = 0;
  for (; x + 8 <= chroma_width; x += 8) {
    const WideChannels a = split_wide(top + 8 * x);
    const WideChannels b = split_wide(bottom + 8 * x);
    const __m256i ones = _mm256_set1_epi16(1);
    const __m256i red = _mm256_madd_epi16(_mm256_add_epi16(a.red, b.red), ones);
    const __m256i green = _mm256_madd_epi16(_mm256_add_epi16(a.green, b.green), ones);
    const __m256i blue = _mm256_madd_epi16(_mm256_add_epi16(a.blue, b.blue), ones);
    const __m256i blue_green = _mm256_or_si256(blue, _mm256_slli_epi32(green, 16));
    const __m256i red_green = _mm256_or_si256(red, _mm256_slli_epi32(green, 16));
    store_chroma(chroma_wide(blue_green, red, 112, -74, -38), u_out + x);
    store_chroma(chroma_wide(red_green, blue, 112, -94, -18), v_out + x);
  }
  return x;
}

const bool kHaveAvx2 = __builtin_cpu_supports("avx2");
#endif

// The vector code does what it can of a row; these loops do the rest.
void luma_row(const std::uint8_t* row, int width, std::uint8_t* y_out) {
  int x = 0;
#if defined(__x86_64__)
  if (kHaveAvx2) x = luma_row_wide(row, width, y_out);
#endif
  x += luma_row_vector(row + 4 * x, width - x, y_out + x);
  for (; x < width; ++x) {
    const std::uint32_t p = load(row, x);
    y_out[x] = static_cast<std::uint8_t>(
        ((66 * red_of(p) + 129 * green_of(p) + 25 * blue_of(p)) >> 8) + 16);
  }
}

void chroma_row(const std::uint8_t* top, const std::uint8_t* bottom, int chroma_width,
                std::uint8_t* u_out, std::uint8_t* v_out) {
  int x = 0;
#if defined(__x86_64__)
  if (kHaveAvx2) x = chroma_row_wide(top, bottom, chroma_width, u_out, v_out);
#endif
  x += chroma_row_vector(top + 8 * x, bottom + 8 * x, chroma_width - x, u_out + x, v_out + x);
  for (; x < chroma_width; ++x) {
    const std::uint32_t a = load(top, 2 * x);
    const std::uint32_t b = load(top, 2 * x + 1);
    const std::uint32_t c = load(bottom, 2 * x);
    const std::uint32_t d = load(bottom, 2 * x + 1);
    const int sum_r = red_of(a) + red_of(b) + red_of(c) + red_of(d);
    const int sum_g = green_of(a) + green_of(b) + green_of(c) + green_of(d);
    const int sum_b = blue_of(a) + blue_of(b) + blue_of(c) + blue_of(d);
    // >> on a negative int rounds toward minus infinity (defined since C++20).
    u_out[x] = static_cast<std::uint8_t>(((112 * sum_b - 74 * sum_g - 38 * sum_r) >> 10) + 128);
    v_out[x] = static_cast<std::uint8_t>(((112 * sum_r - 94 * sum_g - 18 * sum_b) >> 10) + 128);
  }
}

}  // namespace

void rgb24_to_i420(const std::uint8_t* pixels, std::ptrdiff_t stride, int width, int height,
                   std::uint8_t* yuv) {
  if (width <= 0 || height <= 0) return;
  const int chroma_width = width / 2;
  const int chroma_height = height / 2;
  std::uint8_t* const y_plane = yuv;
  std::uint8_t* const u_plane = y_plane + static_cast<std::size_t>(width) * height;
  std::uint8_t* const v_plane = u_plane + static_cast<std::size_t>(chroma_width) * chroma_height;

  for (int row = 0; row < height; ++row) {
    const std::uint8_t* line = pixels + row * stride;
    luma_row(line, width, y_plane + static_cast<std::size_t>(row) * width);
    if (row % 2 == 1) {
      const std::size_t chroma_offset = static_cast<std::size_t>(row / 2) * chroma_width;
      chroma_row(line - stride, line, chroma_width, u_plane + chroma_offset,
                 v_plane + chroma_offset);
    }
  }
}

}  // namespace pictavo
