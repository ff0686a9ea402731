// PNG through libpng's simplified API, which keeps libpng's error jumps inside
// libpng and reports failures as return values; a picture to be reduced is read
// row by row instead, through the row interface, and reduced as it comes.
#include <png.h>

#include <cmath>
#include <csetjmp>
#include <cstring>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "base/byte_reader.h"
#include "image/area_reducer.h"
#include "image/codecs/codecs.h"
#include "image/image_limits.h"

namespace pictavo::codecs {
namespace {

// Frees what libpng holds for a png_image on every path (safe to repeat).
class PngImage {
 public:
  PngImage() {
    std::memset(&image, 0, sizeof image);
    image.version = PNG_IMAGE_VERSION;
  }
  ~PngImage() { png_image_free(&image); }
  PngImage(const PngImage&) = delete;
  PngImage& operator=(const PngImage&) = delete;

  bool begin_read(ByteSpan bytes) {
    if (!png_image_begin_read_from_memory(&image, bytes.data(), bytes.size())) return false;
    // 16-bit files without gamma information are nearly always sRGB, not linear.
    image.flags |= PNG_IMAGE_FLAG_16BIT_sRGB;
    return true;
  }

  std::string reason(const char* what) const { return std::string(what) + ": " + image.message; }

  png_image image;
};

// libpng allocates what a text or palette chunk states before reading it, and its
// simplified interface offers no limit to set: a chunk that claims more than the
// rest of the file is refused before libpng sees it. The chunks after the first
// IDAT are read only when decoding.
// `read_head` reads the 8 bytes of a chunk's length and type at an offset of a
// file of `size` bytes.
std::string chunk_refusal(const std::function<bool(std::size_t, std::uint8_t*)>& read_head,
                          std::size_t size, bool after_image_data) {
  constexpr std::uint32_t kImageData = 0x49444154;  // IDAT
  constexpr std::uint32_t kEnd = 0x49454E44;        // IEND
  std::size_t offset = 8;
  std::uint8_t head[8];
  while (size >= 8 && offset <= size - 8 && read_head(offset, head)) {
    ByteReader in(ByteSpan(head, 8));
    const std::uint32_t length = in.u32be();
    const std::uint32_t type = in.u32be();
    offset += 8;
    if (std::uint64_t{length} + 4 > size - offset)
      return "a PNG chunk runs past the end of the file";
    if (type == kEnd || (type == kImageData && !after_image_data)) break;
    offset += length + std::size_t{4};
  }
  return {};
}

std::string chunk_refusal(ByteSpan bytes, bool after_image_data) {
  return chunk_refusal(
      [bytes](std::size_t offset, std::uint8_t* head) {
        std::memcpy(head, bytes.data() + offset, 8);
        return true;
      },
      bytes.size(), after_image_data);
}

bool is_palette_file(const png_image& image) {
  return (image.format & PNG_FORMAT_FLAG_COLORMAP) != 0;
}

// A palette whose alpha values are all opaque but at most one fully transparent
// entry is kept as an indexed picture; any other alpha needs 32-bit pixels.
bool palette_fits_indexed(const std::vector<RgbQuad>& palette, int& transparent) {
  transparent = -1;
  for (std::size_t i = 0; i < palette.size(); ++i) {
    if (palette[i].alpha == 255) continue;
    if (palette[i].alpha != 0 || transparent >= 0) return false;
    transparent = static_cast<int>(i);
  }
  return true;
}

Result<Image> read_palette_file(PngImage& png) {
  png.image.format = PNG_FORMAT_BGRA_COLORMAP;
  std::vector<RgbQuad> palette(256);
  std::optional<Image> image = Image::allocate(
      static_cast<int>(png.image.width), static_cast<int>(png.image.height), PixelLayout::kIndexed);
  if (!image) return Failure{"not enough memory for the picture"};
  if (!png_image_finish_read(&png.image, nullptr, image->data(),
                             static_cast<png_int_32>(image->stride()), palette.data())) {
    return Failure{png.reason("damaged PNG data")};
  }
  palette.resize(std::max(1u, png.image.colormap_entries));
  int transparent = -1;
  const bool indexed = palette_fits_indexed(palette, transparent);
  for (RgbQuad& colour : palette)
    colour.alpha = 255;
  // Indices beyond the palette would read past it: map them to entry 0.
  for (int y = 0; y < image->height(); ++y) {
    std::uint8_t* p = image->row(y);
    for (int x = 0; x < image->width(); ++x) {
      if (p[x] >= palette.size()) p[x] = 0;
    }
  }
  std::vector<RgbQuad> with_alpha = palette;
  image->set_palette(std::move(palette));
  image->set_transparent_index(transparent);
  if (indexed) return std::move(*image);

  // Partial transparency: expand, then put the palette's alpha back.
  std::optional<Image> expanded =
      Image::allocate(image->width(), image->height(), PixelLayout::kBgra);
  if (!expanded) return Failure{"not enough memory for the picture"};
  for (int y = 0; y < image->height(); ++y) {
    const std::uint8_t* in = image->row(y);
    std::uint8_t* out = expanded->row(y);
    for (int x = 0; x < image->width(); ++x)
      std::memcpy(out + 4 * x, &with_alpha[in[x]], 4);
  }
  return std::move(*expanded);
}

Result<Image> read_colour_file(PngImage& png) {
  const bool alpha = (png.image.format & PNG_FORMAT_FLAG_ALPHA) != 0;
  png.image.format = PNG_FORMAT_BGRA;  // opaque files get alpha 255: exactly kBgrx
  std::optional<Image> image =
      Image::allocate(static_cast<int>(png.image.width), static_cast<int>(png.image.height),
                      alpha ? PixelLayout::kBgra : PixelLayout::kBgrx);
  if (!image) return Failure{"not enough memory for the picture"};
  if (!png_image_finish_read(&png.image, nullptr, image->data(),
                             static_cast<png_int_32>(image->stride()), nullptr)) {
    return Failure{png.reason("damaged PNG data")};
  }
  return std::move(*image);
}

int bits_of(const png_image& image) {
  if (is_palette_file(image)) {
    return image.colormap_entries <= 2 ? 1 : image.colormap_entries <= 16 ? 4 : 8;
  }
  return static_cast<int>(PNG_IMAGE_SAMPLE_CHANNELS(image.format) *
                          PNG_IMAGE_SAMPLE_COMPONENT_SIZE(image.format) * 8);
}

// What reading rows keeps between libpng's calls. It lives on the heap, so that
// nothing on the stack changes between setjmp and libpng's error jump.
struct RowRead {
  ByteSpan bytes;           // the file in memory,
  const FileInput* file{};  // or the file itself, read a part at a time
  std::size_t offset = 0;
  std::string refusal;
  std::string error;
  int width = 0;  // of the whole picture
  int height = 0;
  std::optional<AreaReducer> reducer;
  std::vector<std::uint8_t> row;
};

void read_bytes(png_structp png, png_bytep out, png_size_t length) {
  auto& read = *static_cast<RowRead*>(png_get_io_ptr(png));
  if (read.file != nullptr) {
    if (!read.file->read_at(read.offset, out, length)) png_error(png, "the data ends early");
  } else {
    if (length > read.bytes.size() - read.offset) png_error(png, "the data ends early");
    std::memcpy(out, read.bytes.data() + read.offset, length);
  }
  read.offset += length;
}

[[noreturn]] void jump_on_error(png_structp png, png_const_charp message) {
  static_cast<RowRead*>(png_get_error_ptr(png))->error = message;
  png_longjmp(png, 1);
}

void ignore_warning(png_structp, png_const_charp) {}

// Whether rows read one by one come out as the simplified interface gives the
// whole picture: not interlaced (its passes need every row) and without a gamma
// other than sRGB's, which the simplified interface would convert.
bool reads_like_simplified(png_structp png, png_infop info) {
  if (png_get_interlace_type(png, info) != PNG_INTERLACE_NONE) return false;
  double gamma = 0;
  if (!png_get_gAMA(png, info, &gamma)) return true;
  constexpr double kSrgbGamma = 1 / 2.2;
  return std::abs(gamma - kSrgbGamma) < 0.01 || png_get_valid(png, info, PNG_INFO_sRGB) != 0;
}

// Reads the header and every row into `read.reducer`; libpng jumps out on an
// error. False when the picture is not one to read by rows.
bool read_rows(png_structp png, png_infop info, RowRead& read, const TargetSize& target) {
  png_set_read_fn(png, &read, read_bytes);
  png_read_info(png, info);
  const auto width = static_cast<int>(png_get_image_width(png, info));
  const auto height = static_cast<int>(png_get_image_height(png, info));
  read.width = width;
  read.height = height;
  read.refusal =
      image_size_refusal(png_get_image_width(png, info), png_get_image_height(png, info));
  if (!read.refusal.empty()) return false;
  const std::optional<AreaReducer::Size> size = AreaReducer::reduced_size(target, width, height);
  if (!size || !reads_like_simplified(png, info)) return false;
  const int colour_type = png_get_color_type(png, info);
  const bool alpha =
      (colour_type & PNG_COLOR_MASK_ALPHA) != 0 || png_get_valid(png, info, PNG_INFO_tRNS) != 0;
  png_set_expand(png);  // palette and small greys to 8-bit channels, tRNS to alpha
  png_set_scale_16(png);
  png_set_gray_to_rgb(png);
  png_set_bgr(png);
  if (!alpha) png_set_filler(png, 0xFF, PNG_FILLER_AFTER);
  png_read_update_info(png, info);
  if (png_get_rowbytes(png, info) != static_cast<std::size_t>(width) * 4) return false;
  std::optional<Image> into =
      Image::allocate(size->width, size->height, alpha ? PixelLayout::kBgra : PixelLayout::kBgrx);
  if (into) read.reducer = AreaReducer::create(width, height, std::move(*into));
  if (!read.reducer) png_error(png, "not enough memory for the picture");
  read.row.resize(static_cast<std::size_t>(width) * 4);
  for (int y = 0; y < height; ++y) {
    png_read_row(png, read.row.data(), nullptr);
    read.reducer->add_row(read.row.data());
  }
  return true;
}

// The picture reduced towards `target` while its rows are read, never whole, from
// `read`'s bytes or file; nothing when it is not one to read by rows (then it is
// decoded whole).
std::optional<Result<Image>> read_reduced(std::unique_ptr<RowRead> read, const TargetSize& target) {
  png_structp png =
      png_create_read_struct(PNG_LIBPNG_VER_STRING, read.get(), jump_on_error, ignore_warning);
  png_infop info = png != nullptr ? png_create_info_struct(png) : nullptr;
  if (info == nullptr) {
    png_destroy_read_struct(&png, nullptr, nullptr);
    return Result<Image>(Failure{"not enough memory for the picture"});
  }
  if (setjmp(png_jmpbuf(png))) {
    png_destroy_read_struct(&png, &info, nullptr);
    return Result<Image>(Failure{"damaged PNG data: " + read->error});
  }
  const bool by_rows = read_rows(png, info, *read, target);
  png_destroy_read_struct(&png, &info, nullptr);
  if (!read->refusal.empty()) return Result<Image>(Failure{read->refusal});
  if (!by_rows) return std::nullopt;
  Image image = read->reducer->take();
  image.origin().full_width = read->width;
  image.origin().full_height = read->height;
  return Result<Image>(std::move(image));
}

class PngCodec final : public ImageCodec {
 public:
  ImageFormat format() const override { return ImageFormat::kPng; }

