#include "ui/editor/crop_frame.h"

#include <cstdlib>

#include "model/screen_aspect.h"

namespace pictavo {
namespace {

// The screen ratios in single precision, as the frame has always been fitted.
constexpr float kWideWidthPerHeight = 1.7777778f;
constexpr float kWideHeightPerWidth = 0.5625f;
constexpr float kNarrowWidthPerHeight = 1.3333334f;
constexpr float kNarrowHeightPerWidth = 0.75f;

struct Factors {
  float width_per_height;
  float height_per_width;
};

Factors factors(ScreenRatio ratio) {
  switch (ratio) {
    case ScreenRatio::kSixteenNine:
      return {kWideWidthPerHeight, kWideHeightPerWidth};
    case ScreenRatio::kNineSixteen:  // a wide screen turned upright
      return {kWideHeightPerWidth, kWideWidthPerHeight};
    case ScreenRatio::kFourThree:
      break;
  }
  return {kNarrowWidthPerHeight, kNarrowHeightPerWidth};
}

float width_per_height(ScreenRatio ratio) {
  return factors(ratio).width_per_height;
}

float height_per_width(ScreenRatio ratio) {
  return factors(ratio).height_per_width;
}

int times(int length, float factor) {
  return static_cast<int>(static_cast<float>(length) * factor);
}

}  // namespace

ScreenRatio screen_ratio_of_aspect(int aspect) {
  switch (aspect) {
    case kAspectSixteenNine:
      return ScreenRatio::kSixteenNine;
    case kAspectNineSixteen:
      return ScreenRatio::kNineSixteen;
    default:
      return ScreenRatio::kFourThree;
  }
}

void CropFrame::reset(int width, int height) {
  canvas_width_ = width;
  canvas_height_ = height;
  area_ = {0, 0, width, height};
}

void CropFrame::fit_to(ScreenRatio ratio) {
  const int w = width();
  const int h = height();
  if (w <= 0 || h <= 0) return;
  if (static_cast<float>(w) / static_cast<float>(h) > width_per_height(ratio)) {
    const int fitted = times(h, width_per_height(ratio));
    area_.left += (w - fitted) / 2;
    area_.right = area_.left + fitted;
  } else {
    const int fitted = times(w, height_per_width(ratio));
    area_.top += (h - fitted) / 2;
    area_.bottom = area_.top + fitted;
  }
}

std::optional<CropFrame::Corner> CropFrame::handle_at(int x, int y) const {
  const auto near = [](int value, int edge, bool from_start) {
    return from_start ? value >= edge && value < edge + kHandleSize
                      : value < edge && value >= edge - kHandleSize;
  };
  const bool left = near(x, area_.left, true);
  const bool right = near(x, area_.right, false);
  const bool top = near(y, area_.top, true);
  const bool bottom = near(y, area_.bottom, false);
  if (top && left) return Corner::kTopLeft;
  if (top && right) return Corner::kTopRight;
  if (bottom && right) return Corner::kBottomRight;
  if (bottom && left) return Corner::kBottomLeft;
  return std::nullopt;
}

bool CropFrame::contains(int x, int y) const {
  return x >= area_.left && x < area_.right && y >= area_.top && y < area_.bottom;
}

bool CropFrame::inside_canvas(const CropArea& area) const {
  return area.left >= 0 && area.top >= 0 && area.right <= canvas_width_ &&
         area.bottom <= canvas_height_;
}

void CropFrame::move_by(int dx, int dy) {
  const CropArea moved{area_.left + dx, area_.top + dy, area_.right + dx, area_.bottom + dy};
  if (inside_canvas(moved)) area_ = moved;
}

void CropFrame::drag_corner(Corner corner, int x, int y, std::optional<ScreenRatio> ratio) {
  if (x < 0 || y < 0 || x > canvas_width_ || y > canvas_height_) return;
  const bool at_left = corner == Corner::kTopLeft || corner == Corner::kBottomLeft;
  const bool at_top = corner == Corner::kTopLeft || corner == Corner::kTopRight;
  // The opposite corner stays; the frame reaches from it towards the cursor.
  const int fixed_x = at_left ? area_.right : area_.left;
  const int fixed_y = at_top ? area_.bottom : area_.top;
  int width = at_left ? fixed_x - x : x - fixed_x;
  int height = at_top ? fixed_y - y : y - fixed_y;
  if (ratio) {
    // Room from the fixed corner to the canvas edge on the dragged side.
    const int room_x = at_left ? fixed_x : canvas_width_ - fixed_x;
    const int room_y = at_top ? fixed_y : canvas_height_ - fixed_y;
    if (std::abs(width) >= std::abs(height)) {
      height = times(width, height_per_width(*ratio));
      if (height > room_y) {
        height = room_y;
        width = times(height, width_per_height(*ratio));
      }
    } else {
      width = times(height, width_per_height(*ratio));
      if (width > room_x) {
        width = room_x;
        height = times(width, height_per_width(*ratio));
      }
    }
  }
  if (width < kHandleSize || height < kHandleSize) return;
  area_.left = at_left ? fixed_x - width : fixed_x;
  area_.right = at_left ? fixed_x : fixed_x + width;
  area_.top = at_top ? fixed_y - height : fixed_y;
  area_.bottom = at_top ? fixed_y : fixed_y + height;
}

}  // namespace pictavo
