#include "image/image_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstring>
#include <memory>
#include <new>
#include <string>
#include <string_view>
#include <utility>

#include "base/atomic_file.h"
#include "image/orientation.h"
#include "image/resample.h"

namespace pictavo {
namespace {

// No picture file the program handles comes near this; anything larger is refused
// before it is read.
constexpr std::size_t kMaxFileBytes = std::size_t{1} << 30;
// Enough for the header of every format in all but odd files (a JPEG with a large
// EXIF block, a TIFF whose directory lies at the end); those are read whole.
constexpr std::size_t kProbeHeadBytes = 256 * 1024;

// Enough of a file to tell its format.
constexpr std::size_t kSniffBytes = 4096;

class FileCloser {
 public:
  explicit FileCloser(int fd) : fd_(fd) {}
  FileCloser(const FileCloser&) = delete;
  FileCloser& operator=(const FileCloser&) = delete;
  ~FileCloser() { ::close(fd_); }

 private:
  int fd_;
};

// A picture file open for reading; closed with the last copy.
struct OpenFile {
  std::shared_ptr<FileCloser> closer;
  FileInput input;
};

// Opens a regular file of at most kMaxFileBytes.
Result<OpenFile> open_file(const std::filesystem::path& path) {
  const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) return Failure{"cannot open " + path.string() + ": " + std::strerror(errno)};
  OpenFile file{std::make_shared<FileCloser>(fd), {fd, 0}};
  struct ::stat status {};
  if (::fstat(fd, &status) != 0 || !S_ISREG(status.st_mode)) {
    return Failure{path.string() + " is not a file"};
  }
  file.input.size = static_cast<std::size_t>(status.st_size);
  if (file.input.size > kMaxFileBytes) {
    return Failure{path.string() + " is too large for a picture"};
  }
  return file;
}

struct FileBytes {
  Bytes bytes;
  std::size_t file_size = 0;
};

Result<FileBytes> read_file(const std::filesystem::path& path, std::size_t limit) {
  Result<OpenFile> open = open_file(path);
  if (!open) return Failure{open.reason()};
  FileBytes file;
  file.file_size = open->input.size;
  try {
    file.bytes.resize(std::min(file.file_size, limit));
  } catch (const std::bad_alloc&) {
    return Failure{"not enough memory to read " + path.string()};
  }
  std::size_t done = 0;
  while (done < file.bytes.size()) {
    const ssize_t got = ::read(open->input.fd, file.bytes.data() + done, file.bytes.size() - done);
    if (got < 0 && errno == EINTR) continue;
    if (got <= 0) break;
    done += static_cast<std::size_t>(got);
  }
  file.bytes.resize(done);
  return file;
}

Result<const ImageCodec*> choose_codec(ByteSpan bytes, ImageFormat format) {
  if (format == ImageFormat::kUnknown) return Failure{"unknown picture type"};
  if (bytes.empty()) return Failure{"the file is empty"};
  const ImageFormat found = sniff_format(bytes, format);
  if (found == ImageFormat::kUnknown) {
    return Failure{"not a " + std::string(format_name(format)) + " file"};
  }
  return codec_for(found);
}

// What every decode ends with: where the picture came from, and upright.
Result<Image> finish_decoding(Result<Image> image, const ImageCodec& codec,
                              std::size_t encoded_size, const DecodeOptions& options) {
  if (!image) return image;
  ImageOrigin& origin = image->origin();
  origin.format = codec.format();
  origin.encoded_size = encoded_size;
  if (options.apply_orientation && origin.orientation != 1) {
    if (!apply_orientation(*image, origin.orientation)) {
      return Failure{"not enough memory to turn the picture upright"};
    }
    if (orientation_swaps_sides(origin.orientation)) {
      std::swap(origin.full_width, origin.full_height);
    }
  }
  return image;
}

Result<const ImageCodec*> codec_for_frame(ByteSpan head, ImageFormat format,
                                          const DecodeOptions& options) {
  Result<const ImageCodec*> codec = choose_codec(head, format);
  if (!codec) return codec;
  if (options.frame < 0 || (options.frame > 0 && !(*codec)->has_frames())) {
    return missing_frame(options.frame, 1);
  }
  return codec;
}

Result<ImageInfo> finish_probing(Result<ImageInfo> info, const ImageCodec& codec) {
  if (info) {
    info->format = codec.format();
    if (orientation_swaps_sides(info->orientation)) std::swap(info->width, info->height);
  }
  return info;
}

// A picture file open for its codec to read a part at a time.
struct OpenPicture {
  OpenFile file;
  const ImageCodec* codec = nullptr;
};

Result<OpenPicture> open_picture(const std::filesystem::path& path, ImageFormat format,
                                 const DecodeOptions& options) {
  Result<OpenFile> file = open_file(path);
  if (!file) return Failure{file.reason()};
  const FileInput& input = file->input;
  if (input.size == 0) return Failure{"the file is empty"};
  Bytes head(std::min<std::size_t>(input.size, kSniffBytes));
  if (!input.read_at(0, head.data(), head.size())) {
    return Failure{"cannot read " + path.string() + ": " + std::strerror(errno)};
  }
  Result<const ImageCodec*> codec = codec_for_frame(head, format, options);
  if (!codec) return Failure{codec.reason()};
  return OpenPicture{std::move(*file), *codec};
}

}  // namespace