  Sniff sniff(ByteSpan head) const override {
    static constexpr std::uint8_t kSignature[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    return head.size() >= 8 && std::memcmp(head.data(), kSignature, 8) == 0 ? Sniff::kYes
                                                                            : Sniff::kNo;
  }

  Result<ImageInfo> probe(ByteSpan bytes) const override {
    const std::string refusal = chunk_refusal(bytes, false);
    if (!refusal.empty()) return Failure{refusal};
    PngImage png;
    if (!png.begin_read(bytes)) return Failure{png.reason("not a readable PNG header")};
    ImageInfo info;
    info.width = static_cast<int>(png.image.width);
    info.height = static_cast<int>(png.image.height);
    info.bits_per_pixel = bits_of(png.image);
    info.has_alpha = (png.image.format & PNG_FORMAT_FLAG_ALPHA) != 0;
    return info;
  }

  Result<Image> decode(ByteSpan bytes, const DecodeOptions& options) const override {
    std::string refusal = chunk_refusal(bytes, true);
    if (!refusal.empty()) return Failure{refusal};
    PngImage png;
    if (!png.begin_read(bytes)) return Failure{png.reason("not a readable PNG header")};
    refusal = image_size_refusal(png.image.width, png.image.height);
    if (!refusal.empty()) return Failure{refusal};
    if (options.target.is_set()) {
      auto read = std::make_unique<RowRead>();
      read->bytes = bytes;
      if (std::optional<Result<Image>> reduced = read_reduced(std::move(read), options.target))
        return std::move(*reduced);
    }
    return is_palette_file(png.image) ? read_palette_file(png) : read_colour_file(png);
  }

  Result<Image> decode_file(const FileInput& file, const DecodeOptions& options) const override {
    const std::string refusal = chunk_refusal(
        [&file](std::size_t offset, std::uint8_t* head) { return file.read_at(offset, head, 8); },
        file.size, true);
    if (!refusal.empty()) return Failure{refusal};
    if (options.target.is_set()) {
      auto read = std::make_unique<RowRead>();
      read->file = &file;
      if (std::optional<Result<Image>> reduced = read_reduced(std::move(read), options.target))
        return std::move(*reduced);
    }
    return ImageCodec::decode_file(file, options);
  }

  bool can_encode() const override { return true; }

  Result<Bytes> encode(const Image& image, const EncodeOptions&) const override {
    PngImage png;
    png.image.width = static_cast<png_uint_32>(image.width());
    png.image.height = static_cast<png_uint_32>(image.height());
    const void* pixels = image.data();
    std::size_t stride = image.stride();
    std::vector<RgbQuad> palette;
    std::vector<std::uint8_t> packed;
    switch (image.layout()) {
      case PixelLayout::kIndexed:
        png.image.format = PNG_FORMAT_BGRA_COLORMAP;
        palette.assign(image.palette().begin(), image.palette().end());
        if (palette.empty()) palette.push_back(rgb(0, 0, 0));
        for (std::size_t i = 0; i < palette.size(); ++i) {
          palette[i].alpha = static_cast<int>(i) == image.transparent_index() ? 0 : 255;
        }
        png.image.colormap_entries = static_cast<png_uint_32>(palette.size());
        break;
      case PixelLayout::kBgra:
        png.image.format = PNG_FORMAT_BGRA;
        break;
      case PixelLayout::kBgrx:
        // The simplified API has no filler byte: pack the rows to B G R.
        png.image.format = PNG_FORMAT_BGR;
        stride = static_cast<std::size_t>(image.width()) * 3;
        packed.resize(stride * static_cast<std::size_t>(image.height()));
        for (int y = 0; y < image.height(); ++y) {
          const std::uint8_t* in = image.row(y);
          std::uint8_t* out = packed.data() + stride * static_cast<std::size_t>(y);
          for (int x = 0; x < image.width(); ++x)
            std::memcpy(out + 3 * x, in + 4 * x, 3);
        }
        pixels = packed.data();
        break;
    }
    png_alloc_size_t size = 0;
    const auto row_stride = static_cast<png_int_32>(stride);
    const void* colormap = palette.empty() ? nullptr : palette.data();
    if (!png_image_write_to_memory(&png.image, nullptr, &size, 0, pixels, row_stride, colormap)) {
      return Failure{png.reason("cannot encode the PNG")};
    }
    Bytes bytes(size);
    if (!png_image_write_to_memory(&png.image, bytes.data(), &size, 0, pixels, row_stride,
                                   colormap)) {
      return Failure{png.reason("cannot encode the PNG")};
    }
    bytes.resize(size);
    return bytes;
  }
};

}  // namespace

const ImageCodec& png_codec() {
  static const PngCodec codec;
  return codec;
}

}  // namespace pictavo::codecs
