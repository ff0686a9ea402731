#include "effects/image_effect.h"

#include <array>

#include "base/translation_mark.h"
#include "effects/random_generator.h"

namespace pictavo {
namespace {

constexpr std::array<std::string_view, kImageEffectCategoryCount> kCategoryNames{
    QT_TRANSLATE_NOOP("Engine", "None"), QT_TRANSLATE_NOOP("Engine", "Pan"),
    QT_TRANSLATE_NOOP("Engine", "Pan/Zoom"), QT_TRANSLATE_NOOP("Engine", "Pan/Zoom/Rotate")};

constexpr std::array<std::string_view, kImageEffectCount> kImageEffectNames{
    QT_TRANSLATE_NOOP("Engine", "pan from left to right"),
    QT_TRANSLATE_NOOP("Engine", "pan from right to left"),
    QT_TRANSLATE_NOOP("Engine", "pan from left-down to right-up"),
    QT_TRANSLATE_NOOP("Engine", "pan from right-up to left-down"),
    QT_TRANSLATE_NOOP("Engine", "pan from left-up to right-down"),
    QT_TRANSLATE_NOOP("Engine", "pan from right-down to left-up"),
    QT_TRANSLATE_NOOP("Engine", "pan from up to down"),
    QT_TRANSLATE_NOOP("Engine", "pan from down to up"),
    QT_TRANSLATE_NOOP("Engine", "zoom center in"),
    QT_TRANSLATE_NOOP("Engine", "zoom left-up in"),
    QT_TRANSLATE_NOOP("Engine", "zoom right-up in"),
    QT_TRANSLATE_NOOP("Engine", "zoom left-down in"),
    QT_TRANSLATE_NOOP("Engine", "zoom right-down in"),
    QT_TRANSLATE_NOOP("Engine", "zoom center out"),
    QT_TRANSLATE_NOOP("Engine", "zoom left-up out"),
    QT_TRANSLATE_NOOP("Engine", "zoom right-up out"),
    QT_TRANSLATE_NOOP("Engine", "zoom left-down out"),
    QT_TRANSLATE_NOOP("Engine", "zoom right-down out"),
    QT_TRANSLATE_NOOP("Engine", "zoom in and rotate"),
    QT_TRANSLATE_NOOP("Engine", "zoom out and rotate"),
    QT_TRANSLATE_NOOP("Engine", "none"),
    QT_TRANSLATE_NOOP("Engine", "random"),
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
