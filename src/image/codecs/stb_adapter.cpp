#include "image/codecs/stb_adapter.h"

#include <stb_image.h>
#include <stb_image_write.h>

#include <memory>
#include <string>
#include <vector>

#include "image/image_limits.h"

namespace pictavo::codecs {
namespace {

struct StbFree {
  void operator()(stbi_uc* pixels) const { stbi_image_free(pixels); }
};

void append_to_bytes(void* context, void* data, int size) {
  auto* bytes = static_cast<Bytes*>(context);
  const auto* begin = static_cast<const std::uint8_t*>(data);
  bytes->insert(bytes->end(), begin, begin + size);
}

}  // namespace

Result<Image> decode_with_stb(ByteSpan bytes, const char* format_name) {
  if (bytes.size() > static_cast<std::size_t>(INT32_MAX)) return Failure{"the file is too large"};
  const auto length = static_cast<int>(bytes.size());
  int width = 0, height = 0, channels = 0;
  if (!stbi_info_from_memory(bytes.data(), length, &width, &height, &channels)) {
    return Failure{std::string("not a readable ") + format_name +
                   " header: " + stbi_failure_reason()};
  }
  const std::string refusal = image_size_refusal(width, height);
  if (!refusal.empty()) return Failure{refusal};
  const std::unique_ptr<stbi_uc, StbFree> pixels(
      stbi_load_from_memory(bytes.data(), length, &width, &height, &channels, 4));
  if (!pixels) {
    return Failure{std::string("damaged ") + format_name + " data: " + stbi_failure_reason()};
  }
  std::optional<Image> image = Image::allocate(width, height, PixelLayout::kBgra);
  if (!image) return Failure{"not enough memory for the picture"};
  bool translucent = false;
  const stbi_uc* in = pixels.get();
  for (int y = 0; y < height; ++y) {
    std::uint8_t* out = image->row(y);
    for (int x = 0; x < width; ++x, in += 4, out += 4) {
      out[0] = in[2];
      out[1] = in[1];
      out[2] = in[0];
      out[3] = in[3];
      translucent |= in[3] != 255;
    }
  }
  if (!translucent) image->convert_to(PixelLayout::kBgrx);
  return std::move(*image);
}

Result<Bytes> encode_with_stb(const Image& image, StbWriter writer) {
  const int channels = image.has_alpha() ? 4 : 3;
  std::vector<std::uint8_t> packed(static_cast<std::size_t>(image.width()) * image.height() *
                                   channels);
  std::uint8_t* out = packed.data();
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x, out += channels) {
      const RgbQuad colour = image.pixel(x, y);
      out[0] = colour.red;
      out[1] = colour.green;
      out[2] = colour.blue;
      if (channels == 4) out[3] = colour.alpha;
    }
  }
  Bytes bytes;
  const int written = writer == StbWriter::kBmp
                          ? stbi_write_bmp_to_func(append_to_bytes, &bytes, image.width(),
                                                   image.height(), channels, packed.data())
                          : stbi_write_tga_to_func(append_to_bytes, &bytes, image.width(),
                                                   image.height(), channels, packed.data());
  if (!written) return Failure{"cannot encode the picture"};
  return bytes;
}

}  // namespace pictavo::codecs
