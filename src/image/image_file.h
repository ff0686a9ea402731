#pragma once

#include <filesystem>

#include "base/result.h"
#include "image/image.h"
#include "image/image_codec.h"

// Decoding and encoding pictures in memory and in files. The format named by the
// caller (usually image_type_of the path) picks the codec; a file whose content is
// plainly another format (a PNG named .jpg) is decoded as what it is, and the
// image's origin tells which. kUnknown is refused: the program does not open
// files of types it does not know.
namespace pictavo {

Result<Image> decode_image(ByteSpan bytes, ImageFormat format, const DecodeOptions& options = {});
Result<ImageInfo> probe_image(ByteSpan bytes, ImageFormat format);
Result<Bytes> encode_image(const Image& image, ImageFormat format,
                           const EncodeOptions& options = {});

Result<Image> load_image(const std::filesystem::path& path, ImageFormat format,
                         const DecodeOptions& options = {});
// Reads only the head of the file when the header lies there.
Result<ImageInfo> probe_image_file(const std::filesystem::path& path, ImageFormat format);
// Writes atomically: a failure leaves any earlier file untouched.
Status save_image(const Image& image, const std::filesystem::path& path, ImageFormat format,
                  const EncodeOptions& options = {});

// The picture reduced (never enlarged) to fit inside width × height with its
// aspect kept, decoded at a reduced scale where the format allows. origin() keeps
// the full size. The fast path for thumbnails, cover pictures and video frames.
Result<Image> load_image_within(const std::filesystem::path& path, ImageFormat format, int width,
                                int height);

// The format of a file by its content alone; kUnknown when unrecognised.
ImageFormat detect_image_format(const std::filesystem::path& path);

}  // namespace pictavo
