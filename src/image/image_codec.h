#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

#include "base/result.h"
#include "image/image.h"
#include "image/image_format.h"

namespace pictavo {

using ByteSpan = std::span<const std::uint8_t>;
using Bytes = std::vector<std::uint8_t>;

// What a header says about a picture, without decoding its pixels.
struct ImageInfo {
  ImageFormat format = ImageFormat::kUnknown;
  int width = 0;  // upright: EXIF orientation 5..8 swaps the stored sides
  int height = 0;
  int bits_per_pixel = 24;
  int frame_count = 1;
  int orientation = 1;
  bool has_alpha = false;
};

// The smallest picture a caller needs. Decoders that can reduce a picture cheaply
// while decoding (JPEG's DCT scaling, JPEG 2000's resolution levels) stop at the
// smallest scale that still gives the caller enough pixels: the whole picture
// fitted inside width × height, or covering it when `cover` is set.
struct TargetSize {
  int width = 0;  // 0: the full picture is needed
  int height = 0;
  bool cover = false;

  bool is_set() const { return width > 0 && height > 0; }
  // The scale (<= 1) down to which a picture of this size may be reduced.
  double scale_needed(int full_width, int full_height) const;
};

struct DecodeOptions {
  int frame = 0;  // of a multi-frame file (GIF, TIFF, ICO)
  TargetSize target;
  bool apply_orientation = true;  // turn JPEG and TIFF photos upright by their EXIF tag
};

struct EncodeOptions {
  int jpeg_quality = 75;  // 1..100; baseline JPEG, 4:2:0
};

// An open picture file that a codec may read from directly, a part at a time.
struct FileInput {
  int fd = -1;
  std::size_t size = 0;

  // Reads `count` bytes at `offset`; false when the file does not hold them.
  bool read_at(std::size_t offset, void* out, std::size_t count) const;
  // The whole file; empty when it cannot be read or memory runs out.
  std::optional<Bytes> read_all() const;
};

// How sure a codec is that some bytes are its format.
enum class Sniff {
  kNo,
  kWeak,  // plausible, but the format has no signature (TGA, WBMP): only when named
  kYes,
};

// One picture format: recognises, probes, decodes and (where offered) encodes it.
// Codecs keep no state; one instance serves every thread.
class ImageCodec {
 public:
  virtual ~ImageCodec() = default;

  virtual ImageFormat format() const = 0;
  virtual Sniff sniff(ByteSpan head) const = 0;
  // Reads no more of the bytes than the header needs.
  virtual Result<ImageInfo> probe(ByteSpan bytes) const = 0;
  // Called for frame 0 only unless the codec reads files of several frames.
  virtual Result<Image> decode(ByteSpan bytes, const DecodeOptions& options) const = 0;
  // The same, from a file. Codecs that reduce a picture as they read it read only
  // what they need, never the whole file at once; the others read it whole.
  virtual Result<Image> decode_file(const FileInput& file, const DecodeOptions& options) const;
  // Probes a file whose header the first bytes did not hold (a TIFF's directory
  // at the end); by default the whole file is read.
  virtual Result<ImageInfo> probe_file(const FileInput& file) const;
  virtual bool has_frames() const { return false; }
  virtual bool can_encode() const { return false; }
  virtual Result<Bytes> encode(const Image& image, const EncodeOptions& options) const;
};

// The failure for a frame the file does not have.
Failure missing_frame(int frame, int frame_count);

// The codec of a format; nullptr for kUnknown.
const ImageCodec* codec_for(ImageFormat format);

// The format the bytes are by their signature; kUnknown when none matches. The
// formats without a signature are recognised only when `named` is that format.
ImageFormat sniff_format(ByteSpan head, ImageFormat named = ImageFormat::kUnknown);

}  // namespace pictavo