Result<Image> decode_image(ByteSpan bytes, ImageFormat format, const DecodeOptions& options) {
  Result<const ImageCodec*> codec = codec_for_frame(bytes, format, options);
  if (!codec) return Failure{codec.reason()};
  return finish_decoding((*codec)->decode(bytes, options), **codec, bytes.size(), options);
}

Result<ImageInfo> probe_image(ByteSpan bytes, ImageFormat format) {
  Result<const ImageCodec*> codec = choose_codec(bytes, format);
  if (!codec) return Failure{codec.reason()};
  return finish_probing((*codec)->probe(bytes), **codec);
}

Result<Bytes> encode_image(const Image& image, ImageFormat format, const EncodeOptions& options) {
  if (!image.is_valid()) return Failure{"there is no picture to write"};
  const ImageCodec* codec = codec_for(format);
  if (!codec) return Failure{"unknown picture type"};
  return codec->encode(image, options);
}

Result<Image> load_image(const std::filesystem::path& path, ImageFormat format,
                         const DecodeOptions& options) {
  if (format == ImageFormat::kUnknown) return Failure{"unknown picture type"};
  if (!options.target.is_set()) {
    Result<FileBytes> file = read_file(path, kMaxFileBytes);
    if (!file) return Failure{file.reason()};
    return decode_image(file->bytes, format, options);
  }
  // A picture to be reduced: the codec reads the file itself, so that one that
  // reduces as it reads never holds the whole file either.
  Result<OpenPicture> picture = open_picture(path, format, options);
  if (!picture) return Failure{picture.reason()};
  return finish_decoding(picture->codec->decode_file(picture->file.input, options), *picture->codec,
                         picture->file.input.size, options);
}

Result<ImageInfo> probe_image_file(const std::filesystem::path& path, ImageFormat format) {
  if (format == ImageFormat::kUnknown) return Failure{"unknown picture type"};
  Result<FileBytes> head = read_file(path, kProbeHeadBytes);
  if (!head) return Failure{head.reason()};
  Result<ImageInfo> info = probe_image(head->bytes, format);
  if (info || head->bytes.size() == head->file_size) return info;
  Result<OpenPicture> picture = open_picture(path, format, {});
  if (!picture) return Failure{picture.reason()};
  return finish_probing(picture->codec->probe_file(picture->file.input), *picture->codec);
}

Status save_image(const Image& image, const std::filesystem::path& path, ImageFormat format,
                  const EncodeOptions& options) {
  Result<Bytes> bytes = encode_image(image, format, options);
  if (!bytes) return Failure{bytes.reason()};
  const std::string_view view(reinterpret_cast<const char*>(bytes->data()), bytes->size());
  if (!write_file_atomically(path, view)) {
    return Failure{"cannot write " + path.string() + ": " + std::strerror(errno)};
  }
  return {};
}

Result<Image> load_image_within(const std::filesystem::path& path, ImageFormat format, int width,
                                int height) {
  if (width <= 0 || height <= 0) return Failure{"the target size has no pixels"};
  DecodeOptions options;
  options.target = {width, height, false};
  Result<Image> image = load_image(path, format, options);
  if (!image) return image;
  const ImageOrigin origin = image->origin();
  const double scale = options.target.scale_needed(origin.full_width, origin.full_height);
  const int fitted_width = std::max(1, static_cast<int>(std::lround(origin.full_width * scale)));
  const int fitted_height = std::max(1, static_cast<int>(std::lround(origin.full_height * scale)));
  if (fitted_width < image->width() || fitted_height < image->height()) {
    if (!resample(*image, fitted_width, fitted_height)) {
      return Failure{"not enough memory to reduce the picture"};
    }
    image->origin() = origin;
  }
  return image;
}

ImageFormat detect_image_format(const std::filesystem::path& path) {
  Result<FileBytes> head = read_file(path, kSniffBytes);
  return head ? sniff_format(head->bytes) : ImageFormat::kUnknown;
}

}  // namespace pictavo
