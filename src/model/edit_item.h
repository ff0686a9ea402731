#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <variant>

namespace pictavo {

// A text drawn into the picture. Position and size are in picture pixels.
struct TextOverlay {
  static constexpr std::size_t kMaxFontNameCharacters = 31;
  // The editor's new texts, and any text whose stored font says nothing.
  static constexpr int kDefaultFontHeight = 16;
  static constexpr int kDefaultFontWeight = 400;

  std::string text;
  int x = 0;
  int y = 0;
  int cx = 0;
  int cy = 0;
  std::string font_name;  // at most kMaxFontNameCharacters characters
  int font_height = 0;
  int font_weight = 0;
  std::uint8_t italic = 0;
  std::uint32_t font_color = 0;  // 0x00BBGGRR

  // Stores a face name, cut to kMaxFontNameCharacters characters.
  void set_font_name(std::string_view name);
  bool operator==(const TextOverlay&) const = default;
};

// A decoration picture drawn into the picture.
struct PictureOverlay {
  std::string image_name;
  int x = 0;
  int y = 0;
  int cx = 0;
  int cy = 0;
  bool operator==(const PictureOverlay&) const = default;
};

// The part of the picture that is kept: upper-left and lower-right corners.
struct CropArea {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;
  bool operator==(const CropArea&) const = default;
};

struct RotateLeft90 {
  bool operator==(const RotateLeft90&) const = default;
};
struct RotateRight90 {
  bool operator==(const RotateRight90&) const = default;
};
struct Rotate180 {
  bool operator==(const Rotate180&) const = default;
};
struct FlipHorizontally {
  bool operator==(const FlipHorizontally&) const = default;
};
struct FlipVertically {
  bool operator==(const FlipVertically&) const = default;
};

// The kinds in the order of EditItem's alternatives; the values are stored.
enum class EditKind : int {
  kText = 0,
  kImage = 1,
  kCrop = 2,
  kRotateLeft90 = 3,
  kRotateRight90 = 4,
  kRotate180 = 5,
  kFlipHorizontally = 6,
  kFlipVertically = 7,
};

// One step of a photo's edit list, applied in list order when the prepared picture
// is made.
using EditItem = std::variant<TextOverlay, PictureOverlay, CropArea, RotateLeft90, RotateRight90,
                              Rotate180, FlipHorizontally, FlipVertically>;

inline EditKind edit_kind(const EditItem& item) {
  return static_cast<EditKind>(item.index());
}

// Texts and decorations are laid over the picture; every other edit changes it.
inline bool is_overlay(const EditItem& item) {
  return edit_kind(item) == EditKind::kText || edit_kind(item) == EditKind::kImage;
}

// The element that stores an edit of the kind: "Text", "Image", "Crop",
// "RotateLeft90", "RotateRight90", "Rotate180", "FlipHorizontally", "FlipVertically".
std::string_view edit_element_name(EditKind kind);
std::optional<EditKind> edit_kind_from_element_name(std::string_view name);

}  // namespace pictavo
