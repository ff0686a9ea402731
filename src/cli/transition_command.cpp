#include <cstdint>
#include <cstdio>
#include <ctime>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <system_error>

#include "base/event.h"
#include "cli/commands.h"
#include "cli/transition_name.h"
#include "effects/image_effect.h"
#include "effects/random_generator.h"
#include "effects/transition_choice.h"
#include "effects/transition_params.h"
#include "render/frame_sink.h"
#include "render/i420.h"
#include "render/image_layer_photos.h"
#include "render/render_context.h"
#include "render/transition_renderers.h"

namespace pictavo::cli {
namespace {

constexpr int kMaxFrameSide = 4096;

struct FrameSize {
  int width = 480;
  int height = 272;
};

FrameSize parse_size(const std::string& text) {
  const std::size_t x = text.find('x');
  if (x == std::string::npos) throw UsageError{"--size needs WxH, not \"" + text + "\""};
  const FrameSize size{to_int(text.substr(0, x), "--size"), to_int(text.substr(x + 1), "--size")};
  if (size.width < 2 || size.height < 2 || size.width > kMaxFrameSide ||
      size.height > kMaxFrameSide || size.width % 2 != 0 || size.height % 2 != 0) {
    throw UsageError{"--size needs even sides from 2 to 4096, not " + text};
  }
  return size;
}

int bounded(std::optional<int> value, int fallback, int min, int max, const char* option) {
  if (!value) return fallback;
  if (*value < min || *value > max) {
    throw UsageError{std::string(option) + " must be " + std::to_string(min) + " to " +
                     std::to_string(max)};
  }
  return *value;
}

// Writes every frame shown as a numbered PNG; a failed write stops the rendering.
class PngFrames : public FrameSink {
 public:
  PngFrames(std::filesystem::path folder, Event& stop) : folder_(std::move(folder)), stop_(stop) {}

  void show(const FrameCanvas& frame) override {
    char name[32];
    std::snprintf(name, sizeof name, "frame_%05d.png", count_);
    if (!frame.write_png(folder_ / name)) {
      failed_ = true;
      stop_.set();
      return;
    }
    ++count_;
  }
  int count() const { return count_; }
  bool failed() const { return failed_; }

 private:
  std::filesystem::path folder_;
  Event& stop_;
  int count_ = 0;
  bool failed_ = false;
};

// One YUV4MPEG2 stream of the I420 frames exactly as the encoder gets them.
class Y4mStream {
 public:
  Y4mStream(const std::filesystem::path& path, FrameSize size, int fps)
      : file_(std::fopen(path.c_str(), "wb")),
        frame_bytes_(i420_frame_size(size.width, size.height)) {
    if (file_ != nullptr)
      std::fprintf(file_, "YUV4MPEG2 W%d H%d F%d:1 Ip A1:1 C420jpeg\n", size.width, size.height,
                   fps);
  }
  ~Y4mStream() {
    if (file_ != nullptr) std::fclose(file_);
  }
  Y4mStream(const Y4mStream&) = delete;
  Y4mStream& operator=(const Y4mStream&) = delete;

  bool is_open() const { return file_ != nullptr; }
  // 0 when the frame was written, 1 when writing failed.
  int write(const std::uint8_t* frame) {
    if (std::fputs("FRAME\n", file_) < 0 ||
        std::fwrite(frame, 1, frame_bytes_, file_) != frame_bytes_)
      return 1;
    ++count_;
    return 0;
  }
  bool close() {
    const bool closed = std::fclose(file_) == 0;
    file_ = nullptr;
    return closed;
  }
  int count() const { return count_; }

