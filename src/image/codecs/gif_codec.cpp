// GIF through giflib's record-level API, so that every frame's size is checked
// before anything is allocated for it and frames after the wanted one are only
// counted, not decoded.
#include <gif_lib.h>

#include <algorithm>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "image/codecs/codecs.h"
#include "image/codecs/gif_writer.h"
#include "image/image_limits.h"

namespace pictavo::codecs {
namespace {

// LZW codes are at least 2 bits long and none stands for more than 4096 pixels:
// a frame of more pixels than this many for each byte left cannot be in the file.
constexpr std::uint64_t kMostPixelsPerByte = 4 * 4096;

struct MemorySource {
  ByteSpan bytes;
  std::size_t offset = 0;
};

int read_memory(GifFileType* gif, GifByteType* buffer, int length) {
  auto* source = static_cast<MemorySource*>(gif->UserData);
  const std::size_t count = std::min(static_cast<std::size_t>(std::max(length, 0)),
                                     source->bytes.size() - source->offset);
  std::memcpy(buffer, source->bytes.data() + source->offset, count);
  source->offset += count;
  return static_cast<int>(count);
}

struct GifCloser {
  void operator()(GifFileType* gif) const { DGifCloseFile(gif, nullptr); }
};
using GifFile = std::unique_ptr<GifFileType, GifCloser>;

std::string gif_error(const char* what, int code) {
  const char* text = GifErrorString(code);
  return std::string(what) + ": " + (text ? text : "unknown error");
}

// One frame as the record walk finds it.
struct Frame {
  GifImageDesc desc{};
  GraphicsControlBlock control{0, false, 0, NO_TRANSPARENT_COLOR};
};

// Decodes one frame's indices into `indices` (desc.Width × desc.Height), rows in
// picture order whether the frame is interlaced or not.
bool read_frame_indices(GifFileType* gif, const GifImageDesc& desc,
                        std::vector<GifByteType>& indices) {
  const int width = desc.Width;
  const int height = desc.Height;
  indices.resize(static_cast<std::size_t>(width) * static_cast<std::size_t>(height));
  auto read_row = [&](int y) {
    return DGifGetLine(gif, indices.data() + static_cast<std::size_t>(y) * width, width) == GIF_OK;
  };
  if (!desc.Interlace) {
    for (int y = 0; y < height; ++y) {
      if (!read_row(y)) return false;
    }
    return true;
  }
  static constexpr int kStart[4] = {0, 4, 2, 1};
  static constexpr int kStep[4] = {8, 8, 4, 2};
  for (int pass = 0; pass < 4; ++pass) {
    for (int y = kStart[pass]; y < height; y += kStep[pass]) {
      if (!read_row(y)) return false;
    }
  }
  return true;
}

bool skip_frame_data(GifFileType* gif) {
  int code_size = 0;
  GifByteType* block = nullptr;
  if (DGifGetCode(gif, &code_size, &block) != GIF_OK) return false;
  while (block) {
    if (DGifGetCodeNext(gif, &block) != GIF_OK) return false;
  }
  return true;
}

// Paints a frame's opaque pixels onto the 32-bit canvas, clipped to it.
void paint_frame(Image& canvas, const Frame& frame, const ColorMapObject& map,
                 const std::vector<GifByteType>& indices) {
  const GifImageDesc& desc = frame.desc;
  for (int y = 0; y < desc.Height; ++y) {
    const int cy = desc.Top + y;
    if (cy < 0 || cy >= canvas.height()) continue;
    for (int x = 0; x < desc.Width; ++x) {
      const int cx = desc.Left + x;
      if (cx < 0 || cx >= canvas.width()) continue;
      const int index = indices[static_cast<std::size_t>(y) * desc.Width + x];
      if (index == frame.control.TransparentColor) continue;
      const GifColorType colour =
          index < map.ColorCount ? map.Colors[index] : GifColorType{0, 0, 0};
      canvas.set_pixel(cx, cy, rgb(colour.Red, colour.Green, colour.Blue));
    }
  }
}

void clear_rectangle(Image& canvas, const GifImageDesc& desc) {
  for (int y = std::max(desc.Top, 0); y < std::min(desc.Top + desc.Height, canvas.height()); ++y) {
    for (int x = std::max(desc.Left, 0); x < std::min(desc.Left + desc.Width, canvas.width());
         ++x) {
      canvas.set_pixel(x, y, RgbQuad{0, 0, 0, 0});
    }
  }
}

std::vector<RgbQuad> palette_of(const ColorMapObject& map) {
  std::vector<RgbQuad> palette;
  for (int i = 0; i < map.ColorCount && i < 256; ++i) {
    palette.push_back(rgb(map.Colors[i].Red, map.Colors[i].Green, map.Colors[i].Blue));
  }
  return palette;
}

// Walks the records of a GIF: counts the frames and, when `wanted` >= 0, builds the
// picture of that frame as a viewer shows it (earlier frames composed with their
// disposal methods).
class GifWalker {
 public:
  explicit GifWalker(ByteSpan bytes) : source_{bytes} {
    int error = 0;
    gif_.reset(DGifOpen(&source_, read_memory, &error));
    if (!gif_) reason_ = gif_error("not a readable GIF header", error);
  }

