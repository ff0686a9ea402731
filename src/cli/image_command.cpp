#include <cstdio>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "cli/commands.h"
#include "image/filter.h"
#include "image/image_file.h"
#include "image/light.h"
#include "image/resample.h"
#include "image/transform.h"

namespace pictavo::cli {
namespace {

// "1,2,3" → {1, 2, 3}; exactly `count` whole numbers separated by `separator`.
std::vector<int> split_numbers(std::string_view text, char separator, std::size_t count,
                               std::string_view option) {
  std::vector<int> numbers;
  while (true) {
    const std::size_t end = text.find(separator);
    numbers.push_back(to_int(text.substr(0, end), option));
    if (end == std::string_view::npos) break;
    text.remove_prefix(end + 1);
  }
  if (numbers.size() != count) {
    throw UsageError{std::string(option) + " needs " + std::to_string(count) + " numbers"};
  }
  return numbers;
}

// What `image convert` does to the picture, in the order it is done.
struct Edits {
  std::optional<std::vector<int>> crop;
  std::string rotate;
  bool flip = false;
  bool mirror = false;
  std::optional<std::vector<int>> light;
  int soften = 0;
  int sharpen = 0;
  std::optional<std::vector<int>> size;
  int frame = 0;
  int quality = 75;
  bool given = false;  // any of the options above
};

Edits take_edits(Arguments& args) {
  Edits edits;
  if (auto crop = args.take_value("--crop")) edits.crop = split_numbers(*crop, ',', 4, "--crop");
  edits.rotate = args.take_value("--rotate").value_or("");
  if (!edits.rotate.empty() && edits.rotate != "left" && edits.rotate != "right" &&
      edits.rotate != "180") {
    throw UsageError{"--rotate takes left, right or 180"};
  }
  edits.flip = args.take_flag("--flip");
  edits.mirror = args.take_flag("--mirror");
  if (auto light = args.take_value("--light"))
    edits.light = split_numbers(*light, ',', 2, "--light");
  edits.soften = args.take_int("--soften").value_or(0);
  edits.sharpen = args.take_int("--sharpen").value_or(0);
  if (auto size = args.take_value("--size")) {
    edits.size = split_numbers(*size, 'x', 2, "--size");
    if ((*edits.size)[0] <= 0 || (*edits.size)[1] <= 0)
      throw UsageError{"--size needs WxH above 0"};
  }
  edits.frame = args.take_int("--frame").value_or(0);
  edits.quality = args.take_int("--quality").value_or(75);
  if (edits.soften < 0 || edits.sharpen < 0 || edits.frame < 0) {
    throw UsageError{"--soften, --sharpen and --frame take numbers from 0"};
  }
  edits.given = edits.crop || !edits.rotate.empty() || edits.flip || edits.mirror || edits.light ||
                edits.soften || edits.sharpen || edits.size || edits.frame || edits.quality != 75;
  return edits;
}

ImageFormat input_format(const std::string& path) {
  const ImageFormat by_name = image_type_of(path);
  return by_name != ImageFormat::kUnknown ? by_name : detect_image_format(path);
}

int fail(const std::string& path, const std::string& reason) {
  std::fprintf(stderr, "pictavo-cli image: %s: %s\n", path.c_str(), reason.c_str());
  return 1;
}

bool apply_edits(Image& image, const Edits& edits) {
  bool ok = true;
  if (edits.crop) {
    const std::vector<int>& c = *edits.crop;
    ok = ok && crop(image, c[0], c[1], c[2], c[3]);
  }
  if (edits.rotate == "left") ok = ok && rotate_left(image);
  if (edits.rotate == "right") ok = ok && rotate_right(image);
  if (edits.rotate == "180") ok = ok && rotate_180(image);
  if (edits.flip) ok = ok && flip(image);
  if (edits.mirror) ok = ok && mirror(image);
  if (edits.light) ok = ok && light(image, (*edits.light)[0], (*edits.light)[1]);
  for (int i = 0; ok && i < edits.soften; ++i)
    ok = soften(image);
  for (int i = 0; ok && i < edits.sharpen; ++i)
    ok = sharpen(image);
  if (edits.size) ok = ok && resample(image, (*edits.size)[0], (*edits.size)[1]);
  return ok;
}

int run_convert(const std::string& in, const std::string& out, const Edits& edits) {
  const ImageFormat out_format = image_type_of(out);
  if (out_format == ImageFormat::kUnknown) {
    throw UsageError{"the output type is unknown: name the file with a picture extension"};
  }
  DecodeOptions options;
  options.frame = edits.frame;
  // Without a crop the picture is only needed at the final size.
  if (edits.size && !edits.crop) {
    const bool quarter_turn = edits.rotate == "left" || edits.rotate == "right";
    options.target = {(*edits.size)[quarter_turn ? 1 : 0], (*edits.size)[quarter_turn ? 0 : 1],
                      true};
  }
  Result<Image> image = load_image(in, input_format(in), options);
  if (!image) return fail(in, image.reason());
  if (!apply_edits(*image, edits)) return fail(in, "the edits do not fit the picture");
  EncodeOptions encode;
  encode.jpeg_quality = edits.quality;
  const Status saved = save_image(*image, out, out_format, encode);
  return saved ? 0 : fail(out, saved.reason());
}

int run_info(const std::vector<std::string>& files) {
  int status = 0;
  for (const std::string& file : files) {
    const ImageFormat format = input_format(file);
    Result<ImageInfo> info = probe_image_file(file, format);
    Result<Image> image = info ? load_image(file, format) : Result<Image>(Failure{info.reason()});
    if (!image) {
      std::printf("%s: cannot decode: %s\n", file.c_str(), image.reason().c_str());
      status = 1;
      continue;
    }
    std::printf("%s: %.*s %d x %d, %d bits, %d frame%s, orientation %d%s\n", file.c_str(),
                static_cast<int>(format_name(info->format).size()),
                format_name(info->format).data(), info->width, info->height, info->bits_per_pixel,
                info->frame_count, info->frame_count == 1 ? "" : "s", info->orientation,
                info->has_alpha ? ", alpha" : "");
  }
  return status;
}

}  // namespace

int run_image(Arguments& args) {
  const Edits edits = take_edits(args);
  const std::vector<std::string> positional = args.finish();
  if (positional.empty()) throw UsageError{"say info or convert"};
  const std::string& action = positional.front();
  const std::vector<std::string> files(positional.begin() + 1, positional.end());
  if (action == "info") {
    if (files.empty()) throw UsageError{"info needs at least one file"};
    if (edits.given) throw UsageError{"info takes no options"};
    return run_info(files);
  }
  if (action == "convert") {
    if (files.size() != 2) throw UsageError{"convert needs an input and an output file"};
    return run_convert(files[0], files[1], edits);
  }
  throw UsageError{"unknown action \"" + action + "\""};
}

}  // namespace pictavo::cli
