#include "image/image_codec.h"

#include <unistd.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <new>
#include <string>

#include "image/codecs/codecs.h"

namespace pictavo {
namespace {

const std::array<const ImageCodec*, kImageFormatCount>& all_codecs() {
  static const std::array<const ImageCodec*, kImageFormatCount> kCodecs = {
      nullptr,
      &codecs::bmp_codec(),
      &codecs::gif_codec(),
      &codecs::jpeg_codec(),
      &codecs::png_codec(),
      &codecs::ico_codec(),
      &codecs::tiff_codec(),
      &codecs::tga_codec(),
      &codecs::pcx_codec(),
      &codecs::wbmp_codec(),
      &codecs::wmf_codec(),
      &codecs::jp2_codec(),
      &codecs::jpc_codec(),
      &codecs::pgx_codec(),
      &codecs::pnm_codec(),
      &codecs::ras_codec(),
      &codecs::heif_codec(),
      &codecs::webp_codec(),
  };
  return kCodecs;
}

}  // namespace

double TargetSize::scale_needed(int full_width, int full_height) const {
  if (!is_set() || full_width <= 0 || full_height <= 0) return 1.0;
  const double sx = static_cast<double>(width) / full_width;
  const double sy = static_cast<double>(height) / full_height;
  return std::min(1.0, cover ? std::max(sx, sy) : std::min(sx, sy));
}

bool FileInput::read_at(std::size_t offset, void* out, std::size_t count) const {
  if (offset > size || count > size - offset) return false;
  auto* bytes = static_cast<std::uint8_t*>(out);
  while (count > 0) {
    const ssize_t got = ::pread(fd, bytes, count, static_cast<off_t>(offset));
    if (got < 0 && errno == EINTR) continue;
    if (got <= 0) return false;
    bytes += got;
    offset += static_cast<std::size_t>(got);
    count -= static_cast<std::size_t>(got);
  }
  return true;
}

std::optional<Bytes> FileInput::read_all() const {
  Bytes bytes;
  try {
    bytes.resize(size);
  } catch (const std::bad_alloc&) {
    return std::nullopt;
  }
  if (!read_at(0, bytes.data(), size)) return std::nullopt;
  return bytes;
}

Result<Image> ImageCodec::decode_file(const FileInput& file, const DecodeOptions& options) const {
  const std::optional<Bytes> bytes = file.read_all();
  if (!bytes) return Failure{"cannot read the whole file"};
  return decode(*bytes, options);
}

Result<ImageInfo> ImageCodec::probe_file(const FileInput& file) const {
  const std::optional<Bytes> bytes = file.read_all();
  if (!bytes) return Failure{"cannot read the whole file"};
  return probe(*bytes);
}

Result<Bytes> ImageCodec::encode(const Image&, const EncodeOptions&) const {
  return Failure{std::string(format_name(format())) + " pictures cannot be written"};
}

Failure missing_frame(int frame, int frame_count) {
  return Failure{"there is no frame " + std::to_string(frame) + " (the file has " +
                 std::to_string(frame_count) + ")"};
}

const ImageCodec* codec_for(ImageFormat format) {
  const auto index = static_cast<std::size_t>(format);
  return index < all_codecs().size() ? all_codecs()[index] : nullptr;
}

ImageFormat sniff_format(ByteSpan head, ImageFormat named) {
  if (const ImageCodec* codec = codec_for(named); codec && codec->sniff(head) != Sniff::kNo) {
    return named;
  }
  for (const ImageCodec* codec : all_codecs()) {
    if (codec && codec->sniff(head) == Sniff::kYes) return codec->format();
  }
  return ImageFormat::kUnknown;
}

}  // namespace pictavo