  bool ok() const { return gif_ != nullptr; }
  const std::string& reason() const { return reason_; }
  int width() const { return gif_->SWidth; }
  int height() const { return gif_->SHeight; }
  int frame_count() const { return frames_; }
  int colour_count() const { return gif_->SColorMap ? gif_->SColorMap->ColorCount : 256; }
  // The wanted frame, once it was decoded completely.
  std::optional<Image>& picture() { return picture_; }
  bool has_picture() const { return wanted_done_; }
  // Whether the walk came to the wanted frame (which may then have been refused).
  bool reached_wanted() const { return wanted_reached_; }

  // Walks the records to the trailer or to the first damage. The file holds the
  // frames that are complete: damage after one of them only ends the file early,
  // so that probing and decoding give every file the same answer.
  bool walk(int wanted) {
    const bool whole = walk_records(wanted);
    if (frames_ > 0) return true;
    if (whole) reason_ = "the GIF file holds no picture";
    return false;
  }

 private:
  bool walk_records(int wanted) {
    Frame frame;
    for (;;) {
      GifRecordType type = UNDEFINED_RECORD_TYPE;
      if (DGifGetRecordType(gif_.get(), &type) != GIF_OK) return fail("damaged GIF data");
      if (type == TERMINATE_RECORD_TYPE) return true;
      if (type == EXTENSION_RECORD_TYPE) {
        if (!read_extension(frame.control)) return fail("damaged GIF extension");
        continue;
      }
      if (type != IMAGE_DESC_RECORD_TYPE) return fail("damaged GIF data");
      if (DGifGetImageDesc(gif_.get()) != GIF_OK) return fail("damaged GIF frame header");
      frame.desc = gif_->Image;
      if (frames_ == wanted) wanted_reached_ = true;
      const bool needed = frames_ <= wanted;
      if (needed ? !add_frame(frame, frames_ == wanted) : !skip_frame_data(gif_.get())) {
        return reason_.empty() ? fail("damaged GIF frame") : false;
      }
      if (frames_ == wanted) wanted_done_ = true;
      ++frames_;
      frame.control = {0, false, 0, NO_TRANSPARENT_COLOR};
    }
  }

  bool fail(const char* what) {
    if (reason_.empty()) reason_ = gif_error(what, gif_->Error);
    return false;
  }

  bool refuse(std::string reason) {
    reason_ = std::move(reason);
    return false;
  }

  bool read_extension(GraphicsControlBlock& control) {
    int code = 0;
    GifByteType* data = nullptr;
    if (DGifGetExtension(gif_.get(), &code, &data) != GIF_OK) return false;
    if (code == GRAPHICS_EXT_FUNC_CODE && data && data[0] >= 4) {
      DGifExtensionToGCB(data[0], data + 1, &control);
    }
    while (data) {
      if (DGifGetExtensionNext(gif_.get(), &data) != GIF_OK) return false;
    }
    return true;
  }

