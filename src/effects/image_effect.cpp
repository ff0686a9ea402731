#include "effects/image_effect.h"

#include <array>

#include "effects/random_generator.h"

namespace pictavo {
namespace {

constexpr std::array<std::string_view, kImageEffectCategoryCount> kCategoryNames{
    "None", "Pan", "Pan/Zoom", "Pan/Zoom/Rotate"};

constexpr std::array<std::string_view, kImageEffectCount> kImageEffectNames{
    "pan from left to right",
    "pan from right to left",
    "pan from left-down to right-up",
    "pan from right-up to left-down",
    "pan from left-up to right-down",
    "pan from right-down to left-up",
    "pan from up to down",
    "pan from down to up",
    "zoom center in",
    "zoom left-up in",
    "zoom right-up in",
    "zoom left-down in",
    "zoom right-down in",
    "zoom center out",
    "zoom left-up out",
    "zoom right-up out",
    "zoom left-down out",
    "zoom right-down out",
    "zoom in and rotate",
    "zoom out and rotate",
    "none",
    "random",
};

template <std::size_t N>
std::string_view name_at(const std::array<std::string_view, N>& names, int index) {
  return index >= 0 && index < static_cast<int>(N) ? names[static_cast<std::size_t>(index)]
                                                   : std::string_view{};
}

}  // namespace

std::string_view display_name(ImageEffectCategory category) {
  return name_at(kCategoryNames, static_cast<int>(category));
}

std::string_view display_name(ImageEffect effect) {
  return name_at(kImageEffectNames, static_cast<int>(effect));
}

std::span<const std::string_view> category_list() {
  return kCategoryNames;
}

std::span<const std::string_view> image_effect_list() {
  return kImageEffectNames;
}

ImageEffect draw_image_effect(ImageEffectCategory category) {
  switch (category) {
    case ImageEffectCategory::kNone:
      return ImageEffect::kNone;
    case ImageEffectCategory::kPan:
      return static_cast<ImageEffect>(draw_choice(4095, 8));
    case ImageEffectCategory::kPanZoom:
      return static_cast<ImageEffect>(draw_choice(1820, 18));
    case ImageEffectCategory::kPanZoomRotate:
      return static_cast<ImageEffect>(draw_choice(1638, 20));
  }
  return static_cast<ImageEffect>(category);
}

}  // namespace pictavo
