#pragma once

#include <sys/mman.h>
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <string>

#include "image/exif_date.h"
#include "image/image_codec.h"
#include "image/image_file.h"

// The body of every picture fuzzer: bytes that one of the family's codecs
// recognises are probed and decoded (the first frame at full size and at a reduced
// target, from memory and from a file, and the second frame), and what decodes is encoded again and
// must decode to the same size. Sanitizers catch reads and writes out of bounds and leaks; the
// traps catch a picture without pixels or a round trip that loses it.
namespace pictavo::fuzz {

inline int fuzz_pictures(std::initializer_list<ImageFormat> family, const std::uint8_t* data,
                         std::size_t size) {
  const ByteSpan bytes(data, size);
  ImageFormat format = ImageFormat::kUnknown;
  for (const ImageFormat candidate : family) {
    if (codec_for(candidate)->sniff(bytes) != Sniff::kNo) {
      format = candidate;
      break;
    }
  }
  if (format == ImageFormat::kUnknown) return 0;

  (void)probe_image(bytes, format);
  DecodeOptions reduced;
  reduced.target = {16, 16, false};
  (void)decode_image(bytes, format, reduced);
  // Codecs that read a file a part at a time, from a file in memory.
  if (const int fd = memfd_create("picture", MFD_CLOEXEC); fd >= 0) {
    if (write(fd, data, size) == static_cast<ssize_t>(size)) {
      const FileInput file{fd, size};
      (void)codec_for(format)->decode_file(file, reduced);
      (void)codec_for(format)->probe_file(file);
      (void)read_date_taken("/proc/self/fd/" + std::to_string(fd));
    }
    close(fd);
  }
  DecodeOptions second;
  second.frame = 1;
  (void)decode_image(bytes, format, second);

  const Result<Image> image = decode_image(bytes, format);
  if (!image) return 0;
  if (!image->is_valid() || image->width() <= 0 || image->height() <= 0) __builtin_trap();
  const ImageFormat decoded_as = image->origin().format;
  if (!codec_for(decoded_as)->can_encode() || image->width() * image->height() > 1 << 16) return 0;
  const Result<Bytes> encoded = encode_image(*image, decoded_as);
  if (!encoded) return 0;
  const Result<Image> again = decode_image(*encoded, decoded_as);
  if (!again || again->width() != image->width() || again->height() != image->height()) {
    __builtin_trap();
  }
  return 0;
}

}  // namespace pictavo::fuzz