  bool add_frame(const Frame& frame, bool last) {
    const GifImageDesc& desc = frame.desc;
    const std::string refusal = image_size_refusal(desc.Width, desc.Height);
    if (!refusal.empty()) return refuse(refusal);
    const ColorMapObject* map = desc.ColorMap ? desc.ColorMap : gif_->SColorMap;
    if (!map) return refuse("a GIF frame has no colour table");
    const std::uint64_t bytes_left = source_.bytes.size() - source_.offset;
    if (static_cast<std::uint64_t>(desc.Width) * desc.Height > bytes_left * kMostPixelsPerByte) {
      return refuse("the GIF data ends early");
    }
    if (!read_frame_indices(gif_.get(), desc, indices_)) return false;

    const bool covers_screen =
        desc.Left == 0 && desc.Top == 0 && desc.Width == width() && desc.Height == height();
    if (frames_ == 0 && last && covers_screen) return keep_indexed(frame, *map);
    if (!picture_ && !start_canvas()) return false;
    if (last) {
      paint_frame(*picture_, frame, *map, indices_);
      return true;
    }
    // Earlier frames: paint, then leave the canvas as the frame's disposal says.
    std::optional<Image> before;
    if (frame.control.DisposalMode == DISPOSE_PREVIOUS) before = *picture_;
    paint_frame(*picture_, frame, *map, indices_);
    if (frame.control.DisposalMode == DISPOSE_BACKGROUND) clear_rectangle(*picture_, desc);
    if (before) picture_ = std::move(before);
    return true;
  }

  bool keep_indexed(const Frame& frame, const ColorMapObject& map) {
    picture_ = Image::allocate(width(), height(), PixelLayout::kIndexed);
    if (!picture_) return refuse("not enough memory for the picture");
    std::vector<RgbQuad> palette = palette_of(map);
    for (int y = 0; y < height(); ++y) {
      std::uint8_t* row = picture_->row(y);
      std::memcpy(row, indices_.data() + static_cast<std::size_t>(y) * width(), width());
      for (int x = 0; x < width(); ++x) {
        if (row[x] >= palette.size()) row[x] = 0;
      }
    }
    picture_->set_palette(std::move(palette));
    picture_->set_transparent_index(frame.control.TransparentColor);
    return true;
  }

  bool start_canvas() {
    const std::string refusal = image_size_refusal(width(), height());
    if (!refusal.empty()) return refuse(refusal);
    picture_ = Image::create(width(), height(), 32);
    if (!picture_) return refuse("not enough memory for the picture");
    return true;
  }

  MemorySource source_;
  GifFile gif_;
  std::string reason_;
  int frames_ = 0;
  bool wanted_reached_ = false;
  bool wanted_done_ = false;
  std::vector<GifByteType> indices_;
  std::optional<Image> picture_;
};

class GifCodec final : public ImageCodec {
 public:
  ImageFormat format() const override { return ImageFormat::kGif; }
  bool has_frames() const override { return true; }

  Sniff sniff(ByteSpan head) const override {
    return head.size() >= 6 && (std::memcmp(head.data(), "GIF87a", 6) == 0 ||
                                std::memcmp(head.data(), "GIF89a", 6) == 0)
               ? Sniff::kYes
               : Sniff::kNo;
  }

  Result<ImageInfo> probe(ByteSpan bytes) const override {
    GifWalker walker(bytes);
    if (!walker.ok() || !walker.walk(-1)) return Failure{walker.reason()};
    ImageInfo info;
    info.width = walker.width();
    info.height = walker.height();
    info.frame_count = walker.frame_count();
    info.bits_per_pixel = walker.colour_count() <= 2 ? 1 : walker.colour_count() <= 16 ? 4 : 8;
    return info;
  }

  Result<Image> decode(ByteSpan bytes, const DecodeOptions& options) const override {
    GifWalker walker(bytes);
    if (!walker.ok()) return Failure{walker.reason()};
    const std::string refusal = image_size_refusal(walker.width(), walker.height());
    if (!refusal.empty()) return Failure{refusal};
    if (!walker.walk(options.frame)) return Failure{walker.reason()};
    if (!walker.has_picture()) {
      return walker.reached_wanted() ? Failure{walker.reason()}
                                     : missing_frame(options.frame, walker.frame_count());
    }
    Image image = std::move(*walker.picture());
    image.origin().frame = options.frame;
    image.origin().frame_count = walker.frame_count();
    return image;
  }

  bool can_encode() const override { return true; }
  Result<Bytes> encode(const Image& image, const EncodeOptions&) const override {
    return encode_gif(image);
  }
};

}  // namespace

const ImageCodec& gif_codec() {
  static const GifCodec codec;
  return codec;
}

}  // namespace pictavo::codecs
