#include "model/photo_edits.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <optional>
#include <system_error>
#include <variant>
#include <vector>

#include "image/filter.h"
#include "image/image_file.h"
#include "image/image_format.h"
#include "image/light.h"
#include "image/mix.h"
#include "image/resample.h"
#include "image/text_drawing.h"
#include "image/transform.h"
#include "model/photo_preparation.h"

namespace pictavo {
namespace {

// Beyond these the adjustments look the same; the bounds keep stored values from
// overflowing the arithmetic.
constexpr int kMaxAdjustment = 1000;

bool has_adjustments(const PhotoItem& photo) {
  return photo.brightness != 0 || photo.contrast != 0 || photo.soften_times > 0 ||
         photo.sharpen_times > 0;
}

bool adjust(Image& picture, const PhotoItem& photo) {
  return adjust_picture(
      picture, {photo.brightness, photo.contrast, photo.soften_times, photo.sharpen_times});
}

// Applies one edit record; false when it cannot be applied.
class EditApplier {
 public:
  EditApplier(Image& picture, double scale, const std::filesystem::path& decorations)
      : picture_(picture), scale_(scale), decorations_(decorations) {}

  bool operator()(const CropArea& area) const {
    return crop(picture_, pixels(area.left), pixels(area.top), pixels(area.right),
                pixels(area.bottom));
  }
  bool operator()(const RotateLeft90&) const { return rotate_left(picture_); }
  bool operator()(const RotateRight90&) const { return rotate_right(picture_); }
  bool operator()(const Rotate180&) const { return rotate_180(picture_); }
  // The editor's "Flip upside down" turns the picture upside down and its "Flip
  // vertically" mirrors it left to right.
  bool operator()(const FlipHorizontally&) const { return flip(picture_); }
  bool operator()(const FlipVertically&) const { return mirror(picture_); }

  bool operator()(const TextOverlay& text) const {
    TextStyle style;
    if (!text.font_name.empty()) style.font_name = text.font_name;
    const long long height =
        text.font_height != 0 ? std::llabs(text.font_height) : TextOverlay::kDefaultFontHeight;
    style.height =
        std::clamp(pixels(static_cast<int>(std::min<long long>(height, INT_MAX))), 1, reach());
    style.weight = text.font_weight > 0 ? text.font_weight : TextOverlay::kDefaultFontWeight;
    style.italic = text.italic != 0;
    style.colour = rgb_quad_from_colour_value(text.font_color);
    return draw_text(picture_, text.text, style, position(text.x), position(text.y));
  }

  bool operator()(const PictureOverlay& overlay) const {
    const std::optional<std::filesystem::path> file =
        find_decoration(overlay.image_name, decorations_);
    if (!file) return true;
    Result<Image> decoration = load_image(*file, image_type_of(*file));
    if (!decoration) return true;
    const int width = std::clamp(pixels(overlay.cx > 0 ? overlay.cx : kDecorationSize), 1, reach());
    const int height =
        std::clamp(pixels(overlay.cy > 0 ? overlay.cy : kDecorationSize), 1, reach());
    if (!resample(*decoration, width, height)) return true;
    return mix(picture_, *decoration, MixOperation::kOverlay, position(overlay.x),
               position(overlay.y));
  }

 private:
  // A display coordinate in picture pixels, truncated, held where it cannot overflow.
  int pixels(int display) const {
    constexpr double kLimit = 1 << 30;
    return static_cast<int>(std::clamp(display * scale_, -kLimit, kLimit));
  }
  // No overlay needs to be larger than twice the picture, or to start further away
  // than that: it would not show.
  int reach() const { return 2 * std::max(picture_.width(), picture_.height()); }
  int position(int display) const { return std::clamp(pixels(display), -reach(), reach()); }

