#include "image/codecs/gif_writer.h"

#include <gif_lib.h>

#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

namespace pictavo::codecs {
namespace {

int append_to_bytes(GifFileType* gif, const GifByteType* data, int length) {
  auto* out = static_cast<Bytes*>(gif->UserData);
  out->insert(out->end(), data, data + length);
  return length;
}

struct MapDeleter {
  void operator()(ColorMapObject* map) const { GifFreeMapObject(map); }
};
struct EncoderCloser {
  void operator()(GifFileType* gif) const { EGifCloseFile(gif, nullptr); }
};

struct IndexedPixels {
  std::vector<GifByteType> indices;
  std::vector<GifColorType> colours;
  int transparent = NO_TRANSPARENT_COLOR;
};

IndexedPixels copy_indexed(const Image& image) {
  IndexedPixels pixels;
  pixels.indices.resize(static_cast<std::size_t>(image.width()) * image.height());
  for (int y = 0; y < image.height(); ++y) {
    std::copy(image.row(y), image.row(y) + image.width(),
              pixels.indices.begin() + static_cast<std::ptrdiff_t>(y) * image.width());
  }
  for (const RgbQuad& colour : image.palette()) {
    pixels.colours.push_back({colour.red, colour.green, colour.blue});
  }
  pixels.transparent = image.transparent_index();
  return pixels;
}

// Pictures of few colours keep them exactly; only richer ones are quantised.
std::optional<IndexedPixels> exact_palette(const Image& image) {
  const std::size_t limit = image.has_alpha() ? 255 : 256;
  IndexedPixels pixels;
  pixels.indices.reserve(static_cast<std::size_t>(image.width()) * image.height());
  std::unordered_map<std::uint32_t, GifByteType> index_of;
  for (int y = 0; y < image.height(); ++y) {
    const std::uint8_t* p = image.row(y);
    for (int x = 0; x < image.width(); ++x, p += 4) {
      if (image.has_alpha() && p[3] < 128) {
        pixels.indices.push_back(255);
        continue;
      }
      const std::uint32_t key = p[2] << 16 | p[1] << 8 | p[0];
      auto [entry, added] = index_of.emplace(key, static_cast<GifByteType>(index_of.size()));
      if (added) {
        if (index_of.size() > limit) return std::nullopt;
        pixels.colours.push_back({p[2], p[1], p[0]});
      }
      pixels.indices.push_back(entry->second);
    }
  }
  if (image.has_alpha()) {
    pixels.colours.resize(256);
    pixels.transparent = 255;
  }
  return pixels;
}

// giflib's quantiser picks colours from 5-bit boxes, which turns white into light
// grey; each palette entry becomes the mean of the pixels it stands for instead.
void refine_colours(const std::vector<GifByteType>& red, const std::vector<GifByteType>& green,
                    const std::vector<GifByteType>& blue, IndexedPixels& pixels) {
  struct Sum {
    std::uint64_t red = 0, green = 0, blue = 0, count = 0;
  };
  std::vector<Sum> sums(pixels.colours.size());
  for (std::size_t i = 0; i < pixels.indices.size(); ++i) {
    if (pixels.indices[i] >= sums.size()) continue;
    Sum& sum = sums[pixels.indices[i]];
    sum.red += red[i];
    sum.green += green[i];
    sum.blue += blue[i];
    ++sum.count;
  }
  for (std::size_t c = 0; c < sums.size(); ++c) {
    const Sum& sum = sums[c];
    if (sum.count == 0) continue;
    const auto mean = [&](std::uint64_t total) {
      return static_cast<GifByteType>((total + sum.count / 2) / sum.count);
    };
    pixels.colours[c] = {mean(sum.red), mean(sum.green), mean(sum.blue)};
  }
}

std::optional<IndexedPixels> quantise(const Image& image) {
  const std::size_t count = static_cast<std::size_t>(image.width()) * image.height();
  std::vector<GifByteType> red(count), green(count), blue(count);
  std::size_t i = 0;
  for (int y = 0; y < image.height(); ++y) {
    const std::uint8_t* p = image.row(y);
    for (int x = 0; x < image.width(); ++x, ++i, p += 4) {
      blue[i] = p[0];
      green[i] = p[1];
      red[i] = p[2];
    }
  }
  IndexedPixels pixels;
  pixels.indices.resize(count);
  pixels.colours.resize(256);
  int size = image.has_alpha() ? 255 : 256;
  if (GifQuantizeBuffer(static_cast<unsigned>(image.width()), static_cast<unsigned>(image.height()),
                        &size, red.data(), green.data(), blue.data(), pixels.indices.data(),
                        pixels.colours.data()) != GIF_OK) {
    return std::nullopt;
  }
  pixels.colours.resize(static_cast<std::size_t>(size));
  refine_colours(red, green, blue, pixels);
  if (image.has_alpha()) {
    pixels.transparent = 255;
    pixels.colours.resize(256);
    i = 0;
    for (int y = 0; y < image.height(); ++y) {
      const std::uint8_t* p = image.row(y);
      for (int x = 0; x < image.width(); ++x, ++i) {
        if (p[4 * x + 3] < 128) pixels.indices[i] = 255;
      }
    }
  }
  return pixels;
}

}  // namespace

Result<Bytes> encode_gif(const Image& image) {
  std::optional<IndexedPixels> pixels;
  if (image.layout() == PixelLayout::kIndexed) {
    pixels = copy_indexed(image);
  } else {
    pixels = exact_palette(image);
    if (!pixels) pixels = quantise(image);
  }
  if (!pixels) return Failure{"cannot reduce the picture to 256 colours"};
  // A GIF colour table has a power of two entries, at least two.
  std::size_t entries = 2;
  while (entries < pixels->colours.size())
    entries *= 2;
  pixels->colours.resize(entries, GifColorType{0, 0, 0});
  const std::unique_ptr<ColorMapObject, MapDeleter> map(
      GifMakeMapObject(static_cast<int>(entries), pixels->colours.data()));
  if (!map) return Failure{"cannot make the GIF colour table"};

  Bytes bytes;
  int error = 0;
  std::unique_ptr<GifFileType, EncoderCloser> gif(EGifOpen(&bytes, append_to_bytes, &error));
  if (!gif) return Failure{"cannot start the GIF"};
  EGifSetGifVersion(gif.get(), true);
  bool ok = EGifPutScreenDesc(gif.get(), image.width(), image.height(),
                              GifBitSize(static_cast<int>(entries)), 0, map.get()) == GIF_OK;
  if (ok && pixels->transparent >= 0) {
    const GraphicsControlBlock control{DISPOSAL_UNSPECIFIED, false, 0, pixels->transparent};
    GifByteType extension[4];
    const std::size_t length = EGifGCBToExtension(&control, extension);
    ok = EGifPutExtension(gif.get(), GRAPHICS_EXT_FUNC_CODE, static_cast<int>(length), extension) ==
         GIF_OK;
  }
  ok = ok &&
       EGifPutImageDesc(gif.get(), 0, 0, image.width(), image.height(), false, nullptr) == GIF_OK;
  for (int y = 0; ok && y < image.height(); ++y) {
    ok =
        EGifPutLine(gif.get(), pixels->indices.data() + static_cast<std::size_t>(y) * image.width(),
                    image.width()) == GIF_OK;
  }
  const int closed = EGifCloseFile(gif.release(), &error);
  if (!ok || closed != GIF_OK) return Failure{"cannot encode the GIF"};
  return bytes;
}

}  // namespace pictavo::codecs