 private:
  std::FILE* file_;
  std::size_t frame_bytes_;
  int count_ = 0;
};

// The transition and its parameters: the type's defaults with --p1 / --p2 laid
// over them, or a random draw for Random.
RenderPhoto incoming_photo(Arguments& args, const std::string& path) {
  const std::optional<std::string> type_text = args.take_value("--type");
  if (!type_text) throw UsageError{"--type is required"};
  const std::optional<TransitionType> type = transition_named(*type_text, "--type");
  if (!type) throw UsageError{"no transition \"" + *type_text + "\" (give an id 0-18 or a name)"};
  std::unique_ptr<TransitionParams> params = make_transition(*type);
  if (*type == TransitionType::kRandom) params = resolve_transition(*params);
  const TransitionForm& form = params->form();
  TransitionValues values = params->values();
  values.p1 = bounded(args.take_int("--p1"), values.p1, form.p1.min, form.p1.max, "--p1");
  values.p2 = bounded(args.take_int("--p2"), values.p2, form.p2.min, form.p2.max, "--p2");

  int effect = bounded(args.take_int("--effect"), static_cast<int>(ImageEffect::kNone), 0,
                       kImageEffectCount - 1, "--effect");
  // A random motion is drawn as the transition preview draws it: 0 to 20.
  if (effect == static_cast<int>(ImageEffect::kRandom))
    effect = draw_random() * static_cast<int>(ImageEffect::kNone) / RandomGenerator::kMax;
  return RenderPhoto{path, effect, static_cast<int>(params->type()), values};
}

}  // namespace

int run_transition(Arguments& args) {
  const std::optional<std::string> from = args.take_value("--from");
  const std::optional<std::string> to = args.take_value("--to");
  const std::optional<int> seed = args.take_int("--seed");
  effect_random().seed(seed ? static_cast<std::uint32_t>(*seed)
                            : static_cast<std::uint32_t>(std::time(nullptr)));
  if (!from || !to) throw UsageError{"--from and --to are required"};
  const RenderPhoto photos[] = {RenderPhoto{*from}, incoming_photo(args, *to)};
  const int seconds = bounded(args.take_int("--seconds"), 2, 0, 3600, "--seconds");
  const int display = bounded(args.take_int("--display"), 3, 0, 3600, "--display");
  const int fps = bounded(args.take_int("--fps"), 25, 1, 120, "--fps");
  const std::optional<std::string> size_text = args.take_value("--size");
  const FrameSize size = size_text ? parse_size(*size_text) : FrameSize{};
  const bool opening = args.take_flag("--opening");
  const std::optional<std::string> png_dir = args.take_value("--png-dir");
  const std::optional<std::string> y4m = args.take_value("--y4m");
  if (!args.finish().empty()) throw UsageError{"takes no positional arguments"};
  if (png_dir.has_value() == y4m.has_value()) throw UsageError{"give one of --png-dir and --y4m"};

  const int type = photos[1].transition_type;
  if (transition_renderer(type) == nullptr) {
    std::fprintf(stderr, "pictavo-cli transition: %s cannot be rendered yet\n",
                 std::string(display_name(static_cast<TransitionType>(type))).c_str());
    return 1;
  }
  const ImageLayerPhotos decoder;
  for (const RenderPhoto& photo : photos) {
    if (!decoder.probe(photo.path)) {
      std::fprintf(stderr, "pictavo-cli transition: cannot decode %s\n", photo.path.c_str());
      return 1;
    }
  }

  const RenderJob job{photos, {}, kOpaqueBlack};
  RenderContext context(png_dir ? RenderMode::kSlideshowPreview : RenderMode::kVideo, size.width,
                        size.height);
  Event stop;
  context.job = &job;
  context.decoder = &decoder;
  context.stop_event = &stop;

  std::optional<PngFrames> png;
  std::optional<Y4mStream> stream;
  if (png_dir) {
    std::error_code error;
    std::filesystem::create_directories(*png_dir, error);
    png.emplace(*png_dir, stop);
    context.window_surface = &*png;
  } else {
    stream.emplace(*y4m, size, fps);
    if (!stream->is_open()) {
      std::fprintf(stderr, "pictavo-cli transition: cannot write %s\n", y4m->c_str());
      return 1;
    }
    context.encode_frame = [&stream](const std::uint8_t* frame) { return stream->write(frame); };
  }

  int result = 0;
  context.photo_index = 0;
  if (opening) {
    context.frames_total = fps;
    context.transition_frames = fps;
    result = render_first_photo(context);
  } else {
    draw_fitted_photo(context);
  }
  if (result == 0) {
    context.photo_index = 1;
    context.frames_total = fps * (display + seconds);
    context.transition_frames = fps * seconds;
    result = render_transition(context);
  }

  const bool written = png ? !png->failed() : stream->close() && result == 0;
  const std::string where = png_dir ? *png_dir : *y4m;
  if (!written) {
    std::fprintf(stderr, "pictavo-cli transition: cannot write the frames to %s\n", where.c_str());
    return 1;
  }
  std::printf("%d frames of %dx%d written to %s\n", png ? png->count() : stream->count(),
              size.width, size.height, where.c_str());
  return 0;
}

}  // namespace pictavo::cli
