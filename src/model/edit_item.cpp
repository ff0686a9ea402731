#include "model/edit_item.h"

#include <array>

#include "base/utf8_text.h"

namespace pictavo {
namespace {

constexpr std::array<std::string_view, std::variant_size_v<EditItem>> kElementNames{
    "Text",
    "Image",
    "Crop",
    "RotateLeft90",
    "RotateRight90",
    "Rotate180",
    "FlipHorizontally",
    "FlipVertically"};

}  // namespace

void TextOverlay::set_font_name(std::string_view name) {
  font_name = utf8_prefix(name, kMaxFontNameCharacters);
}

std::string_view edit_element_name(EditKind kind) {
  const auto index = static_cast<std::size_t>(kind);
  return index < kElementNames.size() ? kElementNames[index] : std::string_view{};
}

std::optional<EditKind> edit_kind_from_element_name(std::string_view name) {
  for (std::size_t index = 0; index < kElementNames.size(); ++index) {
    if (kElementNames[index] == name) return static_cast<EditKind>(index);
  }
  return std::nullopt;
}

}  // namespace pictavo