  Image& picture_;
  double scale_;
  const std::filesystem::path& decorations_;
};

}  // namespace

std::optional<std::filesystem::path> find_decoration(const std::string& name,
                                                     const std::filesystem::path& folder) {
  std::error_code error;
  const std::filesystem::path given(name);
  if (given.is_absolute()) {
    if (std::filesystem::is_regular_file(given, error)) return given;
    return std::nullopt;
  }
  if (!is_plain_file_name(name)) return std::nullopt;
  if (std::filesystem::is_regular_file(folder / name, error)) return folder / name;
  std::vector<std::filesystem::path> categories;
  for (std::filesystem::directory_iterator it(folder, error), end; !error && it != end;
       it.increment(error)) {
    if (it->is_directory(error)) categories.push_back(it->path());
  }
  std::sort(categories.begin(), categories.end());
  for (const std::filesystem::path& category : categories) {
    if (std::filesystem::is_regular_file(category / name, error)) return category / name;
  }
  return std::nullopt;
}

bool adjust_picture(Image& picture, const PictureAdjustments& adjustments) {
  const int brightness = std::clamp(adjustments.brightness, -kMaxAdjustment, kMaxAdjustment);
  const int contrast = std::clamp(adjustments.contrast, -kMaxAdjustment, kMaxAdjustment);
  if ((brightness != 0 || contrast != 0) && !light(picture, brightness, contrast)) return false;
  for (int i = std::clamp(adjustments.soften_times, 0, kMaxFilterPasses); i > 0; --i) {
    if (!soften(picture)) return false;
  }
  for (int i = std::clamp(adjustments.sharpen_times, 0, kMaxFilterPasses); i > 0; --i) {
    if (!sharpen(picture)) return false;
  }
  return true;
}

bool apply_photo_edit(Image& picture, const EditItem& edit, double scale,
                      const std::filesystem::path& decorations) {
  return std::visit(EditApplier(picture, scale, decorations), edit);
}

double editing_scale(int width, int height) {
  return std::max({1.0, static_cast<double>(width) / kEditingAreaWidth,
                   static_cast<double>(height) / kEditingAreaHeight});
}

Status apply_photo_edits(Image& picture, const PhotoItem& photo,
                         const std::filesystem::path& decorations) {
  if (!picture.is_valid()) return Failure{"there is no picture to edit"};
  const EditApplier apply(picture, editing_scale(picture.width(), picture.height()), decorations);
  bool adjusted = false;
  for (const EditItem& edit : photo.edits) {
    if (is_overlay(edit) && !adjusted) {
      if (!adjust(picture, photo)) return Failure{"not enough memory to adjust the picture"};
      adjusted = true;
    }
    if (!std::visit(apply, edit)) {
      return Failure{edit_kind(edit) == EditKind::kCrop ? "a crop leaves nothing of the picture"
                                                        : "not enough memory to edit the picture"};
    }
  }
  if (!adjusted && !adjust(picture, photo)) {
    return Failure{"not enough memory to adjust the picture"};
  }
  return {};
}

Status prepare_edited_photo(PhotoItem& photo, const std::filesystem::path& working_folder,
                            const std::filesystem::path& decorations, const TakenPicture& taken) {
  if (photo.edits.empty() && !has_adjustments(photo)) {
    photo.prepared_path = photo.source_path;
    return {};
  }
  if (!is_plain_file_name(photo.file_name)) return Failure{"the photo has no file name"};
  const std::filesystem::path target = edited_picture_path(photo, working_folder, taken);
  if (same_file(target, photo.source_path)) return Failure{"the photo's own file is in the way"};
  Result<Image> picture = load_image(photo.source_path, image_type_of(photo.source_path));
  if (!picture) return Failure{picture.reason()};
  const Status applied = apply_photo_edits(*picture, photo, decorations);
  if (!applied) return applied;
  if (!picture->expand_to_colour() || !picture->lay_over(rgb(0, 0, 0))) {
    return Failure{"not enough memory for the edited picture"};
  }
  std::error_code ignored;
  std::filesystem::create_directories(target.parent_path(), ignored);
  const Status saved = save_image(*picture, target, ImageFormat::kBmp);
  if (!saved) return saved;
  photo.prepared_path = target;
  return {};
}

}  // namespace pictavo
